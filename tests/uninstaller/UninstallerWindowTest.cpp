#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "uninstaller/DeleteRun.h"
#include "uninstaller/RemovedWindow.h"
#include "uninstaller/UninstallWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Screenshots of the windows are kept with the documentation.
QString Docs()
{
    return qEnvironmentVariable("MORAVEL_SOURCE_DIR", QStringLiteral(".")) + "/docs";
}
}
#include <QTimer>

class UninstallerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(root.isValid());
        qputenv("XDG_DATA_HOME", (root.path() + "/data").toUtf8());
        qputenv("HOME", (root.path() + "/home").toUtf8());
        qputenv("XDG_CONFIG_HOME", (root.path() + "/home/.config").toUtf8());
        qputenv("TMPDIR", (root.path() + "/tmp").toUtf8());
        install = root.path() + "/data/moravel/";
        QDir().mkpath(install + "Reports");
        QDir().mkpath(root.path() + "/tmp");
        WriteFile(install + "delete", "#!/bin/sh\ntouch '" + root.path() + "/ran'\n");
        WriteFile(install + "mv.ini", "Anna\n");
        MessageBox::clearHistory();
        MessageBox::setTestMode(true);
    }

    void noLeavesEverything()
    {
        UninstallWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Uninstall Moravel"));
        QCOMPARE(window.questionField->text(), QStringLiteral("Do you want to uninstall Moravel 2005? "));
        QCOMPARE(window.yesButton->text(), QStringLiteral("&Yes"));
        QCOMPARE(window.noButton->text(), QStringLiteral("&No"));
        QDir().mkpath(Docs());
        window.grab().save(Docs() + "/UninstallWindow.png");
        QTest::mouseClick(window.noButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QTest::qWait(200);
        QVERIFY(!QFile::exists(root.path() + "/tmp/uninstall"));
        QVERIFY(!QFile::exists(root.path() + "/ran"));
        QVERIFY(QFile::exists(install + "mv.ini"));
    }

    void yesStartsTheCopyAndCloses()
    {
        UninstallWindow window;
        window.show();
        QTest::mouseClick(window.yesButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(QFile::exists(root.path() + "/tmp/uninstall"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(root.path() + "/ran"), 10000);
        QVERIFY(MessageBox::history().isEmpty());
    }

    void removalReportsAndShowsTheRemovedWindow()
    {
        QString title, text;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<RemovedWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            title = window->windowTitle();
            text = window->textField->text();
            window->grab().save(Docs() + "/RemovedWindow.png");
            window->close();
        });
        QCOMPARE(RunRemoval(), 0);
        QCOMPARE(title, QStringLiteral("Moravel Uninstaller"));
        QCOMPARE(text, QStringLiteral("Moravel 2005 has been removed from your PC."));
        QVERIFY(!QDir(install).exists());
        QVERIFY(MessageBox::history().isEmpty());
    }

    void runningMoravelStopsTheRemoval()
    {
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), install + "Kestrane"));
        QProcess running;
        running.start(install + "Kestrane", {QStringLiteral("30")});
        QVERIFY(running.waitForStarted());
        QCOMPARE(RunRemoval(), 1);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Please close Moravel first and then try again.   "));
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Information);
        QVERIFY(QFile::exists(install + "Kestrane"));
        QVERIFY(QFile::exists(install + "mv.ini"));
        running.kill();
        running.waitForFinished();
    }

    void cleanup()
    {
        QFile::remove(root.path() + "/ran");
        QDir(root.path() + "/data").removeRecursively();
        QDir(root.path() + "/tmp").removeRecursively();
    }

private:
    static void WriteFile(const QString& path, const QString& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir root;
    QString install;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ApplyLook(app);
    UninstallerWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UninstallerWindowTest.moc"
