// What the windows do with pasted line breaks, unreadable data files and failed writes.
#include "app/ui/MainWindow.h"
#include "mail/ui/ContactWindow.h"
#include "mail/ui/EmailWindow.h"
#include "platform/Paths.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "schedule/ui/ScheduleWindow.h"
#include "support/CrontabStub.h"
#include "support/WindowTest.h"

#include <QLineEdit>
#include <filesystem>

using namespace WindowTest;
namespace fs = std::filesystem;

namespace {
// A pasted text that would forge records if it reached a file.
const QString Pasted[] = {
    QStringLiteral("Bob Lee\nDescription:ghost\nAdjustment:Manual"),
    QStringLiteral("Bob@x.y\rEmail:spy@x.y"),
    QStringLiteral("Bob@x.y") + QChar(0) + QStringLiteral("Lee"),
};

// The folder's files, name and content, to see that nothing was written.
std::map<std::string, std::string> Files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() != ".htm")
            files[entry.path().filename().string()] = ReadFile(entry.path().string());
    }
    return files;
}
}

class FileFaultsTest : public QObject {
    Q_OBJECT
private slots:
    // Every one-line field of a window that writes a data file, with its message.
    void oneLineFieldsRefuseLineBreaks()
    {
        const auto editor = [](const QString& description, const QString& name) {
            ProfileEditorWindow window;
            Child<QLineEdit>(&window, "description")->setText(description);
            Child<QLineEdit>(&window, "fullName")->setText(name);
            Click(&window, "save");
        };
        const auto contact = [](const QString& name, const QString& email) {
            ContactWindow window(name, email);
            QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
        };
        const std::pair<std::function<void(const QString&)>, QString> fields[] = {
            {[&](const QString& v) { editor("Bob", v); }, QStringLiteral("Full Name is not valid.    ")},
            {[&](const QString& v) { editor(v, "Bob Lee"); },
             QStringLiteral("Profile Description is not a valid file name.    ")},
            {[&](const QString& v) { contact(v, "bob@x.y"); }, QStringLiteral("Contact's Name is not valid.     ")},
            {[&](const QString& v) { contact("Bob", v); }, QStringLiteral("Contact's Email is not valid.     ")},
            {[](const QString& v) {
                 ScheduleWindow window;
                 window.SetProfilePath(::InstallDir() + "Anna.ini");
                 Child<QLineEdit>(&window, "email")->setText(v);
                 Click(&window, "save");
             },
             QStringLiteral("Email Address is not valid.     ")},
        };
        for (const auto& [save, refused] : fields) {
            for (const QString& value : Pasted) {
                Session session;
                CrontabStub stub(session);
                const auto before = Files(::InstallDir());
                save(value);
                QCOMPARE(Shown(), QStringList{refused});
                QVERIFY2(Files(::InstallDir()) == before, qPrintable(refused));
            }
        }
    }

    // An index that exists but cannot be read is named, and nothing is written over it.
    void unreadableIndexIsToldAndKept()
    {
        Session session;
        const std::string index = ::InstallDir() + "mv.ini";
        const std::string big(MaxDataFileSize + 10, 'x');
        WriteFile(index, big);
        MainWindow window;
        window.show();
        QCOMPARE(Shown(), QStringList{CannotRead(index)});
        QCOMPARE(Child<QTreeWidget>(&window, "profileList")->topLevelItemCount(), 0);
        AddProfile(window, "Bob");
        window.close();
        QCOMPARE(ReadFile(index), big);
        QCOMPARE(Shown().constLast(), QStringLiteral("Unable to save ") + QString::fromStdString(index) + ".    ");
    }

    // A failed index write after an add is told, once for the change, not at every command.
    void failedIndexWriteIsToldOnce()
    {
        Session session;
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        MainWindow window;
        window.show();
        const std::string index = ::InstallDir() + "mv.ini";
        fs::remove(index);
        fs::create_directory(index);  // in the way of the new index
        AddProfile(window, "Bob");
        WhenModal([](QWidget* modal) { modal->close(); });
        Click(&window, "analyzeDay");
        WhenModal([](QWidget* modal) { modal->close(); });
        Click(&window, "analyzeDay");
        QCOMPARE(Shown(), QStringList{QStringLiteral("Unable to save ") + QString::fromStdString(index) + ".    "});
        QVERIFY(fs::exists(::InstallDir() + "Bob.ini"));
    }

    // A profile file that cannot be removed keeps its row, and the user is told.
    void undeletableProfileKeepsItsRow()
    {
        Session session;
        SaveProfiles({Person("Ann", "Ann Lee", {3, 4, 1970})});
        const std::string file = ::InstallDir() + "Ann.ini";
        fs::remove(file);
        fs::create_directories(file + "/inside");  // unlink fails even for root
        MainWindow window;
        window.show();
        MessageBox::setNextAnswer(MessageBox::Yes);
        Click(&window, "deleteProfile");
        QCOMPARE(Shown(), (QStringList{QStringLiteral("Delete the profile \"Ann\"?    "),
                                       QStringLiteral("Unable to delete ") + QString::fromStdString(file) + ".    "}));
        QCOMPARE(Child<QTreeWidget>(&window, "profileList")->topLevelItemCount(), 1);
    }

    // The address book: unreadable is told at opening and kept at closing.
    void unreadableContactsAreToldAndKept()
    {
        Session session;
        const std::string contacts = ::InstallDir() + "contacts.ini";
        fs::create_directory(contacts);
        {
            EmailWindow window(session.FilePath("r.jpg"), "r.jpg");
            window.reject();
        }
        QCOMPARE(Shown(), QStringList{CannotRead(contacts)});
        QVERIFY(fs::is_directory(contacts));
    }

    void cleanup() { MessageBox::clearHistory(); }

private:
    static QString CannotRead(const std::string& path)
    {
        return QStringLiteral("Unable to read ") + QString::fromStdString(path) +
               QStringLiteral(".    \nMoravel will not change this file until it can be read.    ");
    }

    static void AddProfile(MainWindow& window, const char* description)
    {
        WhenModal([description](QWidget* editor) {
            Child<QLineEdit>(editor, "description")->setText(QString::fromLatin1(description));
            Child<QLineEdit>(editor, "fullName")->setText(QStringLiteral("Someone"));
            Click(editor, "save");
        });
        Click(&window, "addProfile");
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ApplyLook(app);
    FileFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileFaultsTest.moc"
