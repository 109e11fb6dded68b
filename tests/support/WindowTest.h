#pragma once

// Shared helpers of the window tests: a fresh InstallDir per test, profiles on
// disk, and running code while a modal dialog waits.

#include "platform/Clock.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "profiles/ProfileFiles.h"
#include "support/TempEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>

namespace WindowTest {

// One test's world: a fresh InstallDir, message boxes answered by the test and
// remembered, and "today" fixed when the test needs it.
class Session : public TempEnvironment {
public:
    explicit Session(std::optional<Date> today = std::nullopt)
    {
        MessageBox::setTestMode(true);
        MessageBox::clearHistory();
        SetTodayForTesting(today);
    }
    ~Session() { SetTodayForTesting(std::nullopt); }

    // A path below the test's temporary folder.
    QString FilePath(const QString& name) const { return QString::fromStdString(Root()) + "/" + name; }
};

// The texts of the message boxes shown so far.
inline QStringList Shown()
{
    QStringList texts;
    for (const MessageBox::Shown& box : MessageBox::history())
        texts << box.text;
    return texts;
}

inline void ClickRow(QTreeWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline ProfileRecord Person(const std::string& description, const std::string& name, Date birthday)
{
    ProfileRecord record;
    record.description = description;
    record.fullName = name;
    record.birthday = birthday;
    return record;
}

// Saves the profiles' files and an index listing them in order.
inline void SaveProfiles(const std::vector<ProfileRecord>& records)
{
    std::vector<ProfileIndexEntry> index;
    for (const ProfileRecord& record : records) {
        SaveProfile(record);
        index.push_back({record.fullName, record.description, record.manualCalibration ? "Manual" : "Automatic"});
    }
    SaveProfileIndex(index);
}

// Runs `step` as soon as the next modal dialog is up (polling, so that a dialog
// opened from a click is found too).
inline void WhenModal(std::function<void(QWidget*)> step, int attempts = 500)
{
    QTimer::singleShot(10, [step, attempts] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            step(modal);
            return;
        }
        if (attempts > 0)
            WhenModal(step, attempts - 1);
    });
}

template <class T>
T* Child(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

inline void Click(QWidget* parent, const char* name)
{
    QPushButton* button = Child<QPushButton>(parent, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Saves a grab of the widget when MORAVEL_SCREENSHOT_DIR names a folder.
inline void Screenshot(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("MORAVEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(dir + "/" + name + ".png");
}

}
