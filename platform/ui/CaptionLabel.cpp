#include "platform/ui/CaptionLabel.h"

#include "platform/Drawing.h"

#include <QPainter>

CaptionLabel::CaptionLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength) : QLabel(parent)
{
    face.setMaxLength(maxLength);
    face.setReadOnly(true);
    face.setFrame(false);
    face.setFont(ControlFont());
    setFont(ControlFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(128, 128, 128));
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::Disabled, QPalette::Text, colour);
    face.setPalette(palette);
    setText(text);
}

void CaptionLabel::setText(const QString& text)
{
    face.setText(text);
    face.setCursorPosition(0);
    QLabel::setText(face.text());
}

void CaptionLabel::setAlignment(Qt::Alignment alignment)
{
    face.setAlignment(alignment);
    QLabel::setAlignment(alignment);
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    face.setEnabled(isEnabled());
    if (face.size() != size())
        face.resize(size());
    // Through a picture: the field rendered straight onto the screen's painter draws nothing.
    QPainter painter(this);
    painter.drawPixmap(0, 0, face.grab());
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
