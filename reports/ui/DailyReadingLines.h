#pragma once

#include "reports/DailyReadingSet.h"

#include <QString>

#include <vector>

class QWidget;
class TextLine;

// The daily window's readings as text lines, each over the place where it is drawn.
class DailyReadingLines {
public:
    // Made after the window's buttons and placed after `last` in the Tab order.
    void Create(QWidget* window, QWidget* last);
    void Place(double reportTop);
    // Returns what to announce for the new set: the title and every line.
    QString Show(const DailyReadingSet& set);

    const std::vector<TextLine*>& Lines() const { return lines; }

private:
    std::vector<TextLine*> lines;
};
