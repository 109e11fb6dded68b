#include "content/PageView.h"

#include "content/PageWriter.h"
#include "content/web/PageViewHooks.h"
#include "platform/BrowserSettings.h"
#include "platform/PrintService.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLibrary>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>

namespace {
// The web engine, loaded after the application exists, draws with GL contexts
// shared with the application's. Qt makes that share only when asked before the
// application object is built, so every program that has page views asks at load.
[[maybe_unused]] const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

bool AllowNavigation(const char* address)
{
    return IsAllowedNavigation(address ? std::string(address) : std::string());
}

bool ChoosePrinter(QPrinter& printer)
{
    return PrintService::choosePrinter(printer);
}

// Beside the program, unless MORAVEL_WEB_MODULE names the file (programs run from
// elsewhere in the build tree). Loaded once; the library stays loaded.
MoravelCreatePageView CreateFunction()
{
    static const MoravelCreatePageView create = [] {
        QString path = qEnvironmentVariable("MORAVEL_WEB_MODULE");
        if (path.isEmpty())
            path = QCoreApplication::applicationDirPath() + QStringLiteral("/" MORAVEL_WEB_MODULE_FILE);
        QLibrary library(path);
        return reinterpret_cast<MoravelCreatePageView>(library.resolve(MORAVEL_CREATE_PAGE_VIEW));
    }();
    return create;
}
}

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const MoravelCreatePageView create = CreateFunction();
    if (!create)
        return;
    const MoravelPageViewHooks hooks{&AllowNavigation, &ChoosePrinter, BrowserFontSize()};
    browser = create(this, &hooks);
    if (!browser)
        return;
    layout->addWidget(browser);
    setFocusProxy(browser);
    // The browser keeps every key it is given, Escape too; in the dialog around it
    // Escape does what it does everywhere else in a dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->reject();
    });
    connect(browser, SIGNAL(loadFinished(bool)), this, SIGNAL(loadFinished(bool)));
    connect(browser, SIGNAL(printFinished(bool)), this, SIGNAL(printFinished(bool)));
}

PageView::~PageView() = default;

void PageView::OpenFile(const QString& path)
{
    if (browser)
        browser->setProperty("url", QUrl::fromLocalFile(path));
}

QString PageView::CurrentFile() const
{
    if (!browser)
        return {};
    const QUrl current = browser->property("url").toUrl();
    return current.isLocalFile() ? current.toLocalFile() : QString();
}
