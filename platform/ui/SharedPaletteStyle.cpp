#include "platform/ui/SharedPaletteStyle.h"

#include <QStyleOption>

namespace {
// Keys of palettes long gone are forgotten now and then; the colours stay.
constexpr std::size_t kKeysKept = 1024;
}

// The option's palette, replaced by the shared one for one drawing. The options are the
// callers' own, made for the drawing (Qt's widgets make them on the stack), and get
// their palette back before the call returns.
class SharedPaletteStyle::Lend {
public:
    Lend(const SharedPaletteStyle& style, const QStyleOption* option)
        : option(const_cast<QStyleOption*>(option)),
          own(option ? option->palette : QPalette())
    {
        if (!this->option)
            return;
        this->option->palette = style.Shared(own);
        // Which colours apply (a disabled control's) is the option's, not the palette's.
        this->option->palette.setCurrentColorGroup(own.currentColorGroup());
    }
    ~Lend()
    {
        if (option)
            option->palette = own;
    }
    Lend(const Lend&) = delete;
    Lend& operator=(const Lend&) = delete;

private:
    QStyleOption* option;
    const QPalette own;
};

SharedPaletteStyle::SharedPaletteStyle(QStyle* base) : QProxyStyle(base)
{}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    const Lend lend(*this, option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const Lend lend(*this, option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const
{
    const Lend lend(*this, option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

const QPalette& SharedPaletteStyle::Shared(const QPalette& palette) const
{
    const qint64 key = palette.cacheKey();
    if (const auto known = byKey.find(key); known != byKey.end())
        return distinct[known->second];
    if (byKey.size() >= kKeysKept)
        byKey.clear();
    std::size_t index = 0;
    while (index < distinct.size() &&
           !(distinct[index] == palette && distinct[index].resolveMask() == palette.resolveMask()))
        ++index;
    if (index == distinct.size())
        distinct.push_back(palette);
    byKey.emplace(key, index);
    return distinct[index];
}
