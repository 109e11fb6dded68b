#include "content/PageWriter.h"
#include "content/ZodiacPicturePage.h"
#include "content/ui/PageView.h"
#include "content/ui/PageWindow.h"
#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintService.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <sys/stat.h>

namespace {
QString PlainText(PageView* view)
{
    return view->toPlainText();
}

// Clicks the first link to `href` where the user sees it.
void ClickLink(PageView* view, const QString& href)
{
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(view->document());
            cursor.setPosition(it.fragment().position() + it.fragment().length() / 2);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(cursor).center());
            return;
        }
    }
    QFAIL(qPrintable("no link to " + href));
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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
        PagePair pair{"dream_e.htm",          "dream_r.htm",
                      PageBody::Scrolling,    PageParagraph("Water in a dream means change."),
                      PagePrintRow::Standard, PageClosing::Paragraph};
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
        WriteBytes(Dir(env) + "OTHER.HTM", "<html><body>second page</body></html>");
        WriteBytes(Dir(env) + "notes.txt", "plain notes");
        const std::string links = R"(<a id="t" href="notes.txt">text</a> <a id="h" href="OTHER.HTM">page</a>)";
        // Written as windows-1252 (0x92, 0xE9) and read back as such.
        PagePair pair{"a_e.htm",
                      "a_r.htm",
                      PageBody::Fixed,
                      PageHeading("Heading") + links + "It\xE2\x80\x99s caf\xC3\xA9",
                      PagePrintRow::Standard,
                      PageClosing::Plain};
        QVERIFY(WritePagePair(pair));

        PageWindow window;
        window.SetTitle(QStringLiteral(" Notes/Pages"));
        window.SetSize(400, 300);
        window.SetPage(Dir(env) + "a_r.htm");
        window.ShowModeless();
        auto* view = window.View();
        QTRY_VERIFY_WITH_TIMEOUT(PlainText(view).contains(QStringLiteral("It\u2019s café")), 10000);

        ClickLink(view, QStringLiteral("notes.txt"));
        QCOMPARE(window.CurrentPage(), Dir(env) + "a_r.htm");

        const QString pdf = QString::fromStdString(env.Root()) + "/page.pdf";
        PrintService::setNextPdfOutput(pdf);
        QSignalSpy printed(view, &PageView::printFinished);
        ClickLink(view, QStringLiteral("javascript:window.print()"));
        QTRY_COMPARE_WITH_TIMEOUT(printed.count(), 1, 15000);
        QVERIFY(printed.at(0).at(0).toBool());
        // Printed as text, not as a picture of the page.
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString printedText = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printedText.contains(QStringLiteral("It\u2019s café")), qPrintable(printedText));
        // As a browser prints: named after the page, no Print link, no grey page, no yellow text.
        QVERIFY2(!printedText.contains(QStringLiteral("Print")), qPrintable(printedText));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Title: +Notes-Pages\n"))));
        QProcess raster;
        raster.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-singlefile"), pdf,
                      QString::fromStdString(env.Root()) + "/page"});
        QVERIFY(raster.waitForFinished(30000));
        const QImage paper =
            QImage(QString::fromStdString(env.Root()) + "/page.ppm").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!paper.isNull());
        int grey = 0, yellow = 0;
        for (int y = 0; y < paper.height(); ++y)
            for (int x = 0; x < paper.width(); ++x) {
                const QRgb p = paper.pixel(x, y);
                grey += std::abs(qRed(p) - 128) < 12 && std::abs(qGreen(p) - 128) < 12 && std::abs(qBlue(p) - 128) < 12;
                yellow += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 100;
            }
        QVERIFY2(grey < paper.width() * paper.height() / 100, qPrintable(QString::number(grey)));
        QCOMPARE(yellow, 0);

        ClickLink(view, QStringLiteral("OTHER.HTM"));
        QTRY_COMPARE_WITH_TIMEOUT(window.CurrentPage(), Dir(env) + "OTHER.HTM", 10000);
    }

    // What the view follows: pages only, whatever the address looks like.
    void viewFollowsPagesOnly()
    {
        TempEnvironment env;
        WriteBytes(Dir(env) + "start.htm", "<html><body>start</body></html>");
        WriteBytes(Dir(env) + "UPPER.HTM", "<html><body>upper</body></html>");
        WriteBytes(Dir(env) + "notes.txt", "notes");
        const QFont font = QGuiApplication::font();
        PageView view;
        QCOMPARE(QGuiApplication::font(), font);  // lent while the view is made, and given back
        view.OpenFile(Dir(env) + "start.htm");
        const struct {
            QString address;
            bool followed;
            QString shown;  // file shown afterwards
        } rows[] = {
            {Dir(env) + "notes.txt", false, "start.htm"},        {"https://example.org/", false, "start.htm"},
            {"javascript:alert(1)", false, "start.htm"},         {"", true, "start.htm"},
            {"https://example.org/page.htm", true, "start.htm"},  // allowed, but nothing from afar is shown
            {Dir(env) + "UPPER.HTM", true, "UPPER.HTM"},         {Dir(env) + "missing.htm", true, "missing.htm"},
        };
        for (const auto& row : rows) {
            const QUrl url = row.address.startsWith('/') ? PageView::FileUrl(row.address) : QUrl(row.address);
            QCOMPARE(view.Follow(url), row.followed);
            QCOMPARE(view.CurrentFile(), Dir(env) + row.shown);
        }
        PrintService::setNextCancel();
        QSignalSpy printed(&view, &PageView::printFinished);
        QVERIFY(view.Follow(QUrl(QStringLiteral("javascript:window.print()"))));
        QCOMPARE(printed.count(), 1);
        QVERIFY(!printed.at(0).at(0).toBool());
    }

    // A folder name with "#", "?" or "%41", reached through a leading "//": the entry
    // page still forwards, and the picture named by its full path still shows. So
    // does the zodiac page in an InstallDir whose name is no UTF-8.
    void oddFolderNamesReachTheirPagesAndPictures()
    {
        TempEnvironment env;
        const std::string latin = env.Root() + "/caf\xe9 &\"<>'";
        ::setenv("XDG_DATA_HOME", latin.c_str(), 1);
        QVERIFY(::mkdir(latin.c_str(), 0700) == 0 && ::mkdir(InstallDir().c_str(), 0700) == 0);
        {
            QFile source(qEnvironmentVariable("MORAVEL_SOURCE_DIR") + "/assets/leo.gif");
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QByteArray gif = source.readAll();
            std::FILE* out = std::fopen((InstallDir() + "leo.gif").c_str(), "wb");
            QVERIFY(out && std::fwrite(gif.constData(), 1, gif.size(), out) == std::size_t(gif.size()));
            std::fclose(out);
        }
        QVERIFY(WriteZodiacPicturePage(InstallDir() + "leo.gif"));
        {
            PageWindow window;
            window.SetSize(200, 200);
            window.SetPage(QString::fromStdString(InstallDir() + "sign_e.htm"));
            window.ShowModeless();
            QTRY_VERIFY_WITH_TIMEOUT(window.CurrentPage().endsWith("sign_r.htm"), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(Coloured(window) > 100, 10000);
        }
        const QString folder = QString::fromStdString(env.Root()) + "/a#b?c%41 d/";
        QVERIFY(QDir().mkpath(folder));
        const QString picture = folder + "leo.gif";
        QVERIFY(QFile::copy(qEnvironmentVariable("MORAVEL_SOURCE_DIR") + "/assets/leo.gif", picture));
        WriteBytes(folder + "x_r.htm", QByteArray::fromStdString("<html><body bgcolor=\"gray\"><img src=\"" +
                                                                 picture.toStdString() + "\">"));
        WriteBytes(folder + "x_e.htm", QByteArray::fromStdString(EntryPageBytes((folder + "x_r.htm").toStdString())));
        PageWindow window;
        window.SetSize(200, 200);
        window.SetPage("/" + folder + "x_e.htm");
        window.ShowModeless();
        QTRY_COMPARE_WITH_TIMEOUT(window.CurrentPage(), folder + "x_r.htm", 10000);
        QVERIFY2(Coloured(window) > 100, "the picture is not shown");
    }

    // Pixels of the page that are not its grey background.
    static int Coloured(PageWindow& window)
    {
        const QImage shown = window.View()->viewport()->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                coloured += shown.pixelColor(x, y) != QColor(128, 128, 128);
        return coloured;
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
