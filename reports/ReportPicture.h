#pragma once

#include "reports/DailyReadingSet.h"

#include <QImage>

// The 780 x 550 daily report picture.
enum class ReportVariant {
    Window,      // saved from the Daily Analysis window: Intuition label at x 476
    Unattended,  // the scheduled delivery: Intuition label at x 484
};

QImage ComposeReportPicture(const DailyReadingSet& set, ReportVariant variant);
