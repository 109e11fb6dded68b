#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// True when an encoder for the MIME type exists: an image plugin listing it, or
// one of Qt's built-in formats.
bool HasEncoder(const QByteArray& mimeType);

// Saves with the encoder of `mimeType` at quality 100; false on any failure.
bool SaveImage(const QImage& image, const QString& path, const QByteArray& mimeType = "image/jpeg");

// The picture in a regular file of at most 64 MB; a null image otherwise. A FIFO or a
// device chosen as a picture is never opened for waiting or read without end.
QImage ReadPicture(const QString& path);
