#include "app/ui/QuickTipLine.h"

#include "content/PageWriter.h"
#include "content/ui/PageWindow.h"
#include "platform/Paths.h"
#include "platform/ui/FrameWatch.h"

#include <QApplication>
#include <QGuiApplication>

bool QuickTipLine::PlacedByCompositor()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QuickTipLine::~QuickTipLine()
{
    delete window;
}

void QuickTipLine::Enable(const QRect& ownerFrame)
{
    enabled = true;
    placedOwner = ownerFrame;
}

void QuickTipLine::Show(const QString& text)
{
    if (!enabled)
        return;
    current = text;
    WriteTipPage(text.toStdString());
    const QString page = QString::fromStdString(InstallDir() + "tip_e.htm");
    if (!window && docked) {
        // A child of the owner, on the strip the owner keeps free below its controls.
        window = new PageWindow(owner);
        window->setWindowFlags(Qt::Widget);
        window->setAccessibleName(QStringLiteral("Quick Tip"));
        window->setGeometry(0, owner->height() - kHeight, owner->width(), kHeight);
        window->SetRefuseClose(true);
        window->SetPage(page);
        window->show();
    } else if (!window) {
        window = new PageWindow(owner);
        window->SetTitle(QStringLiteral("Quick Tip"));
        // A fixed line under the main window: no maximise, no resizing.
        window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        window->setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
        // Where the owner's frame is: a line placed by an older position moves, and is drawn, twice.
        Place(placedOwner.isValid() ? placedOwner : owner->frameGeometry());
        placedOwner = QRect();
        window->SetRefuseClose(true);
        window->SetPage(page);
        window->ShowModeless();
    } else {
        window->Navigate(page);
    }
}

void QuickTipLine::Place(const QRect& outer)
{
    if (!window || docked)
        return;
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->SetSize(outer.width(), kHeight, true);
    window->setFixedSize(window->size());
    window->SetPosition(outer.left(), outer.top() + outer.height());
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == owner)
        window->raise();
}

void QuickTipLine::FollowOwner()
{
    // Only moved: raising it here would put it over a window opened from the owner.
    if (window && !docked)
        window->SetPosition(owner->frameGeometry().left(),
                            owner->frameGeometry().top() + FrameWatch::OuterSize(owner).height());
}

void QuickTipLine::Close()
{
    delete window;
    window = nullptr;
}
