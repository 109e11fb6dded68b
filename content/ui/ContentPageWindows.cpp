#include "content/ui/ContentPageWindows.h"

#include "content/DreamPage.h"
#include "content/PageWriter.h"
#include "content/ReferencePages.h"
#include "content/Superstitions.h"
#include "content/ui/PageWindow.h"
#include "platform/Paths.h"

#include <QString>

namespace {
bool WriteAndShow(const PagePair& page, const char* title, int width, int height, QWidget* parent)
{
    if (!WritePagePair(page))
        return false;
    PageWindow::ShowPage(QString::fromUtf8(title), QString::fromStdString(InstallDir() + page.entryName), width, height,
                         parent);
    return true;
}
}

bool ShowSignPage(int month, int day, QWidget* parent)
{
    return WriteAndShow(SignPage(month, day), SignPageFrame.title, SignPageFrame.width, SignPageFrame.height, parent);
}

bool ShowNumberPage(int month, int day, int year, QWidget* parent)
{
    return WriteAndShow(NumberPage(month, day, year), NumberPageFrame.title, NumberPageFrame.width,
                        NumberPageFrame.height, parent);
}

bool ShowYearPage(int year, QWidget* parent)
{
    return WriteAndShow(YearPage(year), YearPageFrame.title, YearPageFrame.width, YearPageFrame.height, parent);
}

bool ShowSuperstitions(const Date& shownDate, QWidget* parent)
{
    return WriteAndShow(SuperstitionPage(shownDate.day), SuperstitionTitle, SuperstitionWidth, SuperstitionHeight,
                        parent);
}

bool ShowDreamPage(const std::string& profilePath, int month, int day, int year, QWidget* parent)
{
    const int emotional = DreamEmotionalReading(profilePath, month, day, year);
    return WriteAndShow(DreamPage(emotional, month, day, year), DreamTitle, DreamWidth, DreamHeight, parent);
}
