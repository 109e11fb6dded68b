#include "app/ui/MainWindow.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "schedule/ProcessTable.h"
#include "schedule/TaskFile.h"
#include "support/CrontabStub.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace WindowTest;

namespace {
const std::string kItem = "0 6 * * * x # Daily Analysis Report\n";

// What the Schedule button opened, in order: window titles, and for the Schedule
// window the profile it was given. Every window is closed with the named button.
struct Opened {
    QStringList titles;
    QString profile;
    QString form;  // hour, minute, address, form and delivery as the Schedule window opened
    bool taskFileWhenScheduleOpened = false;
};

void CloseModals(Opened& opened, QStringList buttons)
{
    if (buttons.isEmpty())
        return;
    WhenModal([&opened, buttons](QWidget* modal) mutable {
        opened.titles << modal->windowTitle();
        if (auto* profile = Child<QLabel>(modal, "profile"); profile && modal->windowTitle().startsWith("Schedule")) {
            opened.profile = profile->text();
            opened.taskFileWhenScheduleOpened = FileExists(TaskFilePath());
            for (const char* name : {"hour", "minute", "email", "form", "delivery"}) {
                const auto* list = Child<QComboBox>(modal, name);
                opened.form += (list ? list->currentText() : Child<QLineEdit>(modal, name)->text()) + "|";
            }
        }
        const QString button = buttons.takeFirst();
        CloseModals(opened, buttons);
        Click(modal, button.toLatin1().constData());
    });
}

const QString kCurrent = QStringLiteral("Currently Scheduled Daily Report");
const QString kSchedule = QStringLiteral("Schedule Daily Analysis Report via Email Delivery");
}

class MainWindowScheduleTest : public QObject {
    Q_OBJECT
    std::optional<Session> env;
    std::unique_ptr<CrontabStub> stub;

    void WriteTask() { QVERIFY(WriteTaskFile(TaskFile{InstallDir() + "Bob.ini", "bob@example.org", 7, 5, 0})); }

    // Opens the main window with Ann selected, presses Schedule and closes what opens.
    Opened PressSchedule(const QStringList& buttons)
    {
        Opened opened;
        MainWindow window;
        window.show();
        CloseModals(opened, buttons);
        Click(&window, "schedule");
        return opened;
    }

private slots:
    void initTestCase() { ApplyLook(*qApp); }
    void init()
    {
        env.emplace(Date{6, 15, 2004});
        stub = std::make_unique<CrontabStub>(*env);
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
    }
    void cleanup()
    {
        stub.reset();
        env.reset();
    }

    // A registered delivery shows first; Close there ends the command.
    void itemPresentShowsTheCurrentSchedule()
    {
        stub->LetStartsSucceed();
        stub->SetTable(kItem);
        WriteTask();
        Opened opened = PressSchedule({"close"});
        QCOMPARE(opened.titles, QStringList{kCurrent});
        QVERIFY(FileExists(TaskFilePath()));
        QCOMPARE(stub->Table(), kItem);

        // Change opens the Schedule window for the selected profile with the current
        // settings; its Close leaves the delivery as it was.
        opened = PressSchedule({"change", "close"});
        QCOMPARE(opened.titles, (QStringList{kCurrent, kSchedule}));
        QCOMPARE(opened.profile, QString::fromStdString(InstallDir() + "Ann.ini"));
        QCOMPARE(opened.form, QStringLiteral("07|05|bob@example.org|deliver report in plain text|"
                                             "deliver report by e-mail|"));
        QVERIFY(FileExists(TaskFilePath()));
        QCOMPARE(stub->Table(), kItem);
    }

    void taskWithoutItemOpensTheScheduleWindow()
    {
        stub->LetStartsSucceed();
        stub->SetTable("# x # Daily Analysis Report\n");  // disabled: not registered
        WriteTask();
        const Opened opened = PressSchedule({"close"});
        QCOMPARE(opened.titles, QStringList{kSchedule});
        QVERIFY(opened.taskFileWhenScheduleOpened);
        QVERIFY(FileExists(TaskFilePath()));
    }

    void schedulerDownDropsTheTaskFile()
    {
        if (AnyProcessNamed({"cron", "crond"}))
            QSKIP("a cron daemon runs here");
        stub->SetTable(kItem);
        WriteTask();
        const Opened opened = PressSchedule({"close"});
        QCOMPARE(opened.titles, QStringList{kSchedule});
        QVERIFY(!opened.taskFileWhenScheduleOpened);
        QCOMPARE(stub->Table(), kItem);  // the item is left: nothing could reach it
    }

    void noTaskFileOpensTheScheduleWindow()
    {
        stub->SetTable(kItem);
        const Opened opened = PressSchedule({"close"});
        QCOMPARE(opened.titles, QStringList{kSchedule});
    }

    // The crontab line goes even when no daemon can be started: editing the table
    // needs none, and a line left behind would start a run without its task daily.
    void deletingTheScheduledProfileEndsTheDelivery_data()
    {
        QTest::addColumn<bool>("daemonStarts");
        QTest::newRow("daemon starts") << true;
        QTest::newRow("daemon cannot start") << false;
    }
    void deletingTheScheduledProfileEndsTheDelivery()
    {
        QFETCH(bool, daemonStarts);
        if (daemonStarts)
            stub->LetStartsSucceed();
        stub->SetTable("MAILTO=me\n" + kItem);
        QVERIFY(WriteTaskFile(TaskFile{InstallDir() + "Ann.ini", "ann@example.org", 7, 5, 0}));
        MainWindow window;
        window.show();
        MessageBox::setNextAnswer(MessageBox::Yes);
        MessageBox::setNextAnswer(MessageBox::Yes);
        Click(&window, "deleteProfile");
        QVERIFY(!FileExists(TaskFilePath()));
        QVERIFY(!FileExists(InstallDir() + "Ann.ini"));
        QCOMPARE(stub->Table(), std::string("MAILTO=me\n"));
    }
};

QTEST_MAIN(MainWindowScheduleTest)
#include "MainWindowScheduleTest.moc"
