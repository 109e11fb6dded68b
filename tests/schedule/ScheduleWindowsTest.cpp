#include "mail/MapiMailer.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "schedule/ProcessTable.h"
#include "schedule/TaskFile.h"
#include "schedule/ui/CurrentScheduleWindow.h"
#include "schedule/ui/ScheduleWindow.h"
#include "schedule/UserTimer.h"
#include "support/CrontabStub.h"
#include "support/ModalPageCatcher.h"
#include "support/UserManagerStub.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

using WindowTest::Shown;

namespace {
template <typename T>
T* Child(QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

void Click(QWidget& window, const char* name)
{
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

void Type(QWidget& window, const char* name, const QString& text)
{
    QLineEdit* edit = Child<QLineEdit>(window, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString ReadAll(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Mail programs are looked for only in the stub's folder, which holds a sendmail
// when asked for.
class MailSearch {
public:
    MailSearch(const CrontabStub& stub, bool withSendmail)
    {
        if (withSendmail)
            stub.Write("sendmail", "#!/bin/sh\nexit 0\n", true);
        MapiMailer::SetSearchPathForTesting(stub.dir);
        MapiMailer::SetFallbackPathsForTesting(std::vector<std::string>{});
    }
    ~MailSearch()
    {
        MapiMailer::SetSearchPathForTesting(std::nullopt);
        MapiMailer::SetFallbackPathsForTesting(std::nullopt);
    }
};

const std::string kActiveLine = "0 6 * * * old # Daily Analysis Report\n";
}

class ScheduleWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MessageBox::setTestMode(true);
        MessageBox::clearHistory();
    }

    void listsAndTheAmPmLabel()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        ScheduleWindow window;
        auto* hour = Child<QComboBox>(window, "hour");
        auto* minute = Child<QComboBox>(window, "minute");
        auto* form = Child<QComboBox>(window, "form");
        QCOMPARE(hour->count(), 23);
        QCOMPARE(hour->itemText(0), QStringLiteral("01"));
        QCOMPARE(hour->itemText(22), QStringLiteral("23"));
        QCOMPARE(minute->count(), 60);
        QCOMPARE(minute->itemText(0), QStringLiteral("00"));
        QCOMPARE(minute->itemText(59), QStringLiteral("59"));
        QCOMPARE(form->itemText(0), QStringLiteral("deliver report in plain text"));
        QCOMPARE(form->itemText(1), QStringLiteral("deliver report in full colors"));
        // The lists open on 07:00, plain text, while the fields still hold 6:00.
        QCOMPARE(hour->currentText(), QStringLiteral("07"));
        QCOMPARE(minute->currentText(), QStringLiteral("00"));
        QCOMPARE(form->currentIndex(), 0);
        QCOMPARE(window.Hour(), 6);

        auto* amPm = Child<QLabel>(window, "amPm");
        QCOMPARE(amPm->text(), QStringLiteral("AM"));
        hour->setCurrentIndex(11);
        QCOMPARE(amPm->text(), QStringLiteral("PM"));
        QCOMPARE(window.Hour(), 12);
        hour->setCurrentIndex(10);
        QCOMPARE(amPm->text(), QStringLiteral("AM"));
        hour->setCurrentIndex(22);
        QCOMPARE(amPm->text(), QStringLiteral("PM"));
    }

    void emailChecksComeFirstAndWriteNothing()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        stub.LetStartsSucceed();
        ScheduleWindow window;
        window.SetProfilePath(env.InstallDir() + "Anna.ini");
        window.show();
        Click(window, "save");
        Type(window, "email", QStringLiteral("anna.example.org"));
        Click(window, "save");
        QCOMPARE(Shown(), (QStringList{QStringLiteral("Please enter Email Address first.    "),
                                       QStringLiteral("Email Address is not valid.     ")}));
        QCOMPARE(MessageBox::history().first().icon, MessageBox::Stop);
        QVERIFY(window.isVisible());
        QVERIFY(!FileExists(TaskFilePath()));
        QVERIFY(!stub.HasTable());
    }

    // The whole of Save: task file, crontab line and the success text.
    void saveWritesTaskFileAndActiveLine()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        stub.LetStartsSucceed();
        const MailSearch search(stub, true);
        stub.SetTable("MAILTO=me\n");
        ScheduleWindow window;
        window.SetProfilePath(env.InstallDir() + "Anna.ini");
        window.show();
        Child<QComboBox>(window, "hour")->setCurrentIndex(22);
        Child<QComboBox>(window, "minute")->setCurrentIndex(59);
        Child<QComboBox>(window, "form")->setCurrentIndex(1);
        Type(window, "email", QStringLiteral("@"));  // one "@" is the whole test
        Click(window, "save");

        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
        QCOMPARE(ReadAll(TaskFilePath()),
                 QString::fromStdString("Profile:" + env.InstallDir() + "Anna.ini\nEmail:@\nTime:23:59PM\nType:1\n"));
        const std::string table = stub.Table();
        QVERIFY(table.rfind("MAILTO=me\n59 23 * * * cd ", 0) == 0);
        QVERIFY(table.find("# Daily Analysis Report\n") != std::string::npos);
        QCOMPARE(Shown(), QStringList{QStringLiteral("Daily Analysis Report was scheduled successfully.     \n"
                                                     "Profile: Anna.ini    \nEmail To: @     \n"
                                                     "Deliver report in full colors.     ")});
        QCOMPARE(MessageBox::history().first().icon, MessageBox::Information);
        QCOMPARE(ScheduleWindow::SuccessText("/x/B.ini", QStringLiteral("b@c"), 0),
                 QStringLiteral("Daily Analysis Report was scheduled successfully.     \nProfile: B.ini    \n"
                                "Email To: b@c     \nDeliver report in plain text.     "));
    }

    // Without a sendmail the delivery is saved, and a second box says it cannot go out.
    void withoutSendmailSaveWarnsAfterTheSuccess()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        stub.LetStartsSucceed();
        const MailSearch search(stub, false);
        ScheduleWindow window;
        window.SetProfilePath(env.InstallDir() + "Anna.ini");
        window.show();
        Type(window, "email", QStringLiteral("a@b"));
        Click(window, "save");

        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(ReadTaskFile().email == "a@b");
        QVERIFY(stub.Table().find("# Daily Analysis Report\n") != std::string::npos);
        QCOMPARE(Shown(), (QStringList{ScheduleWindow::SuccessText(env.InstallDir() + "Anna.ini", "a@b", 0),
                                       QStringLiteral("Daily delivery needs a mail transfer program such as "
                                                      "msmtp-mta. Without one, no daily report can be sent.    ")}));
        QCOMPARE(MessageBox::history()[1].icon, MessageBox::Information);
    }

    // A notification alone asks for no address and needs no mail program; where a
    // service manager runs, the item is its timer, not a crontab line.
    void notificationOnlyNeedsNoAddressNorMailProgram()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        UserManagerStub manager(stub);
        const MailSearch search(stub, false);
        ScheduleWindow window;
        window.SetProfilePath(env.InstallDir() + "Anna.ini");
        window.show();
        Child<QComboBox>(window, "delivery")->setCurrentIndex(1);
        QVERIFY(!Child<QLineEdit>(window, "email")->isEnabled());
        QVERIFY(!Child<QComboBox>(window, "form")->isEnabled());
        Click(window, "save");

        QCOMPARE(window.result(), int(QDialog::Accepted));
        const TaskFileContents task = ReadTaskFile();
        QVERIFY(task.email.empty() && task.IsPresent());
        QVERIFY(task.DeliveryChoice() == Delivery::Notification);
        QVERIFY(!stub.HasTable());
        QVERIFY(manager.Enabled(UserTimer::TimerName));
        QCOMPARE(Shown(), QStringList{QStringLiteral("Daily Analysis Report was scheduled successfully.     \n"
                                                     "Profile: Anna.ini    \nShow a desktop notification.     ")});
        CurrentScheduleWindow current;
        QCOMPARE(Child<QLabel>(current, "delivery")->text(), QStringLiteral("Show a desktop notification"));
        QCOMPARE(Child<QLabel>(current, "time")->text(), QStringLiteral("Deliver daily at: 7:00 AM"));
    }

    // The old item stays while the window is open and after it is closed unsaved.
    void openingKeepsTheItemAndCloseResets()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        stub.LetStartsSucceed();
        stub.SetTable("MAILTO=me\n" + kActiveLine);
        ScheduleWindow window;
        window.show();
        QCOMPARE(stub.Table(), "MAILTO=me\n" + kActiveLine);

        Child<QComboBox>(window, "hour")->setCurrentIndex(11);
        Child<QComboBox>(window, "minute")->setCurrentIndex(30);
        Child<QComboBox>(window, "form")->setCurrentIndex(1);
        QCOMPARE(window.Minute(), 30);
        QCOMPARE(window.FullColour(), 1);
        Click(window, "close");
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(stub.Table(), "MAILTO=me\n" + kActiveLine);
        QCOMPARE(window.Hour(), 6);
        QCOMPARE(window.Minute(), 0);
        QCOMPARE(window.FullColour(), 0);
        QVERIFY(Shown().isEmpty());
        QVERIFY(!FileExists(TaskFilePath()));
    }

    void failuresAfterTheTaskFileLeaveItWritten_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");
        QTest::newRow("task file") << "no folder"
                                   << "Unable to save profile.    ";
        QTest::newRow("scheduler") << "no start"
                                   << "Unable to start Task Scheduler.    ";
        QTest::newRow("create") << "no write"
                                << "Unable to schedule Daily Report.    ";
        QTest::newRow("activate") << "one write"
                                  << "Unable to activate Daily Report.    ";
    }
    void failuresAfterTheTaskFileLeaveItWritten()
    {
        QFETCH(QString, failure);
        QFETCH(QString, message);
        TempEnvironment env;
        CrontabStub stub(env);
        if (failure == "no start" && AnyProcessNamed({"cron", "crond"}))
            QSKIP("a cron daemon runs here");
        if (failure != "no start")
            stub.LetStartsSucceed();
        ScheduleWindow window;
        window.SetProfilePath(env.InstallDir() + "Anna.ini");
        window.show();
        if (failure == "no folder")
            std::filesystem::remove_all(env.InstallDir());
        if (failure == "no write")
            stub.Write("writes", "0");
        if (failure == "one write")
            stub.Write("writes", "1");
        Type(window, "email", QStringLiteral("anna@example.org"));
        Click(window, "save");

        QCOMPARE(Shown(), QStringList{message});
        QVERIFY(window.isVisible());
        QCOMPARE(FileExists(TaskFilePath()), failure != "no folder");
        if (failure == "one write")  // created, never activated
            QVERIFY(stub.Table().rfind("# cd ", 0) == 0);
    }

    void helpShowsTheEmailPage()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        ScheduleWindow window;
        window.show();
        ModalPageCatcher catcher;
        catcher.Arm();
        Click(window, "help");
        QVERIFY(catcher.seen);
        QCOMPARE(catcher.title, QStringLiteral(" E-mail: Outlook and Outlook Express"));
        QCOMPARE(catcher.size, QSize(720, 450));
        const QString content = ReadAll(env.InstallDir() + "email_r.htm");
        QVERIFY(content.contains(QStringLiteral("E-mail Help - Please Read!")));
        QVERIFY(content.contains(QStringLiteral("Moravel sends e-mail through your system's sendmail program.")));
        QVERIFY(content.contains(QStringLiteral("msmtp")));
        QVERIFY(!content.contains(QStringLiteral("Outlook")));
        QVERIFY(content.endsWith(QStringLiteral("</td></tr></table></center><p><A HREF=\"javascript:window.print()\">"
                                                "<font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>"
                                                "<p><br></body></html>")));
        QVERIFY(ReadAll(env.InstallDir() + "email_e.htm")
                    .contains(QString::fromStdString(env.InstallDir() + "email_r.htm")));
    }

    void currentScheduleShowsTheTask()
    {
        TempEnvironment env;
        CrontabStub stub(env);
        stub.SetTable(kActiveLine);
        QVERIFY(WriteTaskFile(TaskFile{env.InstallDir() + "Anna.ini", "anna@example.org", 7, 5, 1}));
        {
            CurrentScheduleWindow window;
            QCOMPARE(window.windowTitle(), QStringLiteral("Currently Scheduled Daily Report"));
            QCOMPARE(Child<QLabel>(window, "profile")->text(), QStringLiteral("Anna.ini"));
            QCOMPARE(Child<QLabel>(window, "email")->text(), QStringLiteral("anna@example.org"));
            QCOMPARE(Child<QLabel>(window, "time")->text(), QStringLiteral("Deliver daily at: 7:05 AM"));
            QCOMPARE(Child<QLabel>(window, "form")->text(), QStringLiteral("Deliver report in full colors"));
            window.show();
            Click(window, "close");
            QCOMPARE(window.result(), int(QDialog::Rejected));
            QVERIFY(FileExists(TaskFilePath()));
        }
        {
            CurrentScheduleWindow window;
            window.show();
            Click(window, "change");
            QCOMPARE(window.result(), int(QDialog::Accepted));
            QVERIFY(FileExists(TaskFilePath()));  // until a new delivery is saved
        }
        QCOMPARE(stub.Table(), kActiveLine);

        // Only Profile and Email: a task without a time or a form.
        QFile file(QString::fromStdString(TaskFilePath()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Profile:/x/Bob.ini\r\nEmail:bob@example.org\r\n");
        file.close();
        CurrentScheduleWindow partial;
        QVERIFY(partial.TaskFound());
        QCOMPARE(Child<QLabel>(partial, "time")->text(), QStringLiteral("Deliver daily at: "));
        QCOMPARE(Child<QLabel>(partial, "form")->text(), QString());
    }

    void screenshots();
};

// Pictures of the windows for the documentation, when MORAVEL_SCREENSHOTS names a folder.
void ScheduleWindowsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MORAVEL_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("MORAVEL_SCREENSHOTS is not set");
    ApplyLook(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    TempEnvironment env;
    CrontabStub stub(env);
    const QDir source(qEnvironmentVariable("MORAVEL_SOURCE_DIR") + QStringLiteral("/assets"));
    for (const QString& name : source.entryList({QStringLiteral("*.gif")}))
        QFile::copy(source.filePath(name), QString::fromStdString(env.InstallDir()) + name);
    ScheduleWindow schedule;
    schedule.SetProfilePath(env.InstallDir() + "Anna.ini");
    Child<QComboBox>(schedule, "hour")->setCurrentIndex(18);
    Child<QComboBox>(schedule, "minute")->setCurrentIndex(30);
    Type(schedule, "email", QStringLiteral("anna@example.org"));
    schedule.show();
    Child<QLineEdit>(schedule, "email")->deselect();
    QVERIFY(schedule.grab().save(folder + QStringLiteral("/ScheduleWindow.png")));

    QVERIFY(WriteTaskFile(TaskFile{env.InstallDir() + "Anna.ini", "anna@example.org", 19, 30, 1}));
    CurrentScheduleWindow current;
    current.show();
    QVERIFY(current.grab().save(folder + QStringLiteral("/CurrentScheduleWindow.png")));
}

QTEST_MAIN(ScheduleWindowsTest)
#include "ScheduleWindowsTest.moc"
