#pragma once

#include "platform/FieldCheck.h"

#include <QString>
#include <initializer_list>

// A window's check of one text field: its text as shown, the test, the message.
struct FieldCheckRow {
    QString text;
    FieldTest test;
    QString message;
};

// Runs the checks in their order. At the first that fails it shows that check's
// message in a stop box and returns false; true when every check passes.
bool FieldsPass(std::initializer_list<FieldCheckRow> rows);
