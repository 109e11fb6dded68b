#include "app/ui/MainWindow.h"
#include "content/ui/HelpWizard.h"
#include "engine/ui/CompanionWindow.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "support/ModalPageCatcher.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QTreeWidget>

using namespace WindowTest;

// The main window's and the profile editor's buttons open the companion window,
// the dream page, the help wizard and the reference pages.
class ContentWiringTest : public QObject {
    Q_OBJECT
    std::optional<Session> env;

private slots:
    void initTestCase() { ApplyLook(*qApp); }
    void init() { env.emplace(Date{3, 15, 2004}); }
    void cleanup() { env.reset(); }

    void companionAnalysesTheSameNameWithAnotherBirthday()
    {
        SaveProfiles({Person("Ann", "Ann", {3, 4, 1970}), Person("Ann2", "ANN", {3, 5, 1970})});
        MainWindow window;
        window.show();
        ClickRow(Child<QTreeWidget>(&window, "profileList"), 1, Qt::ControlModifier);
        bool shown = false;
        WhenModal([&](QWidget* modal) {
            auto* companion = qobject_cast<CompanionWindow*>(modal);
            QVERIFY(companion);
            shown = true;
            QCOMPARE(companion->windowTitle(), QString("Companion Analysis"));
            QVERIFY(companion->Result().ready);
            QCOMPARE(QString::fromStdString(companion->Result().firstName), QString("Ann"));
            QCOMPARE(QString::fromStdString(companion->Result().secondName), QString("ANN"));
            companion->reject();
        });
        Click(&window, "companion");
        QVERIFY(shown);
        QVERIFY(MessageBox::history().isEmpty());
    }

    void dreamsShowsTheVerdictForTheSelectedDate()
    {
        // 15 March 2004 is the Emotional peak of a birthday of 15 August 1966.
        SaveProfiles({Person("Anna", "Anna Lee", {8, 15, 1966})});
        MainWindow window;
        window.show();
        QVERIFY(Child<QPushButton>(&window, "dreams")->isEnabled());
        ModalPageCatcher catcher;
        catcher.Arm();
        Click(&window, "dreams");
        QVERIFY(catcher.seen);
        QCOMPARE(catcher.title, QString(" Dream Interpretation"));
        QVERIFY(ReadFile(InstallDir() + "dream_r.htm").find("is 99%, an Emotional High.") != std::string::npos);
        QVERIFY(MessageBox::history().isEmpty());
    }

    void helpButtonAndF1OpenTheWizard()
    {
        SaveProfiles({Person("Anna", "Anna Lee", {8, 15, 1966})});
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (int round = 0; round < 2; ++round) {
            bool shown = false;
            WhenModal([&](QWidget* modal) {
                auto* wizard = qobject_cast<HelpWizard*>(modal);
                QVERIFY(wizard);
                shown = true;
                QCOMPARE(wizard->Topics()->currentText(), QString("Moravel in a Nutshell"));
                QVERIFY(ReadFile(InstallDir() + "help.htm").find("Moravel 2005 is one of a kind") != std::string::npos);
                wizard->reject();
            });
            if (round == 0) {
                Click(&window, "help");
            } else {
                window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&window));
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_F1);
            }
            QVERIFY2(shown, round == 0 ? "Help" : "F1");
        }
    }

    void editorButtonsShowTheBirthdayPages()
    {
        struct Page {
            const char* button;
            QString title;
            const char* needle;
        };
        const Page pages[] = {
            {"signPage", " Astrology: Zodiac Sign", "Capricorn<p><font color=\"black\">22 December -- 20 January"},
            {"numberPage", " Numerology: Soul Number", "Your soul number is: <font color=\"yellow\">1</b>"},
            {"yearPage", " Astrology: Year", "1900 - The Year of the Rat"},
        };
        int seen = 0;
        WhenModal([&](QWidget* editor) {
            // A new profile: 1 January 1900.
            for (const Page& page : pages) {
                ModalPageCatcher catcher;
                catcher.Arm();
                Click(editor, page.button);
                QVERIFY2(catcher.seen, page.button);
                QCOMPARE(catcher.title, page.title);
                QVERIFY2(ReadFile(InstallDir() + "reading.htm").find(page.needle) != std::string::npos, page.button);
                ++seen;
            }
            Click(editor, "close");
        });
        ProfileEditorWindow editor;
        QVERIFY(!editor.RunNew());
        QCOMPARE(seen, 3);
    }
};

QTEST_MAIN(ContentWiringTest)
#include "ContentWiringTest.moc"
