// One interactive run per folder, as whole processes: a second start asks the first
// to show itself and ends; a killed first never blocks the next start.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartAsksTheFirstAndAKilledOneBlocksNothing()
    {
        QTemporaryDir folder;
        const QString dir = folder.path() + "/";
        QProcess first;
        Start(first, dir);
        QTRY_VERIFY_WITH_TIMEOUT(Output(first).contains("first"), 10000);

        for (int run = 0; run < 2; ++run) {
            QProcess second;
            Start(second, dir);
            QVERIFY(second.waitForFinished(10000));
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(second.readAllStandardOutput(), QByteArray("second, asked\n"));
        }
        QTRY_COMPARE_WITH_TIMEOUT(Output(first).count("shown"), 2, 10000);
        QCOMPARE(first.state(), QProcess::Running);

        // Killed, it leaves its lock file and its id behind; neither stops the next start.
        first.kill();
        QVERIFY(first.waitForFinished(10000));
        QProcess third;
        Start(third, dir);
        QTRY_VERIFY_WITH_TIMEOUT(Output(third).contains("first"), 10000);
        third.kill();
        third.waitForFinished(10000);
    }

private:
    static void Start(QProcess& process, const QString& dir)
    {
        process.start(QStringLiteral(MORAVEL_SINGLE_INSTANCE_HOLDER), {dir});
        QVERIFY(process.waitForStarted(10000));
    }
    QByteArray Output(QProcess& process)
    {
        collected[&process] += process.readAllStandardOutput();
        return collected[&process];
    }
    QHash<QProcess*, QByteArray> collected;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
