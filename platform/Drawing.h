#pragma once

// The program's drawing vocabulary without windows: fonts, colours, pictures,
// dialog units and screen centring. The unattended run draws with it too.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

class QIODevice;

// A picture in the format its name ends with (".png", ".gif", ".jpg"), without
// asking every image plugin installed to guess it; a null image when unreadable.
QImage ReadPictureByName(QIODevice* device, const QString& name);
QImage ReadPictureByName(const QString& path);

// A picture built in as pixels ready to draw (assets/PicturePixels.cpp), read
// without decoding or copying; a null image when there is none by that name.
QImage BuiltInPixels(const QString& name);

// The program's icon.
QPixmap ProgramPicture();
// The icon at `size` pixels square, smoothly scaled.
QPixmap ProgramPicture(int size);

// "Arial" bold, 16 pixels: buttons, lists and text fields.
QFont ControlFont();
// "Verdana" (or `face`) bold at `pixels`: report drawing.
QFont ReportFont(int pixels = 12, const QString& face = QStringLiteral("Verdana"));

namespace LabelColour {
inline const QColor White{255, 255, 255};
inline const QColor Green{0, 255, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Black{0, 0, 0};
}

// The colours of report and chart drawing.
namespace DrawColour {
inline const QColor Black{0, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor DarkRed{128, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Grey{128, 128, 128};
inline const QColor Green{0, 255, 0};
inline const QColor Red{255, 0, 0};
}

// Dialog units of "MS Sans Serif" 8: 1.5 px across, 1.625 px down.
constexpr int DluX(double units)
{
    return static_cast<int>(units * 1.5 + 0.5);
}
constexpr int DluY(double units)
{
    return static_cast<int>(units * 1.625 + 0.5);
}

// The place that centres a window of the given outer size on the primary screen
// (1024 x 768 without one), by Centred.
int CentreX(int width);
int CentreY(int height);
