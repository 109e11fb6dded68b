#pragma once

#include "platform/FieldCheck.h"

#include <QString>
#include <initializer_list>

class QWidget;

// A window's check of one text field: its text as shown, the test, the message, and
// the field, which takes the focus after the message.
struct FieldCheckRow {
    QString text;
    FieldTest test;
    QString message;
    QWidget* field = nullptr;
};

// Runs the checks in their order. At the first that fails it shows that check's
// message in a stop box, gives the focus to its field, and returns false; true when
// every check passes.
bool FieldsPass(std::initializer_list<FieldCheckRow> rows);
