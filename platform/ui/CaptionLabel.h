#pragma once

#include <QLabel>

// A caption or a line of text on the dialog face. It looks like the read-only, frameless
// field such captions have always been (it is drawn as one would be), and is a label to
// screen readers: one whose buddy is set names its field.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength);

    // Keeps the caption's length limit, as the field did.
    void setText(const QString& text);
    int maxLength() const { return limit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int limit;
    QColor colour;
    QColor face;  // the dialog face behind the field, as it was when the caption was made
};

// Names a field that has no caption of its own, or whose caption names a group of fields
// ("Birthday:" before month, day and year): an unseen label tied to it says what it is.
void NameField(QWidget* field, const QString& name);
