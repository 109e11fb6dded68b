// One interactive run per folder, as whole processes: a second start asks the first
// to show itself and ends; a killed first never blocks the next start.
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

        // A plain start only shows the first; a request travels with the wake-up, once.
        for (const QString& request : {QString(), QStringLiteral("a\n2026-02-02\n")}) {
            QProcess second;
            Start(second, dir, request);
            QVERIFY(second.waitForFinished(10000));
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(second.readAllStandardOutput(), QByteArray("second, asked\n"));
        }
        QTRY_COMPARE_WITH_TIMEOUT(Output(first).count("shown"), 2, 10000);
        QCOMPARE(Output(first), QByteArray("first\nshown\nshown [a\n2026-02-02\n]\n"));
        QCOMPARE(QDir(dir).entryList({".moravel.open-*"}, QDir::Hidden | QDir::Files), QStringList());
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

    // Whatever stands at the lock's path, the lock is taken on a plain file put there
    // (a link's target untouched) and holds off a second start; a folder with files in
    // it is refused, never skipped.
    void lockPathKinds_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"absent", "file", "link to file", "dangling link", "empty folder", "fifo", "full folder"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void lockPathKinds()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const std::string dir = folder.path().toStdString() + "/";
        const std::string lock = dir + ".moravel.lock";
        const std::string target = dir + "target";
        std::fclose(std::fopen(target.c_str(), "w"));
        if (kind == "file")
            std::fclose(std::fopen(lock.c_str(), "w"));
        else if (kind == "link to file")
            QCOMPARE(::symlink(target.c_str(), lock.c_str()), 0);
        else if (kind == "dangling link")
            QCOMPARE(::symlink((dir + "nowhere").c_str(), lock.c_str()), 0);
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(lock.c_str(), 0600), 0);
        else if (kind.endsWith("folder"))
            QCOMPARE(::mkdir(lock.c_str(), 0700), 0);
        if (kind == "full folder")
            std::fclose(std::fopen((lock + "/keep").c_str(), "w"));

        SingleInstance one(dir);
        SingleInstance two(dir);
        struct stat info {};
        QCOMPARE(::lstat(lock.c_str(), &info), 0);
        if (kind == "full folder") {
            QVERIFY(one.Refused() && !one.IsFirst());
            QVERIFY(S_ISDIR(info.st_mode));
            return;
        }
        QVERIFY(one.IsFirst() && !one.Refused());
        QVERIFY(!two.IsFirst() && !two.Refused());
        QVERIFY(S_ISREG(info.st_mode));
        if (kind != "file")
            QCOMPARE(info.st_mode & 0777, 0600u);
        QCOMPARE(QFile(QString::fromStdString(target)).size(), 0);
    }

private:
    static void Start(QProcess& process, const QString& dir, const QString& request = {})
    {
        process.start(QStringLiteral(MORAVEL_SINGLE_INSTANCE_HOLDER), {dir, request});
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
