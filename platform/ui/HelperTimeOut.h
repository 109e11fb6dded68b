#pragma once

// From now on a helper program that runs out of time is told in a stop message,
// over the window that started it.
void ShowHelperTimeOuts();
