#pragma once

#include "engine/CompanionAnalysis.h"

#include <QDialog>

#include <vector>

class QPushButton;
class TextLine;

// "Companion Analysis": the verdicts for two profiles in Love, Friendship and Business.
class CompanionWindow : public QDialog {
    Q_OBJECT
public:
    explicit CompanionWindow(QWidget* parent = nullptr);

    // Reads both profile files and matches them; the lines are drawn from then on.
    void Analyse(const std::string& firstProfilePath, const std::string& secondProfilePath);
    const CompanionResult& Result() const { return result; }

    QPushButton* PrintButton() const { return printButton; }
    QPushButton* ExplainButton() const { return explainButton; }
    QPushButton* CloseButton() const { return closeButton; }
    const std::vector<TextLine*>& Lines() const { return lines; }

    // Prints the four lines through the print service; false when cancelled or failed.
    bool PrintResult();
    void ExplainCompanion();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CompanionResult result;
    QPushButton* printButton = nullptr;
    QPushButton* explainButton = nullptr;
    QPushButton* closeButton = nullptr;
    std::vector<TextLine*> lines;  // the drawn lines as text for a screen reader
};
