#include "installer/ui/InstallerRun.h"
#include "installer/ui/InstallOptionsWindow.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
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

namespace {
const QString Installed = QStringLiteral("Moravel 2005 was installed successfully.     ");
}

class InstallerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(root.isValid());
        qputenv("XDG_DATA_HOME", (root.path() + "/data").toUtf8());
        qputenv("HOME", (root.path() + "/home").toUtf8());
        qputenv("XDG_CONFIG_HOME", (root.path() + "/home/.config").toUtf8());
        install = root.path() + "/data/moravel/";
        QDir().mkpath(install);
        QDir().mkpath(root.path() + "/home/Desktop");
        MessageBox::clearHistory();
        MessageBox::setTestMode(true);
    }

    void optionsWindowShowsItsFixedState()
    {
        InstallOptionsWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Installation Options"));
        QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!window.uninstallBox->isEnabled() && window.uninstallBox->isChecked());
        QVERIFY(!window.groupBox->isEnabled() && window.groupBox->isChecked());
        QVERIFY(window.desktopBox->isEnabled() && window.launchBox->isEnabled());
        QCOMPARE(window.locationField->text(), "Install Location: " + install.chopped(1));
        QCOMPARE(window.systemField->text(), QStringLiteral("Optimized for Linux configuration on your PC. "));
        QCOMPARE(window.installButton->text(), QStringLiteral("Install Moravel 2005"));
        QVERIFY(window.desktopShortcuts() && window.launchAfterInstall());

        QDir().mkpath(Docs());
        window.grab().save(Docs() + "/InstallOptionsWindow.png");
    }

    void clicksToggleAndEscInstallsAsTheButtonDoes()
    {
        for (bool viaEscape : {false, true}) {
            InstallOptionsWindow window;
            window.show();
            QTest::mouseClick(window.desktopBox, Qt::LeftButton);
            QTest::mouseClick(window.launchBox, Qt::LeftButton);
            QTest::mouseClick(window.launchBox, Qt::LeftButton);
            QTest::mouseClick(window.launchBox, Qt::LeftButton);
            QTest::mouseClick(window.uninstallBox, Qt::LeftButton);  // disabled: no effect
            if (viaEscape)
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                QTest::mouseClick(window.installButton, Qt::LeftButton);
            QVERIFY(!window.isVisible());
            QVERIFY(!window.desktopShortcuts());
            QVERIFY(!window.launchAfterInstall());
            QVERIFY(window.uninstallBox->isChecked());
        }
    }

    void withoutLaunchTheSuccessMessageShowsAndNothingStarts()
    {
        WriteStubProgram();
        FinishInstallation({false, false});
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, Installed);
        QCOMPARE(MessageBox::history()[0].icon, MessageBox::Information);
        // The success box shows only when nothing was started (see the next test).
        QVERIFY(!QFile::exists(root.path() + "/started"));
        QVERIFY(QFile::exists(root.path() + "/data/applications/org.moravel.Moravel.desktop"));
        QVERIFY(QFile::exists(root.path() + "/data/applications/org.moravel.Moravel.Uninstall.desktop"));
        QVERIFY(!QFile::exists(root.path() + "/home/Desktop/org.moravel.Moravel.desktop"));
    }

    void withLaunchTheProgramStartsInItsFolderSilently()
    {
        WriteStubProgram();
        FinishInstallation({true, true});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(root.path() + "/started"), 10000);
        QFile started(root.path() + "/started");
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(started.readAll()).trimmed(), install.chopped(1));
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(QFile::exists(root.path() + "/home/Desktop/org.moravel.Moravel.desktop"));
    }

    // Without a desktop folder the user learns that no icon was made, launched or not.
    void noDesktopFolderIsSaid()
    {
        QDir(root.path() + "/home/Desktop").removeRecursively();
        const QString said =
            "No desktop icon was made: the desktop folder " + root.path() + "/home/Desktop does not exist.    ";
        FinishInstallation({true, false});
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, Installed + "\n" + said);
        MessageBox::clearHistory();
        FinishInstallation({true, true});  // no program to start here
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[0].text, said);
        QCOMPARE(MessageBox::history()[1].text, Installed);
    }

    void aProgramThatCannotStartGivesTheSuccessMessage()
    {
        FinishInstallation({true, true});
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, Installed);
    }

    void cleanup()
    {
        QFile::remove(root.path() + "/started");
        QDir(root.path() + "/data").removeRecursively();
        QDir(root.path() + "/home").removeRecursively();
    }

private:
    // A main program that notes where it was started; the note appears whole.
    void WriteStubProgram()
    {
        QFile file(install + "Kestrane");
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString started = root.path() + "/started";
        file.write(
            ("#!/bin/sh\npwd > '" + started + ".part' && mv '" + started + ".part' '" + started + "'\n").toUtf8());
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
    InstallerWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InstallerWindowTest.moc"
