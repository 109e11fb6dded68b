#include "platform/FontFamilies.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

// A family name is resolved to the installed family that Qt's own search draws it with,
// so naming the resolved family changes nothing on the screen; answers kept from an
// earlier start count only while fontconfig and the fonts are as they were.
class FontFamiliesTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache;

    QString CacheText() const
    {
        QFile file(cache.filePath("moravel/font-families"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
        QDir(cache.path()).mkpath("moravel");
        // Kept by another configuration: a family Arial never resolves to.
        QString serif;
        for (const QString& family : QFontDatabase::families())
            if (!family.contains("Sans") && !family.contains("Arial"))
                serif = family;
        QFile file(cache.filePath("moravel/font-families"));
        QVERIFY(!serif.isEmpty() && file.open(QIODevice::WriteOnly));
        file.write(("another configuration\nArial\t" + serif + "\n").toUtf8());
    }

    void drawsWithTheSameFamily_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("a family the look names") << QStringLiteral("Arial");
        QTest::newRow("the pages' family") << QStringLiteral("Verdana");
        QTest::newRow("the default font") << QGuiApplication::font().family();
        QTest::newRow("an installed family") << QFontDatabase::families().value(0);
    }
    void drawsWithTheSameFamily()
    {
        QFETCH(QString, family);
        const QString installed = InstalledFamily(family);
        QVERIFY(QFontDatabase::families().contains(installed));
        for (const bool bold : {false, true}) {
            QFont named(family);
            named.setPixelSize(16);
            named.setBold(bold);
            QFont resolved = WithInstalledFamily(named);
            QCOMPARE(resolved.family(), installed);
            QCOMPARE(QFontInfo(resolved).family(), QFontInfo(named).family());
        }
    }

    void keepsItsAnswersForTheNextStart()
    {
        const QStringList lines = CacheText().split('\n');
        QVERIFY(lines.size() > 2 && lines[0] != "another configuration");
        QVERIFY(lines.contains("Arial\t" + InstalledFamily("Arial")));
    }
};

QTEST_MAIN(FontFamiliesTest)
#include "FontFamiliesTest.moc"
