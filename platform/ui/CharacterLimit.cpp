#include "platform/ui/CharacterLimit.h"

#include <QLineEdit>

int CharacterLimit::Count(const QString& text)
{
    return static_cast<int>(text.toUcs4().size());
}

void CharacterLimit::Apply(QLineEdit* edit, int limit)
{
    edit->setValidator(new CharacterLimit(limit, edit));
}

CharacterLimit::CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit(limit)
{}

QValidator::State CharacterLimit::validate(QString& input, int& position) const
{
    int excess = Count(input) - limit;
    if (excess <= 0)
        return Acceptable;
    // What was just typed or pasted ends at the cursor: it loses its last
    // characters, as it would in a field limited in length.
    int start = position;
    for (; excess > 0 && start > 0; --excess)
        start -= start >= 2 && input.at(start - 1).isLowSurrogate() && input.at(start - 2).isHighSurrogate() ? 2 : 1;
    if (excess > 0)
        return Invalid;
    input.remove(start, position - start);
    position = start;
    return Acceptable;
}
