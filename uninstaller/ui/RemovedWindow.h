#pragma once

#include <QDialog>

#include "platform/ui/CaptionLabel.h"

// "Moravel Uninstaller": says that the product is gone.
class RemovedWindow : public QDialog {
    Q_OBJECT
public:
    explicit RemovedWindow(QWidget* parent = nullptr);

    CaptionLabel* textField;
};
