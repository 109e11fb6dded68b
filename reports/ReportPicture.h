#pragma once

#include "engine/DailyReadingSet.h"

#include <QImage>
#include <QString>

// The 780 x 550 daily report picture.
enum class ReportVariant {
    Window,      // saved from the Daily Analysis window: Intuition label at x 476
    Unattended,  // the scheduled delivery: Intuition label at x 484
};

QImage ComposeReportPicture(const DailyReadingSet& set, ReportVariant variant);

// True when an encoder for the MIME type exists: an image plugin listing it, or
// one of Qt's built-in formats.
bool HasEncoder(const QByteArray& mimeType);

// Saves with the encoder of `mimeType` at quality 100; false on any failure.
bool SaveImage(const QImage& image, const QString& path, const QByteArray& mimeType = "image/jpeg");
