#include "schedule/UnattendedPicture.h"

#include "platform/DataFile.h"
#include "platform/ImageEncoder.h"
#include "reports/ReportPicture.h"
#include "schedule/UnattendedRun.h"

#include <QGuiApplication>

bool WriteUnattendedPicture(const DailyReadingSet& set)
{
    const std::string path = UnattendedPicturePath();
    if (FileExists(path))
        MakeWritableAndDelete(path);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || !HasEncoder("image/jpeg"))
        return false;
    return SaveImage(ComposeReportPicture(set, ReportVariant::Unattended), QString::fromStdString(path));
}
