#pragma once

// The remover after its pause: removes the product and shows the result.
// Returns the exit code: 1 when Moravel is running (nothing is removed), else 0.
// Needs a QApplication.
int RunRemoval();
