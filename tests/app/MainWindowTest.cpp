#include "app/ui/InteractiveRun.h"
#include "app/ui/MainWindow.h"
#include "content/ui/PageWindow.h"
#include "platform/Drawing.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QColorSpace>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <filesystem>

using namespace WindowTest;

namespace {
// Counts the times a widget takes the focus.
class FocusCounter : public QObject {
public:
    FocusCounter(QWidget* widget, int& count) : count(count) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            ++count;
        return false;
    }

private:
    int& count;
};

struct Buttons {
    bool edit, del, analyze, schedule, openReport, companion, dreams;
};

Buttons Enabled(QWidget* window)
{
    auto on = [&](const char* name) { return Child<QPushButton>(window, name)->isEnabled(); };
    return {on("editProfile"), on("deleteProfile"), on("analyzeDay"), on("schedule"),
            on("openReport"),  on("companion"),     on("dreams")};
}

std::string TipPage()
{
    return ReadFile(InstallDir() + "tip_e.htm");
}
}

class MainWindowTest : public QObject {
    Q_OBJECT
    std::optional<Session> env;

private slots:
    void initTestCase() { ApplyLook(*qApp); }
    void init() { env.emplace(Date{6, 15, 2004}); }
    void cleanup() { env.reset(); }

    // The welcome page comes before the main window only while no index exists.
    void firstStartShowsWelcome()
    {
        QStringList titles;
        std::function<void(QWidget*)> closeEach = [&](QWidget* modal) {
            titles << modal->windowTitle();
            if (auto* page = qobject_cast<PageWindow*>(modal)) {
                QTRY_VERIFY_WITH_TIMEOUT(page->CurrentPage().endsWith("reading.htm"), 10000);
                if (!qEnvironmentVariableIsEmpty("MORAVEL_SCREENSHOT_DIR")) {
                    QTest::qWait(1500);
                    Screenshot(page, "welcome");
                }
                page->reject();
                WhenModal(closeEach);
            } else {
                static_cast<QDialog*>(modal)->reject();
            }
        };
        WhenModal(closeEach);
        RunInteractive();
        QCOMPARE(titles, QStringList({" Moravel 2005 - Take full control of your past, present and future today.",
                                      "Moravel 2005  -  For entertainment purposes only"}));
        QVERIFY(!FileExists(InstallDir() + "mv.ini"));  // nothing changed, nothing written

        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        titles.clear();
        WhenModal(closeEach);
        RunInteractive();
        QCOMPARE(titles, QStringList({"Moravel 2005  -  For entertainment purposes only"}));
    }

    void enablingFollowsTheSelection()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970}), Person("Bob", "Bob Lee", {5, 6, 1971}),
                      Person("Cy", "Cy Lee", {7, 8, 1972})});
        MainWindow window;
        window.show();
        auto* list = Child<QTreeWidget>(&window, "profileList");
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Calibration"));
        QCOMPARE(list->columnWidth(0), 250);
        // Opening selects row 0; today is on or before today, so Dreams is offered.
        QVERIFY(list->topLevelItem(0)->isSelected());
        Buttons one = Enabled(&window);
        QVERIFY(one.edit && one.del && one.analyze && one.schedule && one.openReport && one.dreams && !one.companion);
        QVERIFY(TipPage().find("Click on the Analyze Day button or click on the Dreams button.") != std::string::npos);
        QVERIFY(window.TipWindow() && window.TipWindow()->isVisible());
        QCOMPARE(window.TipWindow()->windowTitle(), QStringLiteral("Quick Tip"));
        QTRY_COMPARE(window.TipWindow()->frameGeometry().top(), window.frameGeometry().bottom() + 1);
        QTRY_COMPARE(window.TipWindow()->frameGeometry().left(), window.frameGeometry().left());
        if (!qEnvironmentVariableIsEmpty("MORAVEL_SCREENSHOT_DIR")) {
            QTest::qWait(2000);
            Screenshot(&window, "main-window");
            Screenshot(window.TipWindow(), "quick-tip");
        }

        ClickRow(list, 1, Qt::ControlModifier);
        Buttons two = Enabled(&window);
        QVERIFY(two.companion && !two.edit && !two.del && !two.analyze && !two.schedule && !two.openReport &&
                !two.dreams);
        QVERIFY(TipPage().find("Click on the Companion button to get full Companion Analysis: business, friendship "
                               "and love.") != std::string::npos);

        ClickRow(list, 2, Qt::ControlModifier);
        Buttons three = Enabled(&window);
        QVERIFY(!three.companion && !three.edit && !three.del && !three.analyze && !three.schedule && !three.dreams);
        QVERIFY(TipPage().find("Select only 2 (two) profiles to get full Companion Analysis.") != std::string::npos);

        // A click on empty space keeps a selection.
        ClickRow(list, 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, list->viewport()->height() - 5));
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(list->topLevelItem(2)->isSelected());

        // Escape on the Quick Tip window is refused.
        QTest::keyClick(window.TipWindow(), Qt::Key_Escape);
        QVERIFY(window.TipWindow()->isVisible());
        QCOMPARE(MessageBox::history().last().text, QStringLiteral("Quick Tip dialog must remain open.       "));
    }

    void emptyListAndTipsAfterCommands()
    {
        MainWindow window;
        window.show();
        Buttons none = Enabled(&window);
        QVERIFY(!none.edit && !none.del && !none.analyze && !none.schedule && !none.companion && !none.dreams);
        QVERIFY(none.openReport);
        QVERIFY(TipPage().find("Click on the Add Profile button to create your unique profile.") != std::string::npos);

        FileDialog::setNextFileName(QString());
        Click(&window, "openReport");
        QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Select Daily Report"));
        QCOMPARE(FileDialog::lastFolder(), QString::fromStdString(ReportsDir()));
        QVERIFY(TipPage().find("Click on the Add Profile button") != std::string::npos);

        // The editor's tip is shown while it is open and is HTML placed unchanged.
        std::string tipWhileEditing;
        WhenModal([&](QWidget* modal) {
            tipWhileEditing = TipPage();
            static_cast<QDialog*>(modal)->reject();
        });
        Click(&window, "addProfile");
        QVERIFY(tipWhileEditing.find("In most cases you should <font color=\"white\">NOT<font color=\"yellow\"> use "
                                     "\"Personal Data For Calculation\" right away.") != std::string::npos);
        QVERIFY(window.Profiles().empty());
        QVERIFY(!window.IndexDirty());
    }

    void dateListsAndDreams()
    {
        SetTodayForTesting(Date{1, 31, 2004});
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        MainWindow window;
        window.show();
        auto* month = Child<QComboBox>(&window, "month");
        auto* day = Child<QComboBox>(&window, "day");
        auto* year = Child<QComboBox>(&window, "year");
        QCOMPARE(year->count(), 200);
        QCOMPARE(year->itemText(0), QStringLiteral("2099"));
        QCOMPARE(year->itemText(199), QStringLiteral("1900"));
        QCOMPARE(year->currentText(), QStringLiteral("2004"));
        QCOMPARE(day->currentText(), QStringLiteral("31"));

        month->setCurrentIndex(1);
        QCOMPARE(day->count(), 29);
        QCOMPARE(day->currentText(), QStringLiteral("29"));
        QCOMPARE(window.SelectedDate(), (Date{2, 29, 2004}));
        // After today: no Dreams.
        QVERIFY(!Child<QPushButton>(&window, "dreams")->isEnabled());
        QVERIFY(TipPage().find("Click on the Analyze Day button to get your full Daily Analysis.") !=
                std::string::npos);

        year->setCurrentIndex(0);
        QCOMPARE(day->count(), 28);
        QCOMPARE(window.SelectedDate(), (Date{2, 28, 2099}));
        year->setCurrentIndex(2099 - 2026);
        QCOMPARE(day->count(), 28);
        year->setCurrentIndex(2099 - 2028);
        QCOMPARE(day->count(), 29);
        year->setCurrentIndex(199);
        QCOMPARE(day->count(), 28);  // 1900 was no leap year
        QCOMPARE(window.SelectedDate(), (Date{2, 28, 1900}));

        year->setCurrentIndex(2099 - 2004);
        month->setCurrentIndex(0);
        day->setCurrentIndex(30);
        QCOMPARE(window.SelectedDate(), (Date{1, 31, 2004}));
        QVERIFY(Child<QPushButton>(&window, "dreams")->isEnabled());

        // A date before the birthday is refused by Analyze Day and Dreams.
        year->setCurrentIndex(2099 - 1970);
        month->setCurrentIndex(2);
        day->setCurrentIndex(2);
        Click(&window, "analyzeDay");
        Click(&window, "dreams");
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().at(0).text,
                 QStringLiteral("You can't analyze a date before your birth date.     "));
        QCOMPARE(MessageBox::history().at(1).icon, MessageBox::Stop);
        QCOMPARE(window.focusWidget(), year);  // back on the date the message is about
        // The birthday itself opens the daily analysis of that profile and date.
        day->setCurrentIndex(3);
        std::string shownProfile;
        Date shownDate;
        QString shownTitle;
        WhenModal([&](QWidget* modal) {
            auto* daily = qobject_cast<DailyAnalysisWindow*>(modal);
            QVERIFY(daily);
            shownProfile = daily->ProfileFile();
            shownDate = daily->ShownDate();
            shownTitle = daily->windowTitle();
            daily->close();
        });
        Click(&window, "analyzeDay");
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(shownDate, (Date{3, 4, 1970}));
        QCOMPARE(QString::fromStdString(shownProfile), QString::fromStdString(InstallDir() + "Ann.ini"));
        QVERIFY(shownTitle.startsWith(QStringLiteral("Daily Analysis - March 4, 1970  - ")));
    }

    // Keys in a date list or the profile list keep the focus there; the tip still follows.
    // A click still gives the focus to the suggested button.
    void keysKeepTheFocusInTheirList()
    {
        SetTodayForTesting(Date{1, 31, 2004});
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970}), Person("Ben", "Ben Moss", {3, 4, 1971})});
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* dreams = Child<QPushButton>(&window, "dreams");
        int dreamsFocused = 0;
        FocusCounter counter(dreams, dreamsFocused);
        auto* month = Child<QComboBox>(&window, "month");
        month->setFocus();
        QTest::keyClick(month, Qt::Key_Home);  // January 31, today: Dreams is enabled
        QTest::keyClick(month, Qt::Key_Down);  // February, after today
        QCoreApplication::processEvents();
        QCOMPARE(window.SelectedDate(), (Date{2, 29, 2004}));
        QCOMPARE(QApplication::focusWidget(), month);
        QVERIFY(TipPage().find("Click on the Analyze Day button to get your full Daily Analysis.") !=
                std::string::npos);
        auto* list = Child<QTreeWidget>(&window, "profileList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);  // two rows: the Companion tip
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(TipPage().find("Companion Analysis") != std::string::npos);
        QCOMPARE(dreamsFocused, 0);
        WindowTest::ClickRow(list, 0);
        QCOMPARE(QApplication::focusWidget(), Child<QPushButton>(&window, "analyzeDay"));
        // The open list, made when it first opens, shows the list's font.
        month->showPopup();
        QCOMPARE(month->view()->font(), month->font());
        month->hidePopup();
    }

    // The open command's request: the profile's row, the date in the lists and its
    // Daily Analysis window; a date alone only sets the lists.
    void startRequestOpensTheDailyAnalysis()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970}), Person("Bob", "Bob Lee", {5, 6, 1971})});
        std::string shownProfile;
        Date shownDate;
        {
            MainWindow window;
            window.SetStartRequest({"Bob", Date{2, 29, 2028}});
            WhenModal([&](QWidget* modal) {
                if (auto* daily = qobject_cast<DailyAnalysisWindow*>(modal)) {
                    shownProfile = daily->ProfileFile();
                    shownDate = daily->ShownDate();
                }
                modal->close();
            });
            window.show();
            QTRY_COMPARE_WITH_TIMEOUT(shownDate, (Date{2, 29, 2028}), 10000);
            QCOMPARE(QString::fromStdString(shownProfile), QString::fromStdString(InstallDir() + "Bob.ini"));
            QCOMPARE(Child<QTreeWidget>(&window, "profileList")->selectedItems().value(0)->text(1),
                     QStringLiteral("Bob"));
            QCOMPARE(Child<QComboBox>(&window, "day")->currentText(), QStringLiteral("29"));
        }
        MainWindow window;
        window.SetStartRequest({"", Date{12, 31, 2030}});
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(window.SelectedDate(), (Date{12, 31, 2030}), 10000);
        QCOMPARE(Child<QComboBox>(&window, "year")->currentText(), QStringLiteral("2030"));
        QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == &window);
        QVERIFY(Shown().isEmpty());
    }

    // Run under faketime by its own test entries, which name the day they set.
    void yearListFollowsTheSystemClock()
    {
        const QStringList expected = qEnvironmentVariable("MORAVEL_EXPECTED_TODAY").split('/');
        if (expected.size() != 3)
            QSKIP("needs faketime and MORAVEL_EXPECTED_TODAY=month/day/year");
        SetTodayForTesting(std::nullopt);
        const Date today{expected[0].toInt(), expected[1].toInt(), expected[2].toInt()};
        QCOMPARE(Today(), today);
        SaveProfiles({Person("Kid", "Kid Lee", {5, 10, 2010})});
        MainWindow window;
        window.show();
        auto* year = Child<QComboBox>(&window, "year");
        // A year outside the list leaves it without a selection; the date stays today.
        QCOMPARE(year->currentText(), today.year <= 2099 ? QString::number(today.year) : QString());
        QCOMPARE(Child<QComboBox>(&window, "day")->count(), DaysInMonth(today.month, today.year));
        QCOMPARE(window.SelectedDate(), today);

        ClickRow(Child<QTreeWidget>(&window, "profileList"), 0);
        Date shownDate;
        WhenModal([&](QWidget* modal) {
            auto* daily = qobject_cast<DailyAnalysisWindow*>(modal);
            QVERIFY(daily);
            shownDate = daily->ShownDate();
            daily->close();
        });
        Click(&window, "analyzeDay");
        QCOMPARE(shownDate, today);
        QVERIFY(Shown().isEmpty());
    }

    void deleteRows()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970}), Person("Bob", "Bob Lee", {5, 6, 1971}),
                      Person("Cy", "Cy Lee", {7, 8, 1972})});
        MainWindow window;
        window.show();
        auto* list = Child<QTreeWidget>(&window, "profileList");
        // Each deletion is asked first; No leaves the profile as it is.
        Click(&window, "deleteProfile");
        QCOMPARE(MessageBox::history().last().text, QStringLiteral("Delete the profile \"Ann\"?    "));
        QCOMPARE(list->topLevelItemCount(), 3);
        QVERIFY(FileExists(InstallDir() + "Ann.ini"));
        for (int i = 0; i < 3; ++i)
            MessageBox::setNextAnswer(MessageBox::Yes);
        Click(&window, "deleteProfile");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Bob"));
        QVERIFY(list->topLevelItem(0)->isSelected());
        QVERIFY(!FileExists(InstallDir() + "Ann.ini"));
        QVERIFY(window.IndexDirty());

        ClickRow(list, 1);
        Click(&window, "deleteProfile");
        QVERIFY(list->topLevelItem(0)->isSelected());  // the row before
        Click(&window, "deleteProfile");
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(!Child<QPushButton>(&window, "deleteProfile")->isEnabled());
        QVERIFY(TipPage().find("Click on the Add Profile button") != std::string::npos);
        window.reject();
        QVERIFY(ReadFile(InstallDir() + "mv.ini").empty());
    }

    void deletingTheScheduledProfileAsks()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        WriteFile(InstallDir() + "task.dtr", "Profile:" + InstallDir() + "Ann.ini\nEmail:a@b.c\nTime:6:0AM\n");
        // No crontab program: the work item is left alone, the task file still goes.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(env->Root()));
        MainWindow window;
        window.show();
        MessageBox::setNextAnswer(MessageBox::Yes);
        MessageBox::setNextAnswer(MessageBox::No);
        Click(&window, "deleteProfile");
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("This profile is used for daily email delivery.    \nIf you delete it, daily email "
                                "delivery will end too.    \n\nDo you want to continue?    "));
        QVERIFY(FileExists(InstallDir() + "Ann.ini"));
        QVERIFY(FileExists(InstallDir() + "task.dtr"));
        QCOMPARE(window.Profiles().size(), std::size_t(1));

        MessageBox::setNextAnswer(MessageBox::Yes);
        MessageBox::setNextAnswer(MessageBox::Yes);
        Click(&window, "deleteProfile");
        qputenv("PATH", path);
        QVERIFY(!FileExists(InstallDir() + "Ann.ini"));
        QVERIFY(!FileExists(InstallDir() + "task.dtr"));
        QVERIFY(window.Profiles().empty());
    }

    void companionRefusesTheSamePerson()
    {
        SaveProfiles({Person("Ann", "Ann", {3, 4, 1970}), Person("Ann2", "ANN", {3, 4, 1970})});
        MainWindow window;
        window.show();
        auto* list = Child<QTreeWidget>(&window, "profileList");
        ClickRow(list, 1, Qt::ControlModifier);
        Click(&window, "companion");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().at(0).text,
                 QStringLiteral("ann and ann - same name/birthdays.   \nCompanion analysis is designed for two "
                                "different people only.     "));
        QCOMPARE(MessageBox::history().at(0).icon, MessageBox::Information);
    }

    // The index is written when the editor saves, and before a command only once the list has changed.
    void indexRewrittenOnlyWhenDirty()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        const std::string handWritten = "Profile:Ann Lee\r\nDescription:Ann\r\nAdjustment:Automatic\r\n";
        WriteFile(InstallDir() + "mv.ini", handWritten);
        MainWindow window;
        window.show();
        WhenModal([](QWidget* modal) { modal->close(); });
        Click(&window, "analyzeDay");
        QCOMPARE(ReadFile(InstallDir() + "mv.ini"), handWritten);

        // Editing changes the row, and the list is written as the editor saves.
        WhenModal([](QWidget* modal) {
            MessageBox::setNextAnswer(MessageBox::Yes);
            auto* box = Child<QCheckBox>(modal, "useCalibration");
            box->setChecked(true);
            Click(modal, "save");
        });
        Click(&window, "editProfile");
        QCOMPARE(Child<QTreeWidget>(&window, "profileList")->topLevelItem(0)->text(2), QStringLiteral("Manual"));
        QCOMPARE(ReadFile(InstallDir() + "mv.ini"), "Profile:Ann Lee\nDescription:Ann\nAdjustment:Manual\n");
    }

    // A profile saved over an existing file keeps one row for it.
    void addingOverAnExistingProfileUpdatesItsRow()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970}), Person("Bob", "Bob Lee", {5, 6, 1971})});
        MainWindow window;
        window.show();
        WhenModal([](QWidget* modal) {
            Child<QLineEdit>(modal, "description")->setText("Ann");
            Child<QLineEdit>(modal, "fullName")->setText("Ann Marie Lee");
            MessageBox::setNextAnswer(MessageBox::Yes);
            Click(modal, "save");
        });
        Click(&window, "addProfile");
        QCOMPARE(window.Profiles().size(), std::size_t(2));
        QCOMPARE(window.Profiles()[0].fullName, std::string("Ann Marie Lee"));
        QCOMPARE(ReadProfileFile(InstallDir() + "Ann.ini").fullName, std::string("Ann Marie Lee"));

        WhenModal([](QWidget* modal) {
            Child<QLineEdit>(modal, "description")->setText("Cy");
            Child<QLineEdit>(modal, "fullName")->setText("Cy Lee");
            Click(modal, "save");
        });
        Click(&window, "addProfile");
        QCOMPARE(window.Profiles().size(), std::size_t(3));
        QCOMPARE(Child<QTreeWidget>(&window, "profileList")->topLevelItem(2)->text(1), QStringLiteral("Cy"));
        QVERIFY(TipPage().find("Select any profile and click on the Analyze Day button") != std::string::npos);
    }

    void closeRemovesGeneratedPagesOnly()
    {
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        for (const char* name : {"effects.htm", "reading.htm", "OLD.HTM", "notes.html"})
            WriteFile(InstallDir() + name, "x");
        MainWindow window;
        window.show();
        QVERIFY(FileExists(InstallDir() + "tip_e.htm"));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(window.TipWindow() == nullptr);
        for (const char* name : {"effects.htm", "reading.htm", "OLD.HTM", "tip_e.htm"})
            QVERIFY2(!FileExists(InstallDir() + name), name);
        for (const char* name : {"notes.html", "mv.ini", "Ann.ini"})
            QVERIFY2(FileExists(InstallDir() + name), name);
    }

    // The band's pictures, cut from one picture of all twelve, are the sign pictures;
    // the icon, built in as pixels, is the program's picture.
    void bandShowsTheSignPictures()
    {
        MainWindow window;
        int signs = 0;
        for (const QLabel* label : window.findChildren<QLabel*>()) {

            const QString picture = ":/pictures/" + label->accessibleName().toLower() + ".gif";
            if (label->pixmap().isNull() || !QFile::exists(picture))
                continue;
            QCOMPARE(label->pixmap().toImage(), QPixmap::fromImage(QImage(picture)).toImage());
            ++signs;
        }
        QCOMPARE(signs, 12);
        QImage icon = QImage(":/pictures/moravel.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        icon.setColorSpace(QColorSpace());  // the file's colour note, which drawing never used
        QCOMPARE(BuiltInPixels(":/pixels/moravel.pixels"), icon);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
