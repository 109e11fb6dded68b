#pragma once

#include <QDialog>

class QLineEdit;

// "Moravel Uninstaller": says that the product is gone.
class RemovedWindow : public QDialog {
    Q_OBJECT
public:
    explicit RemovedWindow(QWidget* parent = nullptr);

    QLineEdit* textField;
};
