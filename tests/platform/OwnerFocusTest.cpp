#include "platform/ui/OwnerFocus.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

// Where the focus goes when a window closes. The window manager's own choice is
// stood in for by activating the side window, as a manager under load was seen to do.
namespace {
// Runs the dialog; once it has the focus it closes and `then` runs.
void RunAndClose(QDialog& dialog, const std::function<void()>& then)
{
    QTimer::singleShot(0, &dialog, [&dialog, then] {
        QTRY_COMPARE(QApplication::activeWindow(), &dialog);
        dialog.accept();
        then();
    });
    dialog.exec();
}
}

class OwnerFocusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { OwnerFocus::Install(); }

    void closedDialogHandsTheFocusToItsOwner()
    {
        QDialog owner;
        QDialog side(&owner);  // a modeless helper window, like the tip line
        owner.show();
        side.show();
        owner.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &owner);

        QDialog dialog(&owner);
        RunAndClose(dialog, [&] { side.activateWindow(); });
        QTRY_COMPARE(QApplication::activeWindow(), &owner);

        // A message box without a parent hands it back to the window it opened over.
        QDialog box;
        RunAndClose(box, [&] { side.activateWindow(); });
        QTRY_COMPARE(QApplication::activeWindow(), &owner);
    }

    void focusStaysWhereTheUserPutIt()
    {
        QDialog owner;
        QDialog side(&owner);
        owner.show();
        side.show();
        side.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &side);

        // A window closing in the background takes nothing.
        QDialog background(&owner);
        background.show();
        side.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &side);
        background.hide();
        // Whatever the hide set going runs before two more turns of the event loop.
        bool settled = false;
        QTimer::singleShot(0, [&] { QTimer::singleShot(0, [&] { settled = true; }); });
        QTRY_VERIFY(settled);
        QCOMPARE(QApplication::activeWindow(), &side);

        // A dialog that gives way to the next one leaves the focus to that one.
        QDialog next(&owner);
        QDialog first(&owner);
        RunAndClose(first, [&] { RunAndClose(next, [] {}); });
        QTRY_COMPARE(QApplication::activeWindow(), &owner);
    }
};

QTEST_MAIN(OwnerFocusTest)
#include "OwnerFocusTest.moc"
