#pragma once

#include <QDialog>
#include <functional>

// Runs a dialog modally and returns its result. Tests install a driver that gets the
// dialog instead: it clicks the dialog's controls, and the dialog's result() then
// counts as the button that closed it.
int RunModal(QDialog& dialog);
void SetModalDriverForTesting(std::function<void(QDialog&)> driver);
