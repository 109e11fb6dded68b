#include "platform/ui/FieldChecks.h"

#include "platform/ui/MessageBox.h"

#include <QWidget>

bool FieldsPass(std::initializer_list<FieldCheckRow> rows)
{
    std::vector<FieldCheck> checks;
    checks.reserve(rows.size());
    for (const FieldCheckRow& row : rows)
        checks.push_back({row.text.toStdString(), row.test, {}});
    const std::optional<std::size_t> failed = FirstFailedCheck(checks);
    if (!failed)
        return true;
    const FieldCheckRow& row = rows.begin()[*failed];
    MessageBox::stop(row.message);
    if (row.field)
        row.field->setFocus(Qt::OtherFocusReason);
    return false;
}
