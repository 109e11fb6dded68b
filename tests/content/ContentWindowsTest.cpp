#include "content/ui/ContentPageWindows.h"
#include "content/ui/HelpWizard.h"
#include "content/ui/PageView.h"
#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "profiles/ProfileFiles.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "support/ModalPageCatcher.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QPushButton>
#include <functional>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
QByteArray ReadInstalled(const char* name)
{
    QFile file(QString::fromStdString(InstallDir()) + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PlainText(PageView* view)
{
    return view->toPlainText();
}
}

class ContentWindowsTest : public QObject {
    Q_OBJECT
    std::optional<WindowTest::Session> env;

private slots:
    void initTestCase()
    {
        env.emplace();
        ApplyLook(*qApp);
    }
    void cleanupTestCase() { env.reset(); }

    void referencePagesOpenInTheirWindows()
    {
        struct Expect {
            std::function<bool()> show;
            QString title;
            QSize size;
            QString entry;
            const char* content;
            QByteArray needle;
        };
        const Expect pages[] = {
            {[] { return ShowSignPage(2, 20); },
             " Astrology: Zodiac Sign",
             {700, 400},
             "effects.htm",
             "reading.htm",
             "Pisces<p><font color=\"black\">20 February -- 20 March<p>"},
            {[] { return ShowNumberPage(8, 15, 1966); },
             " Numerology: Soul Number",
             {700, 400},
             "effects.htm",
             "reading.htm",
             "Your soul number is: <font color=\"yellow\">8</b>"},
            {[] { return ShowYearPage(1911); },
             " Astrology: Year",
             {600, 250},
             "effects.htm",
             "reading.htm",
             "1911 - The Year of the Pig"},
            {[] {
                 return ShowSuperstitions(Date{7, 29, 2004});
             },
             " Daily Superstition",
             {730, 350},
             "super_e.htm",
             "super_r.htm",
             "<b>pin<p><font color=\"black\">See a pin and pick it up, all the day you\x92ll"},
        };
        for (const Expect& page : pages) {
            ModalPageCatcher catcher;
            if (page.title == " Astrology: Zodiac Sign" && qEnvironmentVariableIsSet("MORAVEL_SCREENSHOTS"))
                catcher.grabTo = qEnvironmentVariable("MORAVEL_SCREENSHOTS") + "/SignPage.png";
            catcher.Arm();
            QVERIFY(page.show());
            QVERIFY2(catcher.seen, qPrintable(page.title));
            QCOMPARE(catcher.title, page.title);
            QCOMPARE(catcher.size, page.size);
            QVERIFY(catcher.page.endsWith(page.entry));
            QVERIFY2(ReadInstalled(page.content).contains(page.needle), qPrintable(page.title));
        }
    }

    void dreamVerdictFollowsTheEmotionalReading()
    {
        ProfileRecord anna;
        anna.description = "anna";
        anna.fullName = "Anna Lee";
        anna.birthday = {8, 15, 1966};
        QVERIFY(SaveProfile(anna));
        // 15 March 2004 is Anna's Emotional peak (99); 22 March is 7 days on, at 49.
        const std::pair<int, QByteArray> days[] = {{15, "is 99%, an Emotional High."},
                                                   {22, "below the Emotional High"}};
        for (const auto& [day, verdict] : days) {
            ModalPageCatcher catcher;
            catcher.Arm();
            QVERIFY(ShowDreamPage(ProfilePath("anna"), 3, day, 2004));
            QVERIFY(catcher.seen);
            QCOMPARE(catcher.title, QString(" Dream Interpretation"));
            QCOMPARE(catcher.size, QSize(700, 350));
            QVERIFY(catcher.page.endsWith("dream_e.htm"));
            QVERIFY2(ReadInstalled("dream_r.htm").contains(verdict), verdict.constData());
        }
    }

    void superstitionOfTheShownDay()
    {
        ProfileRecord ben;
        ben.description = "ben";
        ben.fullName = "Ben";
        ben.birthday = {1, 1, 1970};
        QVERIFY(SaveProfile(ben));
        DailyAnalysisWindow window;
        window.SetProfileFile(ProfilePath("ben"));
        window.SetBaseDate({5, 1, 2004});
        window.SetShownDate({5, 1, 2004});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // From the 1st, Prev Day shows April 30: "S" then shows the 30th's "cheeks".
        QTest::mouseClick(window.Button("Prev Day"), Qt::LeftButton);
        QCOMPARE(window.ShownDate(), (Date{4, 30, 2004}));
        ModalPageCatcher catcher;
        catcher.Arm();
        QTest::mouseClick(window.Button("S"), Qt::LeftButton);
        QVERIFY(catcher.seen);
        QCOMPARE(catcher.title, QString(" Daily Superstition"));
        const QByteArray page = ReadInstalled("super_r.htm");
        QVERIFY(page.contains("<b>cheeks<p>"));
        QVERIFY(!page.contains("<b>cats<p>"));
        QVERIFY(page.contains("<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                              "oncontextmenu=\"return false\" scroll=\"no\"><script"));

        // Back on the 1st: two paragraphs, the second with its 0x92 apostrophe.
        QTest::mouseClick(window.Button("Now"), Qt::LeftButton);
        catcher = ModalPageCatcher();
        catcher.Arm();
        QTest::mouseClick(window.Button("S"), Qt::LeftButton);
        QVERIFY(catcher.seen);
        QVERIFY(ReadInstalled("super_r.htm").contains("<b>cats<p>"));
        QVERIFY(ReadInstalled("super_r.htm").contains("Don\x92t kiss"));
        window.close();
    }

    void helpWizardShowsTheFirstTopicAndKeepsToItsPages()
    {
        HelpWizard wizard;
        QSignalSpy loaded(wizard.View(), &PageView::loadFinished);
        wizard.show();
        QCOMPARE(wizard.windowTitle(), QString("Help Wizard"));
        QCOMPARE(wizard.Topics()->count(), 9);
        QCOMPARE(wizard.Topics()->currentText(), QString("Moravel in a Nutshell"));
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, 20000);
        QVERIFY(wizard.View()->CurrentFile().endsWith("help.htm"));
        QVERIFY(PlainText(wizard.View()).contains("Moravel 2005 is one of a kind"));

        // Choosing another topic rewrites the page.
        QTest::keyClick(wizard.Topics(), Qt::Key_Down);
        QCOMPARE(wizard.Topics()->currentText(), QString("Profiles In and Out"));
        QTRY_VERIFY_WITH_TIMEOUT(PlainText(wizard.View()).contains("at least one profile first"), 20000);
        QVERIFY(ReadInstalled("help.htm").contains("at least one profile first"));

        // A link to anything but a ".htm" page leaves the page as it is.
        QFile other(env->FilePath("notes.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("not a page");
        other.close();
        emit wizard.View()->anchorClicked(QUrl::fromLocalFile(other.fileName()));
        QVERIFY(wizard.View()->CurrentFile().endsWith("help.htm"));
        QVERIFY(PlainText(wizard.View()).contains("at least one profile first"));

        if (qEnvironmentVariableIsSet("MORAVEL_SCREENSHOTS"))
            wizard.grab().save(qEnvironmentVariable("MORAVEL_SCREENSHOTS") + "/HelpWizard.png");
    }
};

QTEST_MAIN(ContentWindowsTest)
#include "ContentWindowsTest.moc"
