#pragma once

#include <QDialog>

// "About Moravel 2005": the program icon and one line in yellow on black.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};
