#include "content/ui/PageWindow.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace WindowTest;

namespace {
// Runs the editor (new when description is empty) and performs `steps` while it
// is open; the editor is closed afterwards unless the steps ended it.
bool RunEditor(ProfileEditorWindow& editor, const std::string& description, std::function<void()> steps)
{
    QTimer::singleShot(0, &editor, [&editor, steps] {
        steps();
        if (editor.isVisible())
            editor.reject();
    });
    return description.empty() ? editor.RunNew() : editor.RunEdit(description);
}

void SetDate(QWidget* editor, const char* prefix, int month, int day, int year)
{
    const QString p = QLatin1String(prefix);
    Child<QComboBox>(editor, (p + "Year").toLatin1())->setCurrentIndex(2099 - year);
    Child<QComboBox>(editor, (p + "Month").toLatin1())->setCurrentIndex(month - 1);
    Child<QComboBox>(editor, (p + "Day").toLatin1())->setCurrentIndex(day - 1);
}

void Type(QWidget* editor, const QString& description, const QString& name)
{
    Child<QLineEdit>(editor, "description")->setText(description);
    Child<QLineEdit>(editor, "fullName")->setText(name);
}
}

class ProfileEditorTest : public QObject {
    Q_OBJECT
    std::optional<Session> env;

private slots:
    void initTestCase() { ApplyLook(*qApp); }
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    // Each check stops at the first failure, in the order the fields are listed.
    void validationOrder()
    {
        ProfileEditorWindow editor;
        const bool saved = RunEditor(editor, {}, [&] {
            Click(&editor, "save");
            Type(&editor, "a/b", "");
            Click(&editor, "save");
            Type(&editor, "..", "");
            Click(&editor, "save");
            Type(&editor, "mv", "");
            Click(&editor, "save");
            Type(&editor, "contacts", "");
            Click(&editor, "save");
            Type(&editor, "Ann", "");
            Click(&editor, "save");
            QVERIFY(editor.isVisible());
        });
        QVERIFY(!saved);
        QCOMPARE(Shown(), QStringList({"Please enter Profile Description first.    ",
                                       "Profile Description is not a valid file name.    ",
                                       "Profile Description is not a valid file name.    ",
                                       "Profile Description is not a valid file name.    ",
                                       "Profile Description is not a valid file name.    ",
                                       "Please enter Full Name first.    "}));
        QCOMPARE(MessageBox::history().at(0).icon, MessageBox::Stop);
        QVERIFY(!FileExists(InstallDir() + "a/b.ini") && !FileExists(InstallDir() + "...ini"));
    }

    void parentsYears()
    {
        const std::pair<int, QString> cases[] = {
            {1970, QString()},
            {1971, "You indicated that your mother was younger than 10 years old when you were born.    \n"
                   "Please correct it and then try again.    "},
            {1981, "You indicated that you are older than your mother.    \nPlease correct it and then try again.    "},
        };
        for (const auto& [motherYear, message] : cases) {
            MessageBox::clearHistory();
            ProfileEditorWindow editor;
            const bool saved = RunEditor(editor, {}, [&] {
                Type(&editor, QStringLiteral("P%1").arg(motherYear), "Pat");
                SetDate(&editor, "birth", 5, 5, 1980);
                Child<QCheckBox>(&editor, "useMother")->setChecked(true);
                QVERIFY(Child<QComboBox>(&editor, "motherMonth")->isEnabled());
                SetDate(&editor, "mother", 12, 31, motherYear);
                Click(&editor, "save");
            });
            QCOMPARE(saved, message.isEmpty());
            QCOMPARE(Shown(), message.isEmpty() ? QStringList() : QStringList{message});
        }
        QCOMPARE(ReadProfileFile(InstallDir() + "P1970.ini").motherBirthday, (Date{12, 31, 1970}));
    }

    // The year lists reach 2099, so children of today have birthdays to choose.
    void recentBirthday()
    {
        ProfileEditorWindow editor;
        const bool saved = RunEditor(editor, {}, [&] {
            auto* year = Child<QComboBox>(&editor, "birthYear");
            QCOMPARE(year->count(), 200);
            QCOMPARE(year->itemText(0), QStringLiteral("2099"));
            QCOMPARE(year->currentText(), QStringLiteral("1900"));
            Type(&editor, "Kid", "Kid Lee");
            SetDate(&editor, "birth", 5, 10, 2010);
            Click(&editor, "save");
        });
        QVERIFY(saved);
        QVERIFY(Shown().isEmpty());
        QVERIFY(ReadFile(InstallDir() + "Kid.ini").find("YourMonth:5\nYourDate:10\nYourYear:2010\n") !=
                std::string::npos);
    }

    // Editing asks before replacing the profile's own file; unticking a parent drops its lines.
    void editingAndReplacing()
    {
        ProfileRecord ann;
        ann.description = "Ann";
        ann.fullName = "Ann Lee";
        ann.birthday = {3, 4, 1980};
        ann.hasMother = true;
        ann.motherBirthday = {1, 2, 1950};
        ann.hasFather = true;
        ann.fatherBirthday = {6, 7, 1948};
        QVERIFY(SaveProfile(ann));
        const std::string before = ReadFile(InstallDir() + "Ann.ini");

        ProfileEditorWindow first;
        const bool saved = RunEditor(first, "Ann", [&] {
            QVERIFY(!Child<QLineEdit>(&first, "description")->isEnabled());
            QVERIFY(!Child<QLineEdit>(&first, "fullName")->isEnabled());
            QCOMPARE(Child<QComboBox>(&first, "fatherYear")->currentText(), QStringLiteral("1948"));
            QVERIFY(Child<QCheckBox>(&first, "useMother")->isChecked());
            Child<QCheckBox>(&first, "useMother")->setChecked(false);
            QCOMPARE(Child<QComboBox>(&first, "motherMonth")->count(), 0);
            MessageBox::setNextAnswer(MessageBox::No);
            Click(&first, "save");
            QVERIFY(first.isVisible());
            QCOMPARE(ReadFile(InstallDir() + "Ann.ini"), before);
            MessageBox::setNextAnswer(MessageBox::Yes);
            Click(&first, "save");
        });
        QVERIFY(saved);
        QCOMPARE(Shown(), QStringList({"A profile with the same description already exists.    \nDo you want to "
                                       "continue and replace it?     ",
                                       "A profile with the same description already exists.    \nDo you want to "
                                       "continue and replace it?     "}));
        const std::string after = ReadFile(InstallDir() + "Ann.ini");
        QVERIFY(after.find("Mother") == std::string::npos);
        QVERIFY(after.find("FatherYear:1948\n") != std::string::npos);
        QCOMPARE(first.Record().description, std::string("Ann"));
        QVERIFY(first.ZodiacWindow() == nullptr);
    }

    // A file that cannot be written keeps the editor open with a message.
    // The fields hold 100 characters as the user counts them, two-unit emoji
    // included; what is typed or pasted beyond that is cut where it was put.
    void textFieldsHoldOneHundredCharacters()
    {
        ProfileEditorWindow editor;
        auto* description = Child<QLineEdit>(&editor, "description");
        const QString smile = QString::fromUcs4(U"\U0001F600");
        description->insert(smile.repeated(99));
        description->insert(smile + smile);
        QCOMPARE(description->text(), smile.repeated(100));
        description->setCursorPosition(2);
        QTest::keyClicks(description, QStringLiteral("x"));
        QCOMPARE(description->text(), smile.repeated(100));

        auto* fullName = Child<QLineEdit>(&editor, "fullName");
        fullName->insert(QStringLiteral("end"));
        fullName->setCursorPosition(0);
        fullName->insert(QString(120, QLatin1Char('a')));
        QCOMPARE(fullName->text(), QString(97, QLatin1Char('a')) + QStringLiteral("end"));
    }

    void unwritableProfileIsReported()
    {
        ProfileEditorWindow editor;
        // 100 characters are allowed, but 300 bytes are too long a file name.
        const QString longName = QString(100, QChar(0x20AC));
        const bool saved = RunEditor(editor, {}, [&] {
            Type(&editor, longName, "Pat");
            Click(&editor, "save");
            QVERIFY(editor.isVisible());
        });
        QVERIFY(!saved);
        QCOMPARE(Shown(), QStringList({"Unable to save profile.    "}));
    }

    void calibrationAndZodiacPicture()
    {
        // The pictures as installed.
        std::error_code error;
        const std::string assets = qEnvironmentVariable("MORAVEL_SOURCE_DIR").toStdString() + "/assets";
        for (const auto& picture : std::filesystem::directory_iterator(assets, error))
            if (picture.path().extension() == ".gif")
                std::filesystem::copy_file(picture.path(), InstallDir() + picture.path().filename().string(), error);
        ProfileEditorWindow editor;
        const bool saved = RunEditor(editor, {}, [&] {
            // Opening shows the default birthday's sign beside the editor.
            QVERIFY(editor.ZodiacWindow() && editor.ZodiacWindow()->isVisible());
            QCOMPARE(editor.ZodiacWindow()->windowTitle(), QStringLiteral(" "));
            QCOMPARE(editor.ZodiacWindow()->width(), 60);
            QCOMPARE(editor.ZodiacWindow()->frameGeometry().left(), editor.frameGeometry().right() + 1);
            QVERIFY(ReadFile(InstallDir() + "sign_r.htm").find("capricorn.gif") != std::string::npos);

            SetDate(&editor, "birth", 3, 20, 1990);
            QVERIFY(editor.ZodiacImage().endsWith("/pisces.gif"));
            Child<QComboBox>(&editor, "birthDay")->setCurrentIndex(20);
            QVERIFY(editor.ZodiacImage().endsWith("/aries.gif"));
            QVERIFY(ReadFile(InstallDir() + "sign_r.htm").find(InstallDir() + "aries.gif\"") != std::string::npos);
            WriteFile(InstallDir() + "sign_r.htm", "");
            Child<QComboBox>(&editor, "birthYear")->setCurrentIndex(2099 - 2003);
            QVERIFY(ReadFile(InstallDir() + "sign_r.htm").empty());  // same sign: the page is left alone

            if (!qEnvironmentVariableIsEmpty("MORAVEL_SCREENSHOT_DIR")) {
                Child<QComboBox>(&editor, "birthDay")->setCurrentIndex(0);
                Child<QComboBox>(&editor, "birthMonth")->setCurrentIndex(7);
                QTest::qWait(2500);
                Screenshot(&editor, "profile-editor");
                Screenshot(editor.ZodiacWindow(), "zodiac-picture");
                Child<QComboBox>(&editor, "birthMonth")->setCurrentIndex(2);
                Child<QComboBox>(&editor, "birthDay")->setCurrentIndex(20);
            }

            // The user closes the picture: it stays closed for this run.
            editor.ZodiacWindow()->close();
            QTRY_VERIFY(editor.ZodiacWindow() == nullptr);
            Child<QComboBox>(&editor, "birthMonth")->setCurrentIndex(6);
            QVERIFY(editor.ZodiacWindow() == nullptr);

            Type(&editor, "Pat", "Pat Doe");
            auto* calibration = Child<QCheckBox>(&editor, "useCalibration");
            QVERIFY(!Child<QComboBox>(&editor, "goodMonth")->isEnabled());
            calibration->setChecked(true);
            QCOMPARE(Child<QComboBox>(&editor, "goodYear")->currentText(), QStringLiteral("1900"));
            SetDate(&editor, "good", 2, 29, 1904);
            SetDate(&editor, "bad", 4, 30, 2001);
            Click(&editor, "save");
        });
        QVERIFY(saved);
        const ProfileRecord pat = ReadProfileFile(InstallDir() + "Pat.ini");
        QVERIFY(pat.manualCalibration);
        QCOMPARE(pat.birthday, (Date{7, 21, 2003}));
        QCOMPARE(pat.goodDay, (Date{2, 29, 1904}));
        QCOMPARE(pat.badDay, (Date{4, 30, 2001}));
        QVERIFY(editor.Record().manualCalibration);
    }
};

QTEST_MAIN(ProfileEditorTest)
#include "ProfileEditorTest.moc"
