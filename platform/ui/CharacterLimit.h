#pragma once

#include <QValidator>

class QLineEdit;

// Length limits count characters as the user sees them: a character outside the
// Basic Multilingual Plane (most emoji) is one, not the two UTF-16 units a plain
// QLineEdit::setMaxLength would count.
class CharacterLimit : public QValidator {
public:
    static int Count(const QString& text);
    // Stops typing and pasting in `edit` beyond `limit` characters.
    static void Apply(QLineEdit* edit, int limit);

    CharacterLimit(int limit, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    int limit;
};
