// The page view's browser, built as a module of its own so that programs load the
// web engine only when they first show a page.
#include "content/web/PageViewHooks.h"

#include <QFont>
#include <QFontInfo>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>

namespace {
// Our pages ask for no scroll bar with the old body attribute scroll="no";
// the engine needs it said in CSS.
const char* kNoScrollScript =
    "if (document.body && document.body.getAttribute('scroll') == 'no')"
    " document.body.style.overflow = 'hidden';";

class FilteredPage : public QWebEnginePage {
public:
    FilteredPage(const MoravelPageViewHooks& hooks, QObject* parent)
        : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent), hooks(hooks)
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
        return hooks.allowNavigation && hooks.allowNavigation(Address(url).c_str());
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

    MoravelPageViewHooks hooks;
};

class WebPageView : public QWebEngineView {
public:
    WebPageView(const MoravelPageViewHooks& hooks, QWidget* parent) : QWebEngineView(parent), hooks(hooks)
    {
        auto* page = new FilteredPage(hooks, this);
        setPage(page);
        QWebEngineSettings* settings = page->settings();
        settings->setDefaultTextEncoding(QStringLiteral("windows-1252"));
        if (hooks.fontSize != 0)
            settings->setFontSize(QWebEngineSettings::DefaultFontSize, hooks.fontSize);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        // The pages ask for Verdana. The engine takes only exact or metric-compatible
        // matches and would fall back to a serif face, so the font the desktop gives
        // for Verdana becomes the standard one.
        const QString verdana = QFontInfo(QFont(QStringLiteral("Verdana"))).family();
        settings->setFontFamily(QWebEngineSettings::StandardFont, verdana);
        settings->setFontFamily(QWebEngineSettings::SansSerifFont, verdana);
        settings->setAttribute(QWebEngineSettings::ShowScrollBars, true);
        setContextMenuPolicy(Qt::NoContextMenu);
        connect(this, &QWebEngineView::printRequested, this, [this] { PrintPage(); });
        connect(this, &QWebEngineView::printFinished, this, [this](bool) { printer.reset(); });
    }

private:
    // A page asked to print itself (its Print link).
    void PrintPage()
    {
        if (printer || !hooks.choosePrinter)
            return;  // one printout at a time
        auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
        job->setDocName(QStringLiteral("Page"));
        // The engine prints pages as pictures; 300 dpi keeps text sharp without the
        // cost of the printer's full resolution.
        job->setResolution(300);
        if (!hooks.choosePrinter(*job))
            return;
        printer = std::move(job);
        print(printer.get());
    }

    MoravelPageViewHooks hooks;
    std::unique_ptr<QPrinter> printer;
};
}

extern "C" Q_DECL_EXPORT QWidget* moravel_create_page_view(QWidget* parent, const MoravelPageViewHooks* hooks)
{
    if (!hooks)
        return nullptr;
    return new WebPageView(*hooks, parent);
}
