#include "engine/ui/CompanionWindow.h"

#include "content/CompanionPage.h"
#include "content/PageWriter.h"
#include "content/ui/PageWindow.h"
#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/PrintService.h"
#include "platform/ui/TextLine.h"
#include "profiles/ProfileFiles.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr int windowWidth = 440;
constexpr int windowHeight = 300;

const QColor lineColours[4] = {LabelColour::Black, LabelColour::Blue, LabelColour::White, LabelColour::Yellow};

// The decorative band under the text: the four line colours running into each other.
QPixmap Band(int width, int height)
{
    QPixmap band(width, height);
    QPainter painter(&band);
    QLinearGradient gradient(0, 0, width, 0);
    gradient.setColorAt(0.0, QColor(64, 64, 64));
    gradient.setColorAt(0.35, LabelColour::Blue);
    gradient.setColorAt(0.7, LabelColour::Yellow);
    gradient.setColorAt(1.0, LabelColour::White);
    painter.fillRect(band.rect(), gradient);
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(band.rect().adjusted(0, 0, -1, -1));
    return band;
}

// The three buttons stand in one row at the foot of the window.
QRect ButtonPlace(int x)
{
    return {x, windowHeight - 46, 110, 30};
}
}

CompanionWindow::CompanionWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Companion Analysis");
    setFixedSize(windowWidth, windowHeight);

    auto* band = new QLabel(this);
    band->setAccessibleName("Love, friendship and business");
    band->setGeometry(CompanionLineX, 208, windowWidth - 2 * CompanionLineX, 18);
    band->setPixmap(Band(band->width(), band->height()));

    printButton = MakeButton("Print", "print", this, ButtonPlace(40));
    explainButton = MakeButton("Explain", "explain", this, ButtonPlace(165));
    closeButton = MakeButton("Close", "close", this, ButtonPlace(290));
    printButton->setDefault(true);
    printButton->setToolTip("print the result");
    explainButton->setToolTip("explain the reading");
    connect(printButton, &QPushButton::clicked, this, [this] { PrintResult(); });
    connect(explainButton, &QPushButton::clicked, this, &CompanionWindow::ExplainCompanion);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { PrintResult(); });
    for (int i = 0; i < 4; ++i)
        lines.push_back(new TextLine({}, this));
    ChainAfter(closeButton, lines);
    move(CentreX(windowWidth), CentreY(windowHeight));
}

void CompanionWindow::Analyse(const std::string& firstProfilePath, const std::string& secondProfilePath)
{
    result = ComputeCompanion(ReadProfileFile(firstProfilePath), ReadProfileFile(secondProfilePath));
    result.layoutHeight = height();
    const auto texts = CompanionLines(result);
    int y = CompanionFirstLineY(result.layoutHeight);
    for (std::size_t i = 0; i < lines.size() && i < texts.size(); ++i, y += CompanionLineStep) {
        lines[i]->setGeometry(CompanionLineX, y, width() - 2 * CompanionLineX, CompanionLineStep);
        lines[i]->SetText(QString::fromStdString(texts[i]));
    }
    update();
}

void CompanionWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (!result.ready)
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(ReportFont(12));
    const auto lines = CompanionLines(result);
    int y = CompanionFirstLineY(result.layoutHeight);
    for (std::size_t i = 0; i < lines.size(); ++i, y += CompanionLineStep) {
        painter.setPen(lineColours[i]);
        painter.drawText(QRect(CompanionLineX, y, width() - CompanionLineX, CompanionLineStep),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(lines[i]));
    }
}

bool CompanionWindow::PrintResult()
{
    if (!result.ready)
        return false;
    PrintJob job;
    job.SetDocName(PrintService::jobName(windowTitle()));
    if (!PrintService::choosePrinter(job))
        return false;
    QPainter painter;
    if (!painter.begin(job.Printer()))
        return false;
    // Lay the lines out as on screen, one screen pixel = 1/96 inch, an inch from the corner;
    // all in black, since white and yellow would vanish on paper.
    const double scale = job.Resolution() / 96.0;
    painter.scale(scale, scale);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(ReportFont(16));  // 12 points
    painter.setPen(Qt::black);
    const auto lines = CompanionLines(result);
    int y = 96;
    for (const std::string& line : lines) {
        painter.drawText(QRect(96, y, 1000, CompanionLineStep), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(line));
        y += CompanionLineStep;
    }
    return painter.end();
}

void CompanionWindow::ExplainCompanion()
{
    const PagePair page = CompanionExplainPage();
    if (!WritePagePair(page))
        return;
    PageWindow::ShowPage(CompanionExplainTitle, QString::fromStdString(InstallDir() + page.entryName),
                         CompanionExplainWidth, CompanionExplainHeight, this);
}
