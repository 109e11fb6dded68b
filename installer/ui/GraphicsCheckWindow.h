#pragma once

#include <QDialog>

#include "platform/ui/CaptionLabel.h"
class QLineEdit;

// Tells the user to delete a private graphics library the installer could not remove.
class GraphicsCheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit GraphicsCheckWindow(QWidget* parent = nullptr);

    CaptionLabel* textField;
};
