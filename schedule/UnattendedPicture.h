#pragma once

#include "reports/DailyReadingSet.h"

// The scheduled mail's picture of today's report written to UnattendedPicturePath(),
// an older one removed first; false when there is no JPEG encoder or the file could
// not be written. Needs a QGuiApplication (offscreen) for the font database.
bool WriteUnattendedPicture(const DailyReadingSet& unlimitedSet);
