#pragma once

#include "content/ui/PageWindow.h"

#include <QApplication>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWindow>

// Waits for the next modal page window, notes what it shows and closes it, so a
// test can run code that opens one and blocks until it is closed.
struct ModalPageCatcher {
    bool seen = false;
    QString title;
    QSize size;
    QString page;
    // When set, the window is grabbed to this PNG once its content page has had time to show.
    QString grabTo;

    void Arm(int triesLeft = 400)
    {
        QTimer::singleShot(25, [this, triesLeft] {
            auto* window = qobject_cast<PageWindow*>(QApplication::activeModalWidget());
            // Its size is the frame's once it is on the screen.
            if (!window || !window->windowHandle() || !window->windowHandle()->isExposed()) {
                if (triesLeft > 0)
                    Arm(triesLeft - 1);
                return;
            }
            seen = true;
            title = window->windowTitle();
            size = window->frameGeometry().size();
            page = window->CurrentPage();
            if (grabTo.isEmpty()) {
                static_cast<QDialog*>(window)->reject();
                return;
            }
            QTimer::singleShot(3000, window, [this, window] {
                window->grab().save(grabTo);
                static_cast<QDialog*>(window)->reject();
            });
        });
    }
};
