#include "platform/FileMessages.h"

QString CannotReadMessage(const std::string& path)
{
    return QStringLiteral("Unable to read ") + QString::fromStdString(path) +
           QStringLiteral(".    \nMoravel will not change this file until it can be read.    ");
}

QString CannotSaveMessage(const std::string& path)
{
    return QStringLiteral("Unable to save ") + QString::fromStdString(path) + QStringLiteral(".    ");
}

QString CannotDeleteMessage(const std::string& path)
{
    return QStringLiteral("Unable to delete ") + QString::fromStdString(path) + QStringLiteral(".    ");
}
