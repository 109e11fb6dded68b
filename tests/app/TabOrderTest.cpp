// Keyboard reach of every window: Tab, pressed on whatever has the focus, visits every
// control a user can see and use, and never stops on one they cannot see. And what a
// screen reader says of them: every control has a name in words, every field a label.
#include "app/ui/MainWindow.h"
#include "content/ui/PageWindow.h"
#include "engine/ui/CompanionWindow.h"
#include "installer/ui/InstallOptionsWindow.h"
#include "mail/ui/ContactWindow.h"
#include "mail/ui/EmailWindow.h"
#include "platform/Paths.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/ResizeWindow.h"
#include "schedule/ui/CurrentScheduleWindow.h"
#include "schedule/ui/ScheduleWindow.h"
#include "support/WindowTest.h"
#include "uninstaller/ui/UninstallWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QComboBox>
#include <QPushButton>
#include <QImage>
#include <QtTest>

namespace {
using Factory = std::function<QWidget*()>;

QString Describe(const QWidget* widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
}

// What Tab should reach: the enabled, visible controls that take the focus by Tab.
QSet<QWidget*> Reachable(QWidget* window)
{
    QSet<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->window() == window && child->isVisible() && child->isEnabled() && !child->focusProxy() &&
            (child->focusPolicy() & Qt::TabFocus))
            controls.insert(child);
    return controls;
}
}

class TabOrderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        env.emplace(Date{6, 1, 2005});
        profile = InstallDir() + "Anna.ini";
        QFile file(QString::fromStdString(profile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Profile:Anna\nName:Anna Lee\nYourMonth:7\nYourDate:4\nYourYear:1968\n");
        picture = env->FilePath(QStringLiteral("report.jpg"));
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(picture));
    }
    void cleanupTestCase() { env.reset(); }

    void tabReachesEveryControl_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<bool>("tickResize");
        QTest::newRow("main") << Factory([] { return new MainWindow; }) << false;
        QTest::newRow("profile editor") << Factory([] { return new ProfileEditorWindow; }) << false;
        QTest::newRow("daily") << Factory([this] {
            auto* window = new DailyAnalysisWindow;
            window->SetProfileFile(profile);
            window->SetBaseDate({6, 1, 2005});
            window->SetShownDate({6, 1, 2005});
            return window;
        }) << false;
        QTest::newRow("email") << Factory([this] { return new EmailWindow(picture, "report.jpg"); }) << false;
        QTest::newRow("contact") << Factory([] { return new ContactWindow; }) << false;
        QTest::newRow("resize") << Factory([this] { return new ResizeWindow(picture); }) << false;
        QTest::newRow("resize ticked") << Factory([this] { return new ResizeWindow(picture); }) << true;
        QTest::newRow("schedule") << Factory([this] {
            auto* window = new ScheduleWindow;
            window->SetProfilePath(profile);
            return window;
        }) << false;
        QTest::newRow("current schedule") << Factory([] { return new CurrentScheduleWindow; }) << false;
        QTest::newRow("companion") << Factory([] { return new CompanionWindow; }) << false;
        QTest::newRow("page") << Factory([] { return new PageWindow; }) << false;
        QTest::newRow("install options") << Factory([] { return new InstallOptionsWindow; }) << false;
        QTest::newRow("uninstall") << Factory([] { return new UninstallWindow; }) << false;
    }

    void tabReachesEveryControl()
    {
        QFETCH(Factory, make);
        QFETCH(bool, tickResize);
        std::unique_ptr<QWidget> window(make());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (tickResize) {
            auto* resize = static_cast<ResizeWindow*>(window.get());
            resize->ResizeBox()->setChecked(true);
            resize->PercentageList()->setCurrentIndex(50);
            QVERIFY(resize->SaveButton()->isEnabled());
        }
        const QSet<QWidget*> expected = Reachable(window.get());
        QSet<QWidget*> reached;
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, "nothing has the focus");
        for (int press = 0; press < 3 * expected.size() + 6; ++press) {
            QVERIFY2(focus->window() == window.get() && focus->isVisible() && focus->isEnabled(),
                     qPrintable("Tab stopped on " + Describe(focus)));
            reached.insert(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            QVERIFY2(focus, "Tab lost the focus");
        }
        for (QWidget* control : expected)
            QVERIFY2(reached.contains(control), qPrintable("Tab never reaches " + Describe(control)));
    }

    void everyControlNamedEveryFieldLabelled_data() { tabReachesEveryControl_data(); }
    void everyControlNamedEveryFieldLabelled()
    {
        QFETCH(Factory, make);
        std::unique_ptr<QWidget> window(make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (QWidget* control : Reachable(window.get())) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            QVERIFY(face);
            // Qt's lists report no relations: they are known by their names.
            const bool field = !qobject_cast<QAbstractItemView*>(control) &&
                               (qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control) ||
                                qobject_cast<QAbstractScrollArea*>(control));
            QString name = face->text(QAccessible::Name);
            const auto labels = face->relations(QAccessible::Label);
            if (field)
                QVERIFY2(!labels.isEmpty(), qPrintable(Describe(control) + " has no label"));
            // A list says its value as its name; its label says what it is.
            for (const auto& label : labels)
                name += QLatin1Char(' ') + label.first->text(QAccessible::Name);
            QVERIFY2(name.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))),
                     qPrintable(Describe(control) + " is named " + name));
        }
    }

private:
    std::optional<WindowTest::Session> env;
    std::string profile;
    QString picture;
};

QTEST_MAIN(TabOrderTest)
#include "TabOrderTest.moc"
