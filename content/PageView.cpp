#include "content/PageView.h"

#include "content/PageWriter.h"
#include "platform/BrowserSettings.h"
#include "platform/PrintService.h"

#include <QFont>
#include <QFontInfo>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <memory>

namespace {
// Our pages ask for no scroll bar with the old body attribute scroll="no";
// the engine needs it said in CSS.
const char* kNoScrollScript =
    "if (document.body && document.body.getAttribute('scroll') == 'no')"
    " document.body.style.overflow = 'hidden';";

class FilteredPage : public QWebEnginePage {
public:
    explicit FilteredPage(QObject* parent) : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent)
    {
        QWebEngineScript script;
        script.setName(QStringLiteral("moravel-no-scroll"));
        script.setSourceCode(QString::fromLatin1(kNoScrollScript));
        script.setInjectionPoint(QWebEngineScript::DocumentReady);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setRunsOnSubFrames(false);
        scripts().insert(script);
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        return IsAllowedNavigation(Address(url));
    }

    // Console noise of the pages' old-browser script is not ours to report.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}

private:
    static std::string Address(const QUrl& url)
    {
        if (url.isEmpty())
            return {};
        if (url.isLocalFile())
            return url.toLocalFile().toStdString();
        return url.toString().toStdString();
    }
};
}

struct PageView::PrintJob {
    QPrinter printer{QPrinter::HighResolution};
};

PageView::PageView(QWidget* parent) : QWebEngineView(parent)
{
    auto* page = new FilteredPage(this);
    setPage(page);
    QWebEngineSettings* settings = page->settings();
    settings->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    if (BrowserFontSize() != 0)
        settings->setFontSize(QWebEngineSettings::DefaultFontSize, BrowserFontSize());
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    // The pages ask for Verdana. The engine takes only exact or metric-compatible
    // matches and would fall back to a serif face, so the font the desktop gives
    // for Verdana becomes the standard one.
    const QString verdana = QFontInfo(QFont(QStringLiteral("Verdana"))).family();
    settings->setFontFamily(QWebEngineSettings::StandardFont, verdana);
    settings->setFontFamily(QWebEngineSettings::SansSerifFont, verdana);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, true);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QWebEngineView::printRequested, this, &PageView::PrintPage);
    connect(this, &QWebEngineView::printFinished, this, [this](bool) { printJob.reset(); });
}

PageView::~PageView() = default;

void PageView::OpenFile(const QString& path)
{
    load(QUrl::fromLocalFile(path));
}

QString PageView::CurrentFile() const
{
    const QUrl current = url();
    return current.isLocalFile() ? current.toLocalFile() : QString();
}

void PageView::PrintPage()
{
    if (printJob)
        return;  // one printout at a time
    auto job = std::make_unique<PrintJob>();
    job->printer.setDocName(QStringLiteral("Page"));
    // The engine prints pages as pictures; 300 dpi keeps text sharp without the
    // cost of the printer's full resolution.
    job->printer.setResolution(300);
    if (!PrintService::choosePrinter(job->printer))
        return;
    printJob = std::move(job);
    print(&printJob->printer);
}
