#include "content/PageView.h"
#include "content/PageWindow.h"
#include "content/PageWriter.h"
#include "platform/MessageBox.h"
#include "platform/PrintService.h"
#include "support/TempEnvironment.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
QWebEngineView* Browser(PageView* view)
{
    return qobject_cast<QWebEngineView*>(view->Browser());
}

QString PlainText(PageView* view)
{
    QString result;
    bool done = false;
    Browser(view)->page()->toPlainText([&](const QString& text) {
        result = text;
        done = true;
    });
    for (int waited = 0; !done && waited < 5000; waited += 20)
        QTest::qWait(20);
    return result;
}

void RunScript(PageView* view, const QString& script)
{
    bool done = false;
    Browser(view)->page()->runJavaScript(script, [&](const QVariant&) { done = true; });
    for (int waited = 0; !done && waited < 5000; waited += 20)
        QTest::qWait(20);
}

QString Dir(const TempEnvironment& env)
{
    return QString::fromStdString(env.InstallDir());
}
}

class PageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { MessageBox::setTestMode(true), MessageBox::clearHistory(); }

    // The entry page forwards to the content page after a second.
    void entryPageShowsContentAfterRefresh()
    {
        TempEnvironment env;
        PagePair pair{"dream_e.htm", "dream_r.htm", PageBody::Scrolling,
                      PageParagraph("Water in a dream means change."), PagePrintRow::Standard,
                      PageClosing::Paragraph};
        QVERIFY(WritePagePair(pair));
        PageWindow window;
        window.SetTitle(QStringLiteral(" Dream Interpretation"));
        window.SetSize(700, 350);
        window.SetPage(Dir(env) + "dream_e.htm");
        QVERIFY(window.View() == nullptr);  // no browser before the window shows
        window.ShowModeless();
        QVERIFY(window.View() != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(window.CurrentPage(), Dir(env) + "dream_r.htm", 10000);
        QTRY_VERIFY_WITH_TIMEOUT(PlainText(window.View()).contains("Water in a dream means change."), 10000);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Dream Interpretation"));
        QCOMPARE(window.frameGeometry().size(), QSize(700, 350));  // the frame included
    }

    // Links to other pages open, links to anything else do not, and the Print link prints.
    void linksAreFilteredAndPrintWorks()
    {
        TempEnvironment env;
        QFile other(Dir(env) + "OTHER.HTM");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("<html><body>second page</body></html>");
        other.close();
        QFile notes(Dir(env) + "notes.txt");
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("plain notes");
        notes.close();
        const std::string links = R"(<a id="t" href="notes.txt">text</a> <a id="h" href="OTHER.HTM">page</a>)";
        PagePair pair{"a_e.htm", "a_r.htm", PageBody::Fixed, links + "caf\xC3\xA9", PagePrintRow::Standard,
                      PageClosing::Plain};
        QVERIFY(WritePagePair(pair));

        PageWindow window;
        window.SetSize(400, 300);
        window.SetPage(Dir(env) + "a_r.htm");
        window.ShowModeless();
        auto* view = window.View();
        QTRY_VERIFY_WITH_TIMEOUT(PlainText(view).contains(QStringLiteral("café")), 10000);

        RunScript(view, QStringLiteral("document.getElementById('t').click()"));
        QTest::qWait(500);
        QCOMPARE(window.CurrentPage(), Dir(env) + "a_r.htm");

        const QString pdf = QString::fromStdString(env.Root()) + "/page.pdf";
        PrintService::setNextPdfOutput(pdf);
        QSignalSpy printed(view, &PageView::printFinished);
        RunScript(view, QStringLiteral("document.querySelector('a[href^=javascript]').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(printed.count(), 1, 15000);
        QVERIFY(printed.at(0).at(0).toBool());
        QVERIFY(QFile(pdf).size() > 0);

        RunScript(view, QStringLiteral("document.getElementById('h').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(window.CurrentPage(), Dir(env) + "OTHER.HTM", 10000);
    }

    void refusingWindowStaysOpenAndClosableWindowReports()
    {
        TempEnvironment env;
        QVERIFY(WriteTipPage("tip"));
        PageWindow tip;
        tip.SetTitle(QStringLiteral("Quick Tip"));
        tip.SetRefuseClose(true);
        tip.SetPage(Dir(env) + "tip_e.htm");
        tip.ShowModeless();
        QTest::keyClick(&tip, Qt::Key_Escape);
        tip.close();
        QVERIFY(tip.isVisible());
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().at(0).text, QStringLiteral("Quick Tip dialog must remain open.       "));
        QCOMPARE(MessageBox::history().at(0).icon, MessageBox::Information);

        PageWindow picture;
        QSignalSpy closed(&picture, &PageWindow::closedByUser);
        picture.ShowModeless();
        QTest::keyClick(&picture, Qt::Key_F1);
        QVERIFY(picture.isVisible());
        picture.close();
        QVERIFY(!picture.isVisible());
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(PageWindowTest)
#include "PageWindowTest.moc"
