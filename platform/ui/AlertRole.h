#pragma once

class QWidget;

// Makes a window that asks one question an alert to screen readers, which read out its
// text when it appears, as they do for a message box.
void ShowAsAlert(QWidget* window);
