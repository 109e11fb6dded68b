#include "platform/FontFamilies.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

// A family name is resolved to the installed family that Qt's own search draws it with,
// so naming the resolved family changes nothing on the screen.
class FontFamiliesTest : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_MAIN(FontFamiliesTest)
#include "FontFamiliesTest.moc"
