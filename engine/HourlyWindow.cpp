#include "engine/HourlyWindow.h"

#include "platform/DataFile.h"
#include "platform/FrameWatch.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/WaitCursor.h"
#include "reports/Printing.h"
#include "reports/ReportPicture.h"

#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {
using namespace DrawColour;

QFont DrawingFont(const QString& face, int pixels)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    return font;
}

// Text placed by its top-left corner.
void DrawText(QPainter& painter, double x, double y, const QString& text, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(QPointF(x, y + QFontMetricsF(painter.font()).ascent()), text);
}

void SetQuality(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

QString HourlyImagePath()
{
    return QString::fromStdString(InstallDir()) + QStringLiteral("hourly.jpg");
}
}

HourlyWindow::HourlyWindow(const HourlyValues& initialValues, const QString& title, const QString& heading,
                           QWidget* parent)
    : QDialog(parent)
    , hourlyTitle(title)
    , chartHeading(heading)
    , values(initialValues)
{
    setWindowTitle(QStringLiteral("Hourly Progress"));
    setFixedSize(DluX(505), DluY(301));
    move(CentreX(width()), CentreY(height()));

    printButton = new QPushButton(QStringLiteral("Print"), this);
    printButton->setGeometry(width() - 100, 10, 88, 30);
    printButton->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    printButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, &HourlyWindow::PrintHourly);
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
            update();
        });
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
    painter.setFont(DrawingFont(fontFace, 12));
    DrawText(painter, 10, chartTop + 94, QStringLiteral("100"), Black);
    for (int i = 1; i <= 9; ++i)
        DrawText(painter, 18, chartTop + 94 + 30 * i, QString::number(100 - 10 * i), Black);
    DrawText(painter, 26, chartTop + 394, QStringLiteral("0"), Black);

    painter.setPen(QPen(Black, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(53, chartTop + 94), QPointF(53, chartTop + 405));
    painter.drawLine(QPointF(51, chartTop + 403), QPointF(723, chartTop + 403));

    for (int h = 0; h <= 24; ++h)
        DrawText(painter, 54 + 27 * h, chartTop + 409, QString::asprintf("%02d", h), Black);
    for (int h = 0; h <= 24; ++h) {
        const double x = 54 + 27 * h + (h == 12 ? 11 : 12);
        const bool marked = h == 0 || h == 12 || h == 24;
        painter.setPen(QPen(marked ? Black : Blue, 15, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, chartTop + 400), QPointF(x, chartTop + 403 - 3 * curve.hourValue[h]));
    }

    painter.setFont(DrawingFont(fontFace, 24));
    const auto phaseColour = [](const std::string& word) { return word == " Rising " ? Yellow : White; };
    DrawText(painter, 150, chartTop + 320, QString::fromStdString(curve.firstPhase), phaseColour(curve.firstPhase));
    DrawText(painter, 480, chartTop + 320, QString::fromStdString(curve.secondPhase), phaseColour(curve.secondPhase));
}

void HourlyWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    SetQuality(painter);
    const double chartTop = ChartTop();
    painter.setFont(DrawingFont(fontFace, 12));
    DrawText(painter, 20, chartTop, chartHeading, Yellow);
    DrawText(painter, 20, chartTop + 28,
             QStringLiteral("Try to schedule important events and tasks during the \"Rising Phase\"."), White);
    DrawText(painter, 20, chartTop + 53,
             QStringLiteral("Try to avoid important events and tasks during the \"Falling Phase\"."), Black);
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
            SetQuality(painter);
            painter.setFont(DrawingFont(fontFace, 12));
            DrawText(painter, 20, 25, windowTitle(), Black);
            DrawText(painter, 20, 53, chartHeading, White);
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
        PrintHourlyReport();
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
