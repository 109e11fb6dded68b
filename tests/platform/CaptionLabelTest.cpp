#include "platform/Drawing.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// A caption looks exactly like the read-only field it used to be, and names its field.
class CaptionLabelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qApp); }

    void looksLikeTheReadOnlyField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("centred");
        QTest::newRow("caption") << QStringLiteral("Analyze Date:") << 50 << false;
        QTest::newRow("longer than its place") << QString(60, QLatin1Char('W')) << 32767 << false;
        QTest::newRow("cut at its limit") << QString(20, QLatin1Char('x')) << 10 << false;
        QTest::newRow("centred") << QStringLiteral("Do you want to uninstall Moravel 2005? ") << 150 << true;
    }
    void looksLikeTheReadOnlyField()
    {
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QFETCH(bool, centred);
        QWidget window;
        window.resize(400, 40);
        // The field as captions were made before.
        auto* field = new QLineEdit(&window);
        field->setMaxLength(maxLength);
        field->setText(text);
        field->setReadOnly(true);
        field->setFrame(false);
        field->setFont(ControlFont());
        field->setCursorPosition(0);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, QColor(128, 128, 128));
        palette.setColor(QPalette::Text, LabelColour::Yellow);
        palette.setColor(QPalette::Disabled, QPalette::Text, LabelColour::Yellow);
        field->setPalette(palette);
        CaptionLabel* caption = MakeLabel(text, LabelColour::Yellow, &window, maxLength);
        if (centred) {
            field->setAlignment(Qt::AlignCenter);
            caption->setAlignment(Qt::AlignCenter);
        }
        field->setGeometry(0, 0, 300, 28);
        caption->setGeometry(0, 0, 300, 28);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        caption->hide();
        const QImage before = window.grab(field->geometry()).toImage();
        field->hide();
        caption->show();
        QCOMPARE(window.grab(caption->geometry()).toImage(), before);
        QCOMPARE(caption->text(), field->text());
    }

    void namesItsField()
    {
        QWidget window;
        CaptionLabel* caption = MakeLabel(QStringLiteral("Email To:"), LabelColour::Yellow, &window);
        auto* field = new QLineEdit(&window);
        caption->setBuddy(field);
        auto* list = new QComboBox(&window);
        NameField(list, QStringLiteral("Analyze date: day"));
        for (auto [control, name] : {std::pair<QWidget*, QString>{field, QStringLiteral("Email To:")},
                                     {list, QStringLiteral("Analyze date: day")}}) {
            const auto labels = QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->text(QAccessible::Name), name);
        }
    }
};

QTEST_MAIN(CaptionLabelTest)
#include "CaptionLabelTest.moc"
