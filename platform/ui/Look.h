#pragma once

#include "platform/Drawing.h"

class QApplication;
class QIcon;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

// The program family's look: Fusion, a mid-grey face, black text.
void ApplyLook(QApplication& app);
// The application icon: the icon theme's by the application id, else the built-in picture.
QIcon ApplicationIcon();

// A push button in the control font.
QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent, const QRect& place,
                        const QString& tip = {});

// A label: a read-only, frameless field with its own text colour on the dialog face.
QLineEdit* MakeLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength = 32767);
