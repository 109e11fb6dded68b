#include "app/PictureCommand.h"

#include "app/CommandLine.h"
#include "app/PlainStart.h"
#include "reports/DailyReadingSet.h"
#include "platform/AsciiText.h"
#include "platform/DataFile.h"
#include "reports/MonthChart.h"
#include "reports/ReportPicture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

namespace {
QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // Quality 100 is JPEG's best; for PNG it would mean no compression at all, a
    // picture of over a megabyte that the next run could not replace.
    if (qstrcmp(format, "png") != 0)
        writer.setQuality(100);
    return writer.write(image) ? bytes : QByteArray();
}
}

int RunPictureCommand(const CommandLine& command)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session ("XDG_RUNTIME_DIR not set") are no business of a
    // command.
    QuietQtMessages();
    int argc = 1;
    char name[] = "Kestrane";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const Date date = *command.date;
    QImage picture;
    if (command.daysGiven) {
        picture = ComposeMonthPicture(MonthChartOf(&command.profileRecord, date, command.days));
    } else {
        const ProfileRecord& profile = command.profileRecord;
        picture = ComposeReportPicture(ComposeDailyReadingSet(profile, ComputeDailyRecord(profile, date)),
                                       ReportVariant::Window);
    }
    const bool png = EndsWithLowerAscii(command.output, ".png");
    const QByteArray bytes = Encoded(picture, png ? "png" : "jpeg");
    // Written beside the file and renamed over it: a link there is replaced, never
    // followed, and a failure leaves no half picture.
    if (bytes.isEmpty() || !WriteFileAtomically(command.output, bytes.toStdString())) {
        std::fprintf(stderr, "%s: cannot write %s\n", command.program.c_str(), QuotedArgument(command.output).c_str());
        return 1;
    }
    return 0;
}
