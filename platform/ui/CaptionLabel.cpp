#include "platform/ui/CaptionLabel.h"

#include "platform/Drawing.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>

namespace {
// The field's inner margins: two pixels on either side of the text, one above or below it.
constexpr int kSideMargin = 2;
constexpr int kEndMargin = 1;
const QColor kFieldBase(128, 128, 128);

// The field shows a control character or a line break as a space.
QString ShownText(QString text)
{
    for (QChar& c : text)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    return text;
}
}

CaptionLabel::CaptionLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength)
    : QLabel(parent),
      limit(maxLength),
      colour(colour),
      face(palette().color(QPalette::Window))
{
    setFont(ControlFont());
    setText(text);
}

void CaptionLabel::setText(const QString& text)
{
    QLabel::setText(text.left(limit));
}

// Drawn as the read-only field draws itself: its panel on the face, then one line of text
// scrolled to its start, centred in height, placed by the alignment where it fits.
void CaptionLabel::paintEvent(QPaintEvent*)
{
    const QRect area = rect();
    QPainter painter(this);
    painter.fillRect(area, face);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.rect = area;
    panel.lineWidth = 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    panel.palette.setColor(QPalette::Base, kFieldBase);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setClipRect(area);

    const QFontMetrics metrics = fontMetrics();
    QTextLayout layout(ShownText(text()), font());
    QTextOption option;
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const int lineHeight = std::max(metrics.boundingRect(text()).height(), metrics.height());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int top = area.y() + (area.height() - lineHeight + 1) / 2;
    if (align & Qt::AlignTop)
        top = area.y() + kEndMargin;
    else if (align & Qt::AlignBottom)
        top = area.y() + area.height() - lineHeight - kEndMargin;
    const QRect lineRect(area.x() + kSideMargin, top, area.width() - 2 * kSideMargin, lineHeight);

    const int widthUsed = qRound(line.naturalTextWidth()) + 1;
    int scroll = 0;  // a line too long for the field shows its start
    if (widthUsed <= lineRect.width()) {
        if (align & Qt::AlignRight)
            scroll = widthUsed - lineRect.width() + 1;
        else if (align & Qt::AlignHCenter)
            scroll = (widthUsed - lineRect.width()) / 2;
    }
    painter.setPen(colour);
    layout.draw(&painter, lineRect.topLeft() - QPoint(scroll, qRound(line.ascent()) - metrics.ascent()), {}, area);
}

void NameField(QWidget* field, const QString& name)
{
    field->setAccessibleName(name);
    if (!field->parentWidget())
        return;
    auto* label = new QLabel(name, field->parentWidget());
    label->setBuddy(field);
    label->hide();
}
