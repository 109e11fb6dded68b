#include "app/ui/StartUp.h"
#include "platform/ui/MessageBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(bin.isValid());
        marker = bin.filePath(QStringLiteral("started"));
        QFile::remove(marker);
        // A stand-in for the desktop's display settings that leaves a mark.
        const QString stub = bin.filePath(QStringLiteral("gnome-control-center"));
        QFile file(stub);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("#!/bin/sh\necho \"$@\" > '%1.part' && /bin/mv '%1.part' '%1'\n").arg(marker).toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toUtf8());
        MessageBox::setTestMode(true);
        MessageBox::clearHistory();
    }

    void smallOrPaletteScreenIsRefusedWithBothMessages_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("yes");
        QTest::newRow("256 colours, Yes") << 1024 << 8 << true;
        QTest::newRow("640 wide, No") << 640 << 32 << false;
    }

    void smallOrPaletteScreenIsRefusedWithBothMessages()
    {
        QFETCH(int, width);
        QFETCH(int, depth);
        QFETCH(bool, yes);
        MessageBox::setNextAnswer(MessageBox::Ok);
        MessageBox::setNextAnswer(yes ? MessageBox::Yes : MessageBox::No);
        QVERIFY(!PassScreenCheck(width, depth));

        const auto& shown = MessageBox::history();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("Moravel Minimum Requirements\n\nScreen Resolution 800 x 600 or higher "
                                               "and Color Depth of 16 bits.    "));
        QCOMPARE(shown[0].icon, MessageBox::Information);
        QCOMPARE(shown[1].text, QStringLiteral("Do you want to adjust your settings?    "));
        QCOMPARE(shown[1].icon, MessageBox::Question);

        if (yes) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
            QFile file(marker);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll().trimmed(), QByteArray("display"));
        } else {
            QVERIFY(!QFile::exists(marker));  // No starts nothing, so there is nothing to wait for
        }
    }

    void adequateScreenPassesSilently()
    {
        QVERIFY(PassScreenCheck(800, 16));
        QVERIFY(PrimaryScreenPasses());  // the offscreen screen
        QVERIFY(MessageBox::history().isEmpty());
    }

    void noSettingsProgramReportsFalse()
    {
        qputenv("PATH", "/nonexistent");
        QVERIFY(!LaunchControlPanel());
    }

private:
    QTemporaryDir bin;
    QString marker;
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
