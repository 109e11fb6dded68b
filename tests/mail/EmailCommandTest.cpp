#include "reports/DailyReadingSet.h"
#include "mail/MapiMailer.h"
#include "mail/ui/EmailReport.h"
#include "mail/ui/EmailWindow.h"
#include "mail/ui/MailProgramRun.h"
#include "mail/ui/ModalRun.h"
#include "platform/Paths.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/ResizeWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <QTimer>
#include <csignal>
#include <unistd.h>

namespace {
QString Reports()
{
    return QString::fromStdString(ReportsDir());
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString MakePicture(const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(90, 90, 200));
    const QString path = Reports() + name;
    image.save(path, "JPEG", 100);
    return path;
}

// Fills the e-mail window and presses Email; a resize percentage other than 0
// resizes through the window's Resize button first.
void AnswerEmail(const QString& to, const QString& subject, const QString& message, int resizePosition = 0,
                 QByteArray* resizedBytes = nullptr)
{
    SetModalDriverForTesting([=](QDialog& dialog) {
        if (auto* resize = qobject_cast<ResizeWindow*>(&dialog)) {
            resize->ResizeBox()->click();
            resize->PercentageList()->setCurrentIndex(resizePosition);
            QTest::mouseClick(resize->SaveButton(), Qt::LeftButton);
            if (resizedBytes)
                *resizedBytes = FileBytes(resize->ResultPath());
            return;
        }
        auto* window = qobject_cast<EmailWindow*>(&dialog);
        QVERIFY(window);
        window->ToField()->setText(to);
        window->SubjectField()->setText(subject);
        window->MessageField()->setPlainText(message);
        if (resizePosition > 0) {
            window->ResizeBox()->click();
            QTest::mouseClick(window->ResizeButton(), Qt::LeftButton);
        }
        QTest::mouseClick(window->EmailButton(), Qt::LeftButton);
    });
}
}

class EmailCommandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qobject_cast<QApplication*>(QCoreApplication::instance())); }
    void init()
    {
        env.emplace();
        SetModalDriverForTesting({});
        // A stub sendmail first on PATH.
        const QString bin = QString::fromStdString(env->Root()) + "/bin";
        QDir().mkpath(bin);
        QFile::link(qEnvironmentVariable("MORAVEL_SOURCE_DIR") + "/tests/mail/stub_sendmail.py", bin + "/sendmail");
        oldPath = qgetenv("PATH");
        qputenv("PATH", bin.toUtf8() + ":" + oldPath);
        // Only the test's own folder is searched, whatever mail system the machine has.
        MapiMailer::SetSearchPathForTesting(bin.toStdString());
        MapiMailer::SetFallbackPathsForTesting(std::vector<std::string>{});
        mailOut = QString::fromStdString(env->Root()) + "/mail.json";
        qputenv("STUB_MAIL_OUT", mailOut.toUtf8());
        qunsetenv("STUB_MAIL_EXIT");
    }
    void cleanup()
    {
        SetModalDriverForTesting({});
        MapiMailer::SetSearchPathForTesting(std::nullopt);
        MapiMailer::SetFallbackPathsForTesting(std::nullopt);
        SetMailTimeLimitForTesting(0);
        qputenv("PATH", oldPath);
        env.reset();
    }

    void sendsRecipientsSubjectNoteAndPicture()
    {
        const QString report = MakePicture("Ann.jpg", 780, 550);
        AnswerEmail("ann@x.org; bob@y.org", "Today's report", "See you soon");
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QVERIFY(MessageBox::history().isEmpty());
        const QJsonObject mail = ReadMail();
        QCOMPARE(mail["args"].toArray(), (QJsonArray{"-i", "-t"}));
        // Recipients as typed: the blank after ";" stays with the second one.
        QVERIFY(mail["to"].toString().contains(QStringLiteral("ann@x.org")));
        QVERIFY(mail["to"].toString().contains(QStringLiteral("bob@y.org")));
        QCOMPARE(mail["subject"].toString(), QStringLiteral("Today's report"));
        QCOMPARE(mail["body"].toString(), QStringLiteral("See you soon "));  // one blank per attachment
        const QJsonArray attachments = mail["attachments"].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(attachments[0]["name"].toString(), QStringLiteral("Ann.jpg"));
        QCOMPARE(QByteArray::fromBase64(attachments[0]["bytes"].toString().toLatin1()), FileBytes(report));
        QVERIFY(QFile::exists(report));
    }

    void anEmptyMessageGetsTheStandardNote()
    {
        const QString report = MakePicture("Ann.jpg", 100, 100);
        AnswerEmail("ann@x.org", "s", "");
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QCOMPARE(ReadMail()["body"].toString(), QStringLiteral("No message was included with this Daily Report... "));
    }

    void aResizedCopyIsAttachedThenDeleted()
    {
        const QString report = MakePicture("Big.jpg", 1600, 1200);
        QByteArray copyBytes;
        AnswerEmail("ann@x.org", "small", "", 50, &copyBytes);
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(!copyBytes.isEmpty());
        const QJsonArray attachments = ReadMail()["attachments"].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(attachments[0]["name"].toString(), QStringLiteral("_T_Big.jpg"));
        const QByteArray sent = QByteArray::fromBase64(attachments[0]["bytes"].toString().toLatin1());
        QCOMPARE(sent, copyBytes);
        QImage image;
        QVERIFY(image.loadFromData(sent));
        QCOMPARE(image.size(), QSize(800, 600));
        QVERIFY(!QFile::exists(Reports() + "_T_Big.jpg"));
        QVERIFY(QFile::exists(report));
    }

    void aFailingMailProgramIsReported()
    {
        const QString report = MakePicture("Big.jpg", 1600, 1200);
        qputenv("STUB_MAIL_EXIT", "1");
        AnswerEmail("ann@x.org", "small", "", 50);
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, SendFailedMessage);
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Stop);
        QVERIFY(!QFile::exists(Reports() + "_T_Big.jpg"));  // the copy goes even then

        // With no mail program at all the box says what to set up, and the copy goes too.
        MessageBox::clearHistory();
        QFile::remove(Bin() + "/sendmail");
        AnswerEmail("ann@x.org", "small", "", 50);
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QCOMPARE(WindowTest::Shown(), QStringList{QStringLiteral("Unable to send email. Install a sendmail-compatible "
                                                                 "program such as msmtp-mta, or set a default mail "
                                                                 "client.  ")});
        QVERIFY(!QFile::exists(Reports() + "_T_Big.jpg"));
    }

    // Without sendmail the desktop's mail client gets the parts, and the resized
    // copy stays for it to read.
    void withoutSendmailTheMailClientComposesTheMessage()
    {
        const QString client = InstallStub("xdg-email", ClientStub);
        QFile::remove(Bin() + "/sendmail");
        const QString report = MakePicture("Big.jpg", 1600, 1200);
        AnswerEmail("a@x.org;b@y.org;", "Today", "See you", 50);
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QVERIFY(MessageBox::history().isEmpty());
        const QString copy = Reports() + "_T_Big.jpg";
        QCOMPARE(Arguments(client), (QStringList{"--utf8", "--subject", "Today", "--body", "See you", "--attach", copy,
                                                 "a@x.org", "b@y.org"}));
        QVERIFY(QFile::exists(copy));

        // xdg-email failing at once (3: no client found) fails; the unused copy goes.
        QFile::remove(client + ".args");
        qputenv("STUB_CLIENT_EXIT", "3");
        AnswerEmail("a@x.org", "Today", "", 50);
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        qunsetenv("STUB_CLIENT_EXIT");
        QVERIFY(Arguments(client).contains(QStringLiteral("a@x.org")));
        QCOMPARE(WindowTest::Shown(), QStringList{SendFailedMessage});
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Stop);
        QVERIFY(!QFile::exists(copy));

        // With sendmail there too, sendmail takes the message and the client is not run.
        MessageBox::clearHistory();
        QFile::remove(client + ".args");
        QFile::link(qEnvironmentVariable("MORAVEL_SOURCE_DIR") + "/tests/mail/stub_sendmail.py", Bin() + "/sendmail");
        const QString small = MakePicture("Ann.jpg", 100, 100);
        AnswerEmail("a@x.org", "Both", "");
        RunEmailCommand(
            small, [] { return QString(); }, nullptr);
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(ReadMail()["subject"].toString(), QStringLiteral("Both"));
        QVERIFY(!QFile::exists(client + ".args"));
    }

    // A client that keeps xdg-email waiting (its compose window open) counts as handed
    // over after a short wait, and is left running in a session of its own.
    void aWaitingMailClientIsHandedOverAndLeftRunning()
    {
        const QString client = InstallStub("xdg-email", "#!/bin/sh\necho $$ > \"$0.pid\"\nexec /bin/sleep 600\n");
        QFile::remove(Bin() + "/sendmail");
        const QString report = MakePicture("Ann.jpg", 100, 100);
        AnswerEmail("a@x.org", "s", "");
        QElapsedTimer elapsed;
        elapsed.start();
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QVERIFY2(elapsed.elapsed() < 20000, "the send waited for the client");
        QVERIFY(MessageBox::history().isEmpty());
        const pid_t pid = FileBytes(client + ".pid").trimmed().toInt();
        QVERIFY(pid > 0);
        QCOMPARE(::getsid(pid), pid);
        QCOMPARE(::kill(pid, 0), 0);
        ::kill(pid, SIGKILL);
    }

    // While sendmail runs, a click on the owner window does nothing; the stub
    // goes on only after the click.
    void theOwnerTakesNoClicksWhileSendmailRuns()
    {
        const QString stub = InstallStub("sendmail", HeldStub);
        const QString report = MakePicture("Ann.jpg", 100, 100);
        QWidget owner;
        auto* button = new QPushButton(QStringLiteral("Now"), &owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        bool enabledDuringSend = true;
        std::function<void(int)> clickWhenRunning = [&](int attempts) {
            if (!QFile::exists(stub + ".running") && attempts > 0)
                return QTimer::singleShot(10, [&, attempts] { clickWhenRunning(attempts - 1); });
            enabledDuringSend = button->isEnabled();
            QTest::mouseClick(button, Qt::LeftButton);
            QFile go(stub + ".go");
            QVERIFY(go.open(QIODevice::WriteOnly));
        };
        QTimer::singleShot(0, [&] { clickWhenRunning(1000); });
        AnswerEmail("a@x.org", "s", "");
        RunEmailCommand(
            report, [] { return QString(); }, &owner);
        QVERIFY(QFile::exists(stub + ".go"));
        QVERIFY(!enabledDuringSend);
        QCOMPARE(clicks, 0);
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(button->isEnabled());
    }

    // A sendmail that never ends is ended at the time limit and the send fails.
    void aHungSendmailIsEnded()
    {
        InstallStub("sendmail", "#!/bin/sh\nexec /bin/sleep 600\n");
        SetMailTimeLimitForTesting(300);
        const QString report = MakePicture("Ann.jpg", 100, 100);
        AnswerEmail("a@x.org", "s", "");
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QCOMPARE(WindowTest::Shown(), QStringList{SendFailedMessage});
    }

    void cancellingTheWindowSendsNothing()
    {
        const QString report = MakePicture("Ann.jpg", 100, 100);
        SetModalDriverForTesting([](QDialog& dialog) {
            auto* window = qobject_cast<EmailWindow*>(&dialog);
            QVERIFY(window);
            window->ToField()->setText("a@x");
            QTest::mouseClick(window->CancelButton(), Qt::LeftButton);
        });
        RunEmailCommand(
            report, [] { return QString(); }, nullptr);
        QVERIFY(!QFile::exists(mailOut));
        QVERIFY(MessageBox::history().isEmpty());
    }

    void theDailyWindowAsksForASaveFirst()
    {
        // Cancelling the save ends the command without another message.
        DailyAnalysisWindow window;
        ConnectEmailCommand(window);
        FileDialog::setNextFileName(QString());
        window.Email();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Please save Daily Report first.     "));
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Information);
        QVERIFY(!QFile::exists(mailOut));

        // Saving goes on to the e-mail window with the saved picture.
        MessageBox::clearHistory();
        const QString chosen = Reports() + "Saved.jpg";
        FileDialog::setNextFileName(chosen);
        AnswerEmail("ann@x.org", "Daily", "hi");
        window.Email();
        QCOMPARE(window.SavedReportPath(), chosen);
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[1].text, QStringLiteral("Your Daily Report was saved successfully.     "));
        const QJsonArray attachments = ReadMail()["attachments"].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(QByteArray::fromBase64(attachments[0]["bytes"].toString().toLatin1()), FileBytes(chosen));

        // With a saved picture the window opens straight away.
        MessageBox::clearHistory();
        QFile::remove(mailOut);
        AnswerEmail("bob@y.org", "Again", "");
        window.Email();
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(ReadMail()["to"].toString(), QStringLiteral("bob@y.org"));
    }

private:
    static constexpr const char* ClientStub =
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\nexit ${STUB_CLIENT_EXIT:-0}\n";
    static constexpr const char* HeldStub = "#!/bin/sh\n/bin/cat > /dev/null\n: > \"$0.running\"\n"
                                            "while [ ! -e \"$0.go\" ]; do /bin/sleep 0.02; done\nexit 0\n";

    QString Bin() const { return QString::fromStdString(env->Root()) + "/bin"; }

    // Writes a shell stub as `program` into the searched folder, replacing what is there.
    QString InstallStub(const QString& program, const char* script)
    {
        const QString path = Bin() + "/" + program;
        QFile::remove(path);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(script);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    static QStringList Arguments(const QString& stub)
    {
        QFile file(stub + ".args");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    QJsonObject ReadMail()
    {
        QFile file(mailOut);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    std::optional<WindowTest::Session> env;
    QByteArray oldPath;
    QString mailOut;
};

QTEST_MAIN(EmailCommandTest)
#include "EmailCommandTest.moc"
