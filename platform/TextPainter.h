#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPaintDevice;
class QPainter;

// Draws text by its top-left corner: the baseline is the point's y plus the
// font's ascent, measured once per font rather than once per line.
class TextPainter {
public:
    // Metrics come from `metricsDevice` when given (a printer's resolution),
    // else from the screen's font metrics.
    explicit TextPainter(QPainter& painter, const QPaintDevice* metricsDevice = nullptr);

    void SetFont(const QFont& font);
    void Draw(const QString& text, double x, double y, const QColor& colour);
    // A scale label: its figures' middle on the line at `lineY`, as a reader lines them up.
    void DrawOnLine(const QString& text, double x, double lineY, const QColor& colour);

private:
    QPainter& painter;
    const QPaintDevice* metricsDevice;
    double ascent = 0.0;
    double capHeight = 0.0;
};

// Antialiased lines, text and scaled pictures, as every drawing of the reports has.
void SetDrawingQuality(QPainter& painter);
