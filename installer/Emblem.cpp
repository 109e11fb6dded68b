#include "installer/Emblem.h"

#include "platform/Drawing.h"
#include "platform/Installation.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

QPixmap MoravelEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    QRadialGradient sky(disc.center(), size / 2.0, QPointF(size * 0.35, size * 0.3));
    sky.setColorAt(0, QColor(90, 110, 220));
    sky.setColorAt(1, QColor(20, 20, 90));
    painter.setBrush(sky);
    painter.setPen(QPen(QColor(255, 255, 0), std::max(1.0, size / 24.0)));
    painter.drawEllipse(disc);

    // A five-pointed star for the day's fortune.
    QPainterPath star;
    const QPointF centre = disc.center();
    const double outer = size * 0.34, inner = size * 0.14;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 ? inner : outer;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPath(star);
    return pixmap;
}

QIcon MoravelIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(MoravelEmblem(size));
    // By name from the icon theme, where the install put it.
    return QIcon::fromTheme(QString::fromStdString(ApplicationId), icon);
}

QPixmap SignTile(int index, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    static const QColor elements[4] = {{220, 60, 40}, {60, 160, 60}, {230, 200, 60}, {60, 110, 220}};
    painter.setBrush(elements[index % 4]);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    QFont font = ReportFont(size * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(QChar(0x2648 + index % 12)));
    return pixmap;
}
