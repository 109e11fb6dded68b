#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <unordered_map>
#include <vector>

// Fusion keeps what it has drawn (a button's face, a list's header) for the next control
// of the same size and state, found by the palette's identity. Every widget holds its
// own copy of the same palette, though, so nothing drawn for one button served the next.
// This style hands each drawing on with one palette per set of colours, so equal
// controls are drawn once and copied; what is drawn is unchanged.
class SharedPaletteStyle : public QProxyStyle {
public:
    explicit SharedPaletteStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    class Lend;
    const QPalette& Shared(const QPalette& palette) const;

    mutable std::vector<QPalette> distinct;
    mutable std::unordered_map<qint64, std::size_t> byKey;  // a palette's key names fixed colours
};
