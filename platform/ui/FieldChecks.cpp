#include "platform/ui/FieldChecks.h"

#include "platform/ui/MessageBox.h"

bool FieldsPass(std::initializer_list<FieldCheckRow> rows)
{
    std::vector<FieldCheck> checks;
    checks.reserve(rows.size());
    for (const FieldCheckRow& row : rows)
        checks.push_back({row.text.toStdString(), row.test, {}});
    const std::optional<std::size_t> failed = FirstFailedCheck(checks);
    if (!failed)
        return true;
    MessageBox::stop(rows.begin()[*failed].message);
    return false;
}
