#include "app/ui/MainWindowControls.h"

#include "platform/Drawing.h"
#include "platform/ui/ComboLists.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

MainWindowControls MainWindowControls::Create(QDialog* window)
{
    MainWindowControls c;
    c.frame = new QFrame(window);
    c.frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    c.frame->setGeometry(10, 4, 760, 378);

    c.addButton = MakeButton(QStringLiteral("Add Profile"), QStringLiteral("addProfile"), window, {28, 24, 150, 34},
                             QStringLiteral("add new profile"));
    c.editButton = MakeButton(QStringLiteral("Edit Profile"), QStringLiteral("editProfile"), window, {188, 24, 150, 34},
                              QStringLiteral("edit existing profile"));
    c.deleteButton = MakeButton(QStringLiteral("Delete Profile"), QStringLiteral("deleteProfile"), window,
                                {348, 24, 150, 34}, QStringLiteral("delete existing profile"));

    auto* icon = new QLabel(window);
    icon->setPixmap(ProgramPicture(48));
    icon->setGeometry(706, 14, 48, 48);
    icon->setAccessibleName(QStringLiteral("Moravel"));

    c.list = ProfileListView(window);
    NameField(c.list.Tree(), QStringLiteral("Profiles"));  // a list takes its name, not its label

    CaptionLabel* date = MakeLabel(QStringLiteral("Analyze Date:"), LabelColour::Blue, window, 50);
    date->setGeometry(12, 394, 118, 28);
    ChoiceList* month =
        MakeChoiceList(QStringLiteral("month"), window, {132, 392, 56, 32}, QStringLiteral("select month"));
    ChoiceList* day = MakeChoiceList(QStringLiteral("day"), window, {192, 392, 56, 32}, QStringLiteral("select date"));
    ChoiceList* year =
        MakeChoiceList(QStringLiteral("year"), window, {252, 392, 76, 32}, QStringLiteral("select year"));
    // Keys in an open list choose as well as keys on the closed one.
    for (ChoiceList* list : {month, day, year})
        list->WatchKeys();
    c.monthList = month;
    c.dayList = day;
    c.yearList = year;
    date->setBuddy(c.monthList);
    NameField(c.monthList, QStringLiteral("Analyze date: month"));
    NameField(c.dayList, QStringLiteral("Analyze date: day"));
    NameField(c.yearList, QStringLiteral("Analyze date: year"));
    MakeLabel(QStringLiteral("Select any date from your past, present or future."), LabelColour::White, window, 100)
        ->setGeometry(334, 394, 436, 28);

    // The lower band: the twelve sign pictures, cut from one picture of them side by side.
    static const char* const signs[] = {"aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
                                        "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};
    const QImage band = BuiltInPixels(QStringLiteral(":/pixels/band/signs.pixels"));
    const int side = band.height();
    const int width = window->width();
    for (int i = 0; i < 12; ++i) {
        auto* picture = new QLabel(window);
        picture->setPixmap(QPixmap::fromImage(band.copy(i * side, 0, side, side)));
        picture->setGeometry(width / 2 - 12 * 40 / 2 + i * 40 + 6, 434, 28, 28);
        QString sign = QLatin1String(signs[i]);
        sign[0] = sign[0].toUpper();
        picture->setAccessibleName(sign);
    }

    c.analyzeButton = MakeButton(QStringLiteral("Analyze Day"), QStringLiteral("analyzeDay"), window,
                                 {10, 474, 120, 36}, QStringLiteral("full daily analysis"));
    c.scheduleButton = MakeButton(QStringLiteral("Schedule"), QStringLiteral("schedule"), window, {138, 474, 120, 36},
                                  QStringLiteral("schedule daily report delivery"));
    c.openReportButton = MakeButton(QStringLiteral("Open Report"), QStringLiteral("openReport"), window,
                                    {266, 474, 120, 36}, QStringLiteral("open any saved daily report"));
    c.companionButton = MakeButton(QStringLiteral("Companion"), QStringLiteral("companion"), window,
                                   {394, 474, 120, 36}, QStringLiteral("companion analysis"));
    c.dreamsButton = MakeButton(QStringLiteral("Dreams"), QStringLiteral("dreams"), window, {522, 474, 120, 36},
                                QStringLiteral("dream interpretation"));
    c.helpButton = MakeButton(QStringLiteral("Help"), QStringLiteral("help"), window, {650, 474, 120, 36},
                              QStringLiteral("help wizard"));
    c.analyzeButton->setDefault(true);

    for (QPushButton* button :
         {c.editButton, c.deleteButton, c.analyzeButton, c.companionButton, c.scheduleButton, c.dreamsButton})
        button->setEnabled(false);

    DateLists::FillMonths(c.monthList);
    DateLists::FillYears(c.yearList);
    return c;
}
