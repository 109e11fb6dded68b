#include "engine/ui/HourlyWindow.h"

#include "engine/HourlyLines.h"
#include "platform/DataFile.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "platform/TextPainter.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextLine.h"
#include "platform/ui/WaitCursor.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace {
using namespace DrawColour;

const QString RisingAdvice = QStringLiteral("Try to schedule important events and tasks during the \"Rising Phase\".");
const QString FallingAdvice = QStringLiteral("Try to avoid important events and tasks during the \"Falling Phase\".");

QString HourlyImagePath()
{
    return QString::fromStdString(InstallDir()) + QStringLiteral("hourly.jpg");
}
}

HourlyWindow::HourlyWindow(const HourlyValues& initialValues, const QString& title, const QString& heading,
                           QWidget* parent)
    : QDialog(parent),
      hourlyTitle(title),
      chartHeading(heading),
      values(initialValues)
{
    setWindowTitle(QStringLiteral("Hourly Progress"));
    setFixedSize(DluX(505), DluY(301));
    move(CentreX(width()), CentreY(height()));

    printButton = new QPushButton(QStringLiteral("Print"), this);
    printButton->setGeometry(width() - 100, 10, 88, 30);
    printButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, &HourlyWindow::PrintHourly);
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &HourlyWindow::PrintHourly);

    // The curve as the first drawing will make it, without storing its adjustments here.
    HourlyValues drawn = values;
    std::vector<std::string> texts = HourlyLines(ComputeHourlyCurve(drawn));
    texts.insert(texts.begin(), {chartHeading.toStdString(), RisingAdvice.toStdString(), FallingAdvice.toStdString()});
    QWidget* last = printButton;
    for (const std::string& text : texts) {
        auto* line = new TextLine({}, this);
        line->SetText(QString::fromStdString(text));
        lines.push_back(line);
    }
    ChainAfter(last, lines);
    PlaceLines();
}

void HourlyWindow::PlaceLines()
{
    const int top = static_cast<int>(ChartTop());
    const QRect places[] = {{20, top, 700, 20},
                            {20, top + 28, 700, 20},
                            {20, top + 53, 700, 20},
                            {150, top + 320, 200, 30},
                            {480, top + 320, 200, 30}};
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i]->setGeometry(i < 5 ? places[i] : QRect(54 + 27 * static_cast<int>(i - 5), top + 409, 27, 20));
}

void HourlyWindow::showEvent(QShowEvent* event)
{
    if (!initialised) {
        initialised = true;
        printButton->setFont(ControlFont());
        setWindowTitle(hourlyTitle);
        windowHeight = frameGeometry().height();
        // The frame comes later under a window manager: the outer height is its height.
        FrameWatch::WhenFramed(this, [this] {
            windowHeight = FrameWatch::OuterSize(this).height();
            PlaceLines();
            update();
        });
        PlaceLines();
    }
    QDialog::showEvent(event);
}

double HourlyWindow::ChartTop() const
{
    if (windowHeight <= 0)
        return 20.0;
    const double top = (windowHeight - 474) * 0.5;
    return top <= 0.0 ? 20.0 : top;
}

void HourlyWindow::DrawChart(QPainter& painter, double chartTop, const HourlyCurve& curve, const QString& fontFace)
{
    TextPainter text(painter);
    text.SetFont(ReportFont(12, fontFace));
    text.Draw(QStringLiteral("100"), 10, chartTop + 94, Black);
    for (int i = 1; i <= 9; ++i)
        text.Draw(QString::number(100 - 10 * i), 18, chartTop + 94 + 30 * i, Black);
    text.Draw(QStringLiteral("0"), 26, chartTop + 394, Black);

    painter.setPen(QPen(Black, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(53, chartTop + 94), QPointF(53, chartTop + 405));
    painter.drawLine(QPointF(51, chartTop + 403), QPointF(723, chartTop + 403));

    for (int h = 0; h <= 24; ++h)
        text.Draw(QString::asprintf("%02d", h), 54 + 27 * h, chartTop + 409, Black);
    for (int h = 0; h <= 24; ++h) {
        const double x = 54 + 27 * h + (h == 12 ? 11 : 12);
        const bool marked = h == 0 || h == 12 || h == 24;
        painter.setPen(QPen(marked ? Black : Blue, 15, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, chartTop + 400), QPointF(x, chartTop + 403 - 3 * curve.hourValue[h]));
    }

    text.SetFont(ReportFont(24, fontFace));
    const auto phaseColour = [](const std::string& word) { return word == " Rising " ? Yellow : White; };
    text.Draw(QString::fromStdString(curve.firstPhase), 150, chartTop + 320, phaseColour(curve.firstPhase));
    text.Draw(QString::fromStdString(curve.secondPhase), 480, chartTop + 320, phaseColour(curve.secondPhase));
}

void HourlyWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    SetDrawingQuality(painter);
    const double chartTop = ChartTop();
    TextPainter text(painter);
    text.SetFont(ReportFont(12, fontFace));
    text.Draw(chartHeading, 20, chartTop, Yellow);
    text.Draw(RisingAdvice, 20, chartTop + 28, White);
    text.Draw(FallingAdvice, 20, chartTop + 53, Black);
    DrawChart(painter, chartTop, ComputeHourlyCurve(values), fontFace);
}

bool HourlyWindow::SaveHourlyImage()
{
    if (!HasEncoder("image/jpeg"))
        return false;
    bool saved = false;
    {
        const WaitCursor wait;
        const QString path = HourlyImagePath();
        if (FileExists(path.toStdString()))
            MakeWritableAndDelete(path.toStdString());

        QImage image(800, 480, QImage::Format_RGB888);
        image.fill(Grey);
        {
            QPainter painter(&image);
            SetDrawingQuality(painter);
            TextPainter text(painter);
            text.SetFont(ReportFont(12, fontFace));
            text.Draw(windowTitle(), 20, 25, Black);
            text.Draw(chartHeading, 20, 53, White);
            DrawChart(painter, 25, ComputeHourlyCurve(values), fontFace);
        }
        saved = SaveImage(image, path);
    }
    if (!saved)
        MessageBox::stop(QStringLiteral("Unable to save Hourly Report.    "));
    return saved;
}

void HourlyWindow::PrintHourly()
{
    if (SaveHourlyImage())
        emit printSavedImage();
}

void HourlyWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        PrintHourly();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void HourlyWindow::done(int result)
{
    const std::string path = HourlyImagePath().toStdString();
    if (FileExists(path))
        MakeWritableAndDelete(path);  // a working file; failing to remove it is harmless
    QDialog::done(result);
}
