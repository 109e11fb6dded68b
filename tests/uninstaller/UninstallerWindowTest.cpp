#include "installer/ui/InstallerRun.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "uninstaller/ui/DeleteRun.h"
#include "uninstaller/ui/RemovedWindow.h"
#include "uninstaller/ui/UninstallWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Screenshots go to the build tree; the ones worth keeping are copied to docs/ by hand.
QString Docs()
{
    return qEnvironmentVariable("MORAVEL_BINARY_DIR", QStringLiteral(".")) + "/screenshots";
}
}
#include <QTimer>
#include <csignal>
#include <unistd.h>

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
        QCOMPARE(QDir(root.path() + "/tmp").entryList({"moravel-uninstall-*"}, QDir::Dirs).size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(root.path() + "/ran"), 10000);
        QVERIFY(MessageBox::history().isEmpty());

        // A copy that cannot be made is told, not passed over.
        QFile::remove(install + "delete");
        UninstallWindow again;
        again.show();
        QTest::mouseClick(again.yesButton, Qt::LeftButton);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text,
                 QStringLiteral("Unable to start the uninstaller.    \nMoravel 2005 was not removed.    "));
    }

    // Profiles, contacts and saved reports are named and counted before they go.
    void personalDataIsCountedAndAskedAgain()
    {
        WriteFile(install + "Ann.ini", "Profile:Ann\n", false);
        WriteFile(install + "contacts.ini", "Name:Bo\nEmail:bo@x\n", false);
        WriteFile(install + "Reports/a.jpg", "", false);
        WriteFile(install + "Reports/old/b.png", "", false);
        UninstallWindow window;
        window.show();
        MessageBox::setNextAnswer(MessageBox::No);
        QTest::mouseClick(window.yesButton, Qt::LeftButton);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text,
                 QStringLiteral("Uninstalling Moravel 2005 also deletes 1 profile, 1 contact and 2 saved reports.    \n"
                                "They cannot be restored.    \n\nDo you want to continue?    "));
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Question);
        QVERIFY(!window.isVisible());
        QTest::qWait(200);
        QVERIFY(QDir(root.path() + "/tmp").isEmpty());
        QVERIFY(!QFile::exists(root.path() + "/ran"));
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
        // The launcher says it before it asks anything.
        QCOMPARE(UninstallWindow::Run(), 1);
        QCOMPARE(MessageBox::history().size(), 1);
        MessageBox::clearHistory();
        QCOMPARE(RunRemoval(), 1);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Please close Moravel first and then try again.   "));
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Information);
        QVERIFY(QFile::exists(install + "Kestrane"));
        QVERIFY(QFile::exists(install + "mv.ini"));
        running.kill();
        running.waitForFinished();
    }

    // Installing, then Yes in the launcher with the real remover, leaves the user's
    // folders as they were apart from what the product made.
    void wholeCycleWithTheRealRemover()
    {
        const QString bin = root.path() + "/bin";
        QDir().mkpath(bin);
        WriteFile(bin + "/crontab", "#!/bin/sh\ndir=$(dirname \"$0\")\n"
                                    "case \"$1\" in\n"
                                    "  -l) cat \"$dir/table\" ;;\n"
                                    "  -) cat > \"$dir/new\" && mv \"$dir/new\" \"$dir/table\" ;;\n"
                                    "esac\n");
        WriteFile(bin + "/systemctl", "#!/bin/sh\nexit 1\n");
        WriteFile(bin + "/service", "#!/bin/sh\nexit 1\n");
        const QString others = "MAILTO=me@example.org\n5 4 * * * /usr/bin/true\n";
        WriteFile(bin + "/table", others + "0 9 * * * /x/Kestrane /x/task.dtr # Daily Analysis Report\n");
        oldPath = qgetenv("PATH");
        qputenv("PATH", (bin + ":/usr/bin:/bin").toUtf8());
        QDir().mkpath(root.path() + "/home/Desktop");
        WriteFile(root.path() + "/home/Desktop/mine.txt", "mine");

        FinishInstallation({true, false});
        const QString menu = root.path() + "/data/applications/";
        QVERIFY(QFile::exists(menu + "org.moravel.Moravel.desktop"));
        QVERIFY(QFile::exists(root.path() + "/home/Desktop/org.moravel.Moravel.desktop"));
        QFile::remove(install + "delete");
        QVERIFY(QFile::copy(qEnvironmentVariable("MORAVEL_BINARY_DIR") + "/uninstaller/delete", install + "delete"));
        WriteFile(install + "Reports/a/b/c.jpg", "", false);

        UninstallWindow window;
        window.show();
        MessageBox::setNextAnswer(MessageBox::Yes);  // the saved report is counted and asked for
        QTest::mouseClick(window.yesButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(install).exists(), 20000);
        // The copy took its private folder with it.
        QTRY_VERIFY_WITH_TIMEOUT(QDir(root.path() + "/tmp").entryList({"moravel-uninstall-*"}, QDir::Dirs).isEmpty(),
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(menu + "org.moravel.Moravel.desktop"), 5000);
        QVERIFY(!QFile::exists(root.path() + "/home/Desktop/org.moravel.Moravel.desktop"));
        QVERIFY(QFile::exists(root.path() + "/home/Desktop/mine.txt"));
        QVERIFY(QDir(root.path() + "/data/applications").exists());
        QFile table(bin + "/table");
        QVERIFY(table.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(table.readAll()), others);
        qputenv("PATH", oldPath);
    }

    void cleanup()
    {
        EndCopy();
        if (!oldPath.isEmpty())
            qputenv("PATH", oldPath);
        QFile::remove(root.path() + "/ran");
        QDir(root.path() + "/data").removeRecursively();
        QDir(root.path() + "/tmp").removeRecursively();
    }

private:
    static void WriteFile(const QString& path, const QString& content, bool executable = true)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
        file.close();
        if (executable)
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The remover copy keeps its closing window open; end it by its program file.
    void EndCopy()
    {
        const QString copies = root.path() + "/tmp/moravel-uninstall-";
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            char target[4096];
            const QByteArray link = ("/proc/" + pid + "/exe").toUtf8();
            const ssize_t n = ::readlink(link.constData(), target, sizeof target);
            if (n <= 0)
                continue;
            const QString exe = QString::fromUtf8(target, static_cast<int>(n));
            if (exe.startsWith(copies))
                ::kill(pid.toInt(), SIGTERM);
        }
    }

    QTemporaryDir root;
    QString install;
    QByteArray oldPath;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ApplyLook(app);
    UninstallerWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UninstallerWindowTest.moc"
