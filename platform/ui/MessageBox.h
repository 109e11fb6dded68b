#pragma once

#include <QString>
#include <QVector>

class QMessageBox;

// Every message box of the program: caption "Moravel", application-modal, text as
// given ("\n" breaks the line, trailing blanks stay).
//
// Tests answer boxes in advance with setNextAnswer and read back what was shown
// with history(). Once test mode is on, no box is ever displayed: a queued answer
// is used, else Ok for Stop/Information and No for questions.
class MessageBox {
public:
    enum Icon { Stop, Information, Question };
    enum Answer { Ok, Yes, No };

    struct Shown {
        QString text;
        Icon icon;
    };

    static void stop(const QString& text);
    static void information(const QString& text);
    // Yes/No with the question icon; true for Yes.
    static bool question(const QString& text);
    // The same with No preselected, for a step that cannot be undone: Return alone
    // never confirms it.
    static bool questionDefaultNo(const QString& text);

    static void setTestMode(bool on);
    static void setNextAnswer(Answer answer);
    static const QVector<Shown>& history();
    static void clearHistory();

    // Gives a box its caption, modality, text, icon and buttons.
    static void setUp(QMessageBox& box, const QString& text, Icon icon);

private:
    static Answer show(const QString& text, Icon icon, bool defaultNo = false);
};
