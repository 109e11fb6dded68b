#pragma once

#include "platform/Drawing.h"

class CaptionLabel;
class QApplication;
class QPushButton;
class QRect;
class QWidget;

// The program family's look: Fusion, a mid-grey face, black text.
void ApplyLook(QApplication& app);

// A push button in the control font.
QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent, const QRect& place,
                        const QString& tip = {});

// A label: looks like a read-only, frameless field with its own text colour on the dialog
// face; a caption names its field through setBuddy.
CaptionLabel* MakeLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength = 32767);
