#include "mail/Contacts.h"
#include "mail/ui/ContactWindow.h"
#include "mail/ui/EmailWindow.h"
#include "mail/ui/ModalRun.h"
#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "reports/ui/ResizeWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
QString Reports()
{
    return QString::fromStdString(ReportsDir());
}

QString MakePicture(const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 160, 30));
    const QString path = Reports() + name;
    image.save(path, "JPEG", 100);
    return path;
}

QString MakeFile(const QString& name, int bytes)
{
    const QString path = Reports() + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(bytes, 'x'));
    return path;
}

// Answers the next contact window with these values and its Save button.
void AnswerContact(const QString& name, const QString& email)
{
    SetModalDriverForTesting([name, email](QDialog& dialog) {
        auto* contact = qobject_cast<ContactWindow*>(&dialog);
        QVERIFY(contact);
        contact->NameField()->setText(name);
        contact->EmailField()->setText(email);
        QTest::mouseClick(contact->SaveButton(), Qt::LeftButton);
    });
}

QStringList Rows(const EmailWindow& window)
{
    QStringList rows;
    for (int i = 0; i < window.ContactList()->topLevelItemCount(); ++i)
        rows << window.ContactList()->topLevelItem(i)->text(0) + "|" + window.ContactList()->topLevelItem(i)->text(1);
    return rows;
}
}

class EmailWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qobject_cast<QApplication*>(QCoreApplication::instance())); }
    void init()
    {
        env.emplace();
        SetModalDriverForTesting({});
    }
    void cleanup()
    {
        SetModalDriverForTesting({});
        env.reset();
    }

    void opensWithAnEmptyBook()
    {
        const QString path = MakePicture("Ann.jpg", 780, 550);
        EmailWindow window(path, "Ann.jpg");
        QCOMPARE(window.windowTitle(), QStringLiteral("Email"));
        QCOMPARE(window.ContactList()->topLevelItemCount(), 0);
        QCOMPARE(window.SelectedContact(), -1);
        QVERIFY(!window.CopyButton()->isEnabled());
        QVERIFY(!window.EditButton()->isEnabled());
        QVERIFY(!window.DeleteButton()->isEnabled());
        QVERIFY(window.ResizeButton()->isHidden());
        QVERIFY(window.ResizeBox()->isEnabled());
        QCOMPARE(window.NameValue()->text(), QStringLiteral("Ann.jpg"));
        QCOMPARE(window.ResolutionValue()->text(), QStringLiteral("780 x 550"));
        QCOMPARE(window.ToField()->toolTip(), QStringLiteral("email recipient(s)"));
        QCOMPARE(window.EmailButton()->toolTip(), QStringLiteral("email daily report"));
        QCOMPARE(window.ContactList()->headerItem()->text(1), QStringLiteral("Email Address"));
        QCOMPARE(window.ContactList()->columnWidth(0), 110);
        QCOMPARE(window.ContactList()->columnWidth(1), 177);

        // The box shows the Resize button while it is ticked.
        QTest::mouseClick(window.ResizeBox(), Qt::LeftButton);
        QVERIFY(!window.ResizeButton()->isHidden());
        QTest::mouseClick(window.ResizeBox(), Qt::LeftButton);
        QVERIFY(window.ResizeButton()->isHidden());
    }

    void attachmentSizeAndPictureTest()
    {
        struct Case {
            QString name;
            int bytes;
            QString size;
            bool picture;
        };
        const Case cases[] = {
            {"a.jpg", 1023, "1023B", true}, {"b.jpg", 1024, "1KB", true}, {"c.JPG", 2047, "1KB", true},
            {"d.jpeg", 10, "10B", false},   {"e.txt", 0, "0B", false},
        };
        for (const Case& c : cases) {
            const QString path = MakeFile(c.name, c.bytes);
            EmailWindow window(path, c.name);
            QCOMPARE(window.SizeValue()->text(), c.size);
            QCOMPARE(window.ResizeBox()->isEnabled(), c.picture);
            // Bytes that are no picture read as 0 x 0; other files have no resolution.
            QCOMPARE(window.ResolutionValue()->text(), c.picture ? QStringLiteral("0 x 0") : QStringLiteral("n/a"));
        }
        EmailWindow missing(Reports() + "gone.jpg", "gone.jpg");
        QCOMPARE(missing.SizeValue()->text(), QStringLiteral("unknown"));
    }

    void emailChecksComeInOrder()
    {
        const QString path = MakePicture("Ann.jpg", 100, 100);
        EmailWindow window(path, "Ann.jpg");
        window.show();
        const QStringList expected = {
            "Please enter To Address first.    ",
            "To Address is too long. Maximum size is 500 characters.    ",
            "Please enter Email Subject first.    ",
            "Email Subject is too long. Maximum size is 50 characters.    ",
            "Email Message is too long. Maximum size is 200 characters.    ",
        };
        // After each message the focus is in the field it is about.
        QList<QWidget*> focused;
        const auto click = [&] {
            QTest::mouseClick(window.EmailButton(), Qt::LeftButton);
            focused << window.focusWidget();
        };
        click();
        window.ToField()->setText(QString(501, 'a'));
        click();
        window.ToField()->setText(QString(500, 'a'));
        click();
        window.SubjectField()->setText(QString(51, 's'));
        click();
        window.SubjectField()->setText(QString(50, 's'));
        window.MessageField()->setPlainText(QString(201, 'm'));
        click();
        QCOMPARE(WindowTest::Shown(), expected);
        QCOMPARE(focused, (QList<QWidget*>{window.ToField(), window.ToField(), window.SubjectField(),
                                           window.SubjectField(), window.MessageField()}));
        for (const auto& box : MessageBox::history())
            QCOMPARE(box.icon, MessageBox::Stop);
        QVERIFY(window.isVisible());
        QCOMPARE(window.ToField()->text().size(), 500);  // everything as it was

        window.MessageField()->setPlainText(QString(200, 'm'));
        click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
        QCOMPARE(MessageBox::history().size(), 5);
    }

    void largePicturesAskForAResize()
    {
        const QString question = "Would you like to resize your report?    \n"
                                 "Resolution 1024 x 768 or less is recommended for attachments.    ";
        {
            EmailWindow window(MakePicture("square.jpg", 1024, 1024), "square.jpg");
            window.ToField()->setText("a@x");
            window.SubjectField()->setText("s");
            window.EmailButton()->click();
            QCOMPARE(window.result(), int(QDialog::Accepted));
            QVERIFY(MessageBox::history().isEmpty());
        }
        {
            EmailWindow window(MakePicture("wide.jpg", 1025, 600), "wide.jpg");
            window.ToField()->setText("a@x");
            window.SubjectField()->setText("s");
            MessageBox::setNextAnswer(MessageBox::No);
            window.EmailButton()->click();
            QCOMPARE(WindowTest::Shown(), QStringList{question});
            QCOMPARE(MessageBox::history()[0].icon, MessageBox::Question);
            QCOMPARE(window.result(), int(QDialog::Accepted));
            QVERIFY(!window.Resized());
        }
    }

    void yesResizesOnceAndSends()
    {
        MessageBox::clearHistory();
        const QString source = MakePicture("big.jpg", 1200, 900);
        EmailWindow window(source, "big.jpg");
        window.ToField()->setText("a@x");
        window.SubjectField()->setText("s");
        int resizeWindows = 0;
        SetModalDriverForTesting([&](QDialog& dialog) {
            auto* resize = qobject_cast<ResizeWindow*>(&dialog);
            QVERIFY(resize);
            ++resizeWindows;
            resize->ResizeBox()->click();
            resize->PercentageList()->setCurrentIndex(50);
            QTest::mouseClick(resize->SaveButton(), Qt::LeftButton);
        });
        MessageBox::setNextAnswer(MessageBox::Yes);
        window.EmailButton()->click();
        QCOMPARE(resizeWindows, 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(window.Resized());
        QCOMPARE(window.AttachmentPath(), Reports() + "_T_big.jpg");
        QCOMPARE(window.NameValue()->text(), QStringLiteral("_T_big.jpg"));
        QCOMPARE(window.ResolutionValue()->text(), QStringLiteral("600 x 450"));
        QVERIFY(!window.ResizeBox()->isEnabled());
        QVERIFY(!window.ResizeButton()->isEnabled());
        const ReportMail mail = window.Result();
        QVERIFY(mail.resized);
        QCOMPARE(QString::fromStdString(mail.attachmentPath), Reports() + "_T_big.jpg");
        QVERIFY(QFile::exists(source));
    }

    void cancelledResizeKeepsTheReport()
    {
        const QString source = MakePicture("big.jpg", 1200, 900);
        EmailWindow window(source, "big.jpg");
        SetModalDriverForTesting([](QDialog& dialog) {
            auto* resize = qobject_cast<ResizeWindow*>(&dialog);
            QVERIFY(resize);
            resize->ResizeBox()->click();
            resize->PercentageList()->setCurrentIndex(50);
            QTest::mouseClick(resize->CancelButton(), Qt::LeftButton);
        });
        window.ResizeBox()->click();
        QTest::mouseClick(window.ResizeButton(), Qt::LeftButton);
        QVERIFY(!window.Resized());
        QCOMPARE(window.AttachmentPath(), source);
        QVERIFY(window.ResizeButton()->isEnabled());
    }

    void copyButtonAppendsOrRefuses()
    {
        WriteContacts(ContactsPath(), {{"Ann", "ann@x.org"}, {"Bob", "bob@y.org"}});
        EmailWindow window(MakePicture("Ann.jpg", 10, 10), "Ann.jpg");
        QCOMPARE(window.SelectedContact(), 0);
        QVERIFY(window.CopyButton()->isEnabled());
        QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
        QCOMPARE(window.ToField()->text(), QStringLiteral("ann@x.org"));
        window.ContactList()->setCurrentItem(window.ContactList()->topLevelItem(1));
        QCOMPARE(window.SelectedContact(), 1);
        QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
        QCOMPARE(window.ToField()->text(), QStringLiteral("ann@x.org;bob@y.org"));
        QVERIFY(MessageBox::history().isEmpty());

        // A longer address that contains the contact's counts as already there.
        window.ToField()->setText("jo.ann@x.org");
        window.ContactList()->setCurrentItem(window.ContactList()->topLevelItem(0));
        QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
        QCOMPARE(WindowTest::Shown(), QStringList{"ann@x.org is already in your To: list."});
        QCOMPARE(window.ToField()->text(), QStringLiteral("jo.ann@x.org"));
    }

    void addEditDeleteAndReopen()
    {
        {
            EmailWindow window(MakePicture("Ann.jpg", 10, 10), "Ann.jpg");
            AnswerContact("Ann", "ann@x.org");
            QTest::mouseClick(window.AddButton(), Qt::LeftButton);
            QCOMPARE(Rows(window), QStringList{"Ann|ann@x.org"});
            QCOMPARE(window.SelectedContact(), 0);
            QVERIFY(window.EditButton()->isEnabled());

            AnswerContact("Ann", "ann@work.org");  // same name, other address: accepted
            QTest::mouseClick(window.AddButton(), Qt::LeftButton);
            AnswerContact("Someone Else", "ann@x.org");  // same address: refused
            QTest::mouseClick(window.AddButton(), Qt::LeftButton);
            QCOMPARE(WindowTest::Shown(), QStringList{"ann@x.org is already in your contacts."});
            QCOMPARE(Rows(window), (QStringList{"Ann|ann@x.org", "Ann|ann@work.org"}));

            // Edit does not look for duplicates.
            window.ContactList()->setCurrentItem(window.ContactList()->topLevelItem(1));
            AnswerContact("Ann W", "ann@x.org");
            QTest::mouseClick(window.EditButton(), Qt::LeftButton);
            QCOMPARE(Rows(window), (QStringList{"Ann|ann@x.org", "Ann W|ann@x.org"}));

            AnswerContact("Carl", "carl@z.org");
            QTest::mouseClick(window.AddButton(), Qt::LeftButton);
            window.ContactList()->setCurrentItem(window.ContactList()->topLevelItem(2));
            QTest::mouseClick(window.DeleteButton(), Qt::LeftButton);
            QCOMPARE(window.SelectedContact(), 1);
            QCOMPARE(window.ContactList()->currentItem(), window.ContactList()->topLevelItem(1));
            QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
            QCOMPARE(window.result(), int(QDialog::Rejected));
            QVERIFY(window.ToField()->text().isEmpty());
        }
        EmailWindow reopened(MakePicture("Ann.jpg", 10, 10), "Ann.jpg");
        QCOMPARE(Rows(reopened), (QStringList{"Ann|ann@x.org", "Ann W|ann@x.org"}));
        QCOMPARE(reopened.SelectedContact(), 0);
        reopened.ContactList()->setCurrentItem(reopened.ContactList()->topLevelItem(0));
        QTest::mouseClick(reopened.DeleteButton(), Qt::LeftButton);
        QTest::mouseClick(reopened.DeleteButton(), Qt::LeftButton);
        QCOMPARE(reopened.ContactList()->topLevelItemCount(), 0);
        QVERIFY(!reopened.DeleteButton()->isEnabled());
        QVERIFY(!reopened.CopyButton()->isEnabled());
        reopened.ToField()->setText("a@x");
        reopened.SubjectField()->setText("s");
        reopened.EmailButton()->click();  // closing by Email saves the book too
        QVERIFY(ReadContacts(ContactsPath()).empty());
        QVERIFY(QFile::exists(QString::fromStdString(ContactsPath())));
    }

    void editThroughDoubleClick()
    {
        WriteContacts(ContactsPath(), {{"Ann", "ann@x.org"}});
        EmailWindow window(MakePicture("Ann.jpg", 10, 10), "Ann.jpg");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        AnswerContact("Anna", "anna@x.org");
        QTreeWidget* list = window.ContactList();
        const QRect row = list->visualItemRect(list->topLevelItem(0));
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(Rows(window), QStringList{"Anna|anna@x.org"});
    }

    void contactWindowChecksInOrder()
    {
        ContactWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Contact Information"));
        const auto save = [&] { QTest::mouseClick(window.SaveButton(), Qt::LeftButton); };
        save();
        window.NameField()->setText(QString(101, 'n'));
        save();
        window.NameField()->setText(QString(100, 'n'));
        save();
        window.EmailField()->setText(QString(101, '@'));
        save();
        window.EmailField()->setText("no-at-sign");
        save();
        QCOMPARE(WindowTest::Shown(), (QStringList{
                                          "Please enter Contact's Name first.    ",
                                          "Contact's Name is too long. Maximum size is 100 characters.    ",
                                          "Please enter Contact's Email first.     ",
                                          "Contact's Email is too long. Maximum size is 100 characters.    ",
                                          "Contact's Email is not valid.     ",
                                      }));
        window.EmailField()->setText("n@x");
        save();
        QCOMPARE(window.result(), int(QDialog::Accepted));

        ContactWindow closing("Ann", "ann@x.org");
        QTest::mouseClick(closing.CloseButton(), Qt::LeftButton);
        QCOMPARE(closing.result(), int(QDialog::Rejected));
        QVERIFY(closing.Name().isEmpty());
        QVERIFY(closing.Email().isEmpty());
    }

    void screenshot()
    {
        WriteContacts(ContactsPath(), {{"Ann Lee", "ann@example.org"}, {"Bob Stone", "bob@example.com"}});
        EmailWindow window(MakePicture("Ann Lee 12-7-2026.jpg", 780, 550), "Ann Lee 12-7-2026.jpg");
        window.ToField()->setText("ann@example.org");
        window.SubjectField()->setText("Daily Report");
        window.MessageField()->setPlainText("Here is today's report.");
        window.ResizeBox()->click();
        window.show();
        const QString folder = qEnvironmentVariable("MORAVEL_BINARY_DIR") + "/screenshots";
        QDir().mkpath(folder);
        QVERIFY(window.grab().save(folder + "/email-window.png"));
        ContactWindow contact("Ann Lee", "ann@example.org");
        contact.show();
        QVERIFY(contact.grab().save(folder + "/contact-window.png"));
    }

private:
    std::optional<WindowTest::Session> env;
};

QTEST_MAIN(EmailWindowTest)
#include "EmailWindowTest.moc"
