#include "reports/ui/DailyReadingLines.h"

#include "platform/ReportBars.h"
#include "platform/ui/TextLine.h"
#include "reports/ReadingLines.h"

namespace {
constexpr int TextLines = 5;
constexpr int LineHeight = 20;
}

void DailyReadingLines::Create(QWidget* window, QWidget* last)
{
    for (int i = 0; i < TextLines + CycleCount; ++i)
        lines.push_back(new TextLine({}, window));
    ChainAfter(last, lines);
    Place(12.0);
}

void DailyReadingLines::Place(double reportTop)
{
    const int top = static_cast<int>(reportTop);
    for (int i = 0; i < TextLines; ++i)
        lines[static_cast<std::size_t>(i)]->setGeometry(90, top + 25 * i, 600, LineHeight);
    for (int i = 0; i < CycleCount; ++i) {
        const ReportBar& bar = ReportBars[static_cast<std::size_t>(i)];
        lines[static_cast<std::size_t>(TextLines + i)]->setGeometry(bar.labelX, top + 470, 100, LineHeight);
    }
}

QString DailyReadingLines::Show(const DailyReadingSet& set)
{
    const std::vector<std::string> texts = ReadingLines(set);
    for (std::size_t i = 0; i < lines.size() && i < texts.size(); ++i)
        lines[i]->SetText(QString::fromStdString(texts[i]));
    return QString::fromStdString(ReadingSummary(set.title, texts));
}
