#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// The box as the user meets it: caption, modality, icon, buttons, and the text
// shown exactly as given even when a typed name holds markup.
class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qApp); }

    void boxShowsItsTextAsGiven_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("shownIcon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("stop") << int(MessageBox::Stop) << int(QMessageBox::Critical) << int(QMessageBox::Ok);
        QTest::newRow("information") << int(MessageBox::Information) << int(QMessageBox::Information)
                                     << int(QMessageBox::Ok);
        QTest::newRow("question") << int(MessageBox::Question) << int(QMessageBox::Question)
                                  << int(QMessageBox::Yes | QMessageBox::No);
    }
    void boxShowsItsTextAsGiven()
    {
        QFETCH(int, icon);
        QFETCH(int, shownIcon);
        QFETCH(int, buttons);
        const QString text = QStringLiteral("<b>ann</b> &amp; co and bob - same name/birthdays.   \n"
                                            "Companion analysis is designed for two different people only.     ");
        QMessageBox box;
        MessageBox::setUp(box, text, MessageBox::Icon(icon));
        QCOMPARE(box.windowTitle(), QStringLiteral("Moravel"));
        QVERIFY(!box.windowIcon().isNull());  // the program's icon
        QCOMPARE(box.windowModality(), Qt::ApplicationModal);
        QCOMPARE(int(box.icon()), shownIcon);
        QCOMPARE(int(box.standardButtons()), buttons);
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), text);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
