#pragma once

#include <QDialog>

class QComboBox;
class PageView;

// "Help Wizard": a list of help topics over the page that shows the chosen one.
class HelpWizard : public QDialog {
    Q_OBJECT
public:
    explicit HelpWizard(QWidget* parent = nullptr);

    QComboBox* Topics() const { return topics; }
    PageView* View() const { return view; }

    // Writes "help.htm" for the topic and loads it; a negative index shows nothing.
    void ShowTopic(int index);

private:
    QComboBox* topics = nullptr;
    PageView* view = nullptr;
};
