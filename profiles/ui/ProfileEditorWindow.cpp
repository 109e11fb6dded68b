#include "profiles/ui/ProfileEditorWindow.h"

#include "content/ui/ContentPageWindows.h"
#include "content/ui/PageView.h"
#include "content/ui/PageWindow.h"
#include "content/ZodiacPicturePage.h"
#include "engine/ZodiacSigns.h"
#include "platform/Centring.h"
#include "platform/DataFile.h"
#include "platform/FileMessages.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/ui/CharacterLimit.h"
#include "platform/ui/ComboLists.h"
#include "platform/ui/FieldChecks.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/KeyPressWatch.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "profiles/ProfileChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 440;
constexpr int kZodiacWidth = 60;
constexpr int kMaxText = 100;
constexpr int kDateX = 330;

QCheckBox* MakeCheckBox(const QString& text, const QString& name, QWidget* parent, const QRect& place)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setFont(ControlFont());
    box->setGeometry(place);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, LabelColour::Blue);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, LabelColour::Blue);
    box->setPalette(palette);
    return box;
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent, const QRect& place)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFont(ControlFont());
    CharacterLimit::Apply(edit, kMaxText);
    edit->setGeometry(place);
    return edit;
}

QString ZodiacPicturePath(const Date& birthday)
{
    return QString::fromStdString(PictureFolder() + SignPictureFile(birthday.month, birthday.day));
}
}

ProfileEditorWindow::ProfileEditorWindow(QWidget* parent) : QDialog(parent)
{
    qApp->installEventFilter(this);
    setWindowTitle(QStringLiteral("Profile"));
    setFixedSize(kWidth, kHeight);
    zodiacImage = QString::fromStdString(PictureFolder() + "capricorn.gif");
    rows[Birthday].date = &record.birthday;
    rows[Mother].date = &record.motherBirthday;
    rows[Father].date = &record.fatherBirthday;
    rows[Good].date = &record.goodDay;
    rows[Bad].date = &record.badDay;
    CreateControls();
}

ProfileEditorWindow::~ProfileEditorWindow()
{
    DestroyZodiac();
}

void ProfileEditorWindow::CreateControls()
{
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(8, 4, 540, 428);

    // Controls are created in tab order; the labels take no focus.
    CaptionLabel* descriptionLabel = MakeLabel(QStringLiteral("Description:"), LabelColour::Green, this);
    descriptionLabel->setGeometry(20, 20, 150, 28);
    descriptionEdit = MakeEdit(QStringLiteral("description"), this, {175, 18, 360, 30});
    descriptionLabel->setBuddy(descriptionEdit);
    descriptionEdit->setToolTip(QStringLiteral("profile description"));
    CaptionLabel* fullNameLabel = MakeLabel(QStringLiteral("Full Name:"), LabelColour::White, this);
    fullNameLabel->setGeometry(20, 58, 150, 28);
    fullNameEdit = MakeEdit(QStringLiteral("fullName"), this, {175, 56, 360, 30});
    fullNameLabel->setBuddy(fullNameEdit);
    fullNameEdit->setToolTip(QStringLiteral("full name"));

    CaptionLabel* rowLabels[RowCount] = {MakeLabel(QStringLiteral("Birthday:"), LabelColour::White, this)};
    rowLabels[Birthday]->setGeometry(20, 96, 150, 28);
    const char* const rowNames[RowCount] = {"Birthday", "Mother's birthday", "Father's birthday", "Good day",
                                            "Bad day"};
    const char* const prefixes[RowCount] = {"birth", "mother", "father", "good", "bad"};
    const int rowY[RowCount] = {94, 180, 218, 304, 342};
    auto createRow = [&](Row row) {
        const QString prefix = QLatin1String(prefixes[row]);
        rows[row].month = MakeChoiceList(prefix + QStringLiteral("Month"), this, {kDateX, rowY[row], 56, 32});
        rows[row].day = MakeChoiceList(prefix + QStringLiteral("Day"), this, {kDateX + 60, rowY[row], 56, 32});
        rows[row].year = MakeChoiceList(prefix + QStringLiteral("Year"), this, {kDateX + 120, rowY[row], 78, 32});
        const QString name = QLatin1String(rowNames[row]);
        if (rowLabels[row])
            rowLabels[row]->setBuddy(rows[row].month);
        NameField(rows[row].month, name + QStringLiteral(": month"));
        NameField(rows[row].day, name + QStringLiteral(": day"));
        NameField(rows[row].year, name + QStringLiteral(": year"));
    };
    createRow(Birthday);
    for (QComboBox* combo : {rows[Birthday].month, rows[Birthday].day, rows[Birthday].year})
        KeyPressWatch::Watch(combo);

    yearButton = MakeButton(QStringLiteral("Year"), QStringLiteral("yearPage"), this, {kDateX, 132, 60, 32});
    yearButton->setToolTip(QStringLiteral("birth year reading"));
    signButton = MakeButton(QStringLiteral("Sign"), QStringLiteral("signPage"), this, {kDateX + 64, 132, 60, 32});
    signButton->setToolTip(QStringLiteral("zodiac sign"));
    numberButton =
        MakeButton(QStringLiteral("Number"), QStringLiteral("numberPage"), this, {kDateX + 128, 132, 80, 32});
    numberButton->setToolTip(QStringLiteral("soul number"));

    motherBox =
        MakeCheckBox(QStringLiteral("Use Mother's Birthday"), QStringLiteral("useMother"), this, {20, 180, 300, 32});
    createRow(Mother);
    fatherBox =
        MakeCheckBox(QStringLiteral("Use Father's Birthday"), QStringLiteral("useFather"), this, {20, 218, 300, 32});
    createRow(Father);
    calibrationBox = MakeCheckBox(QStringLiteral("Use Personal Data For Calculations"),
                                  QStringLiteral("useCalibration"), this, {20, 264, 400, 32});
    calibrationBox->setToolTip(QStringLiteral("use manual calibration"));
    rowLabels[Good] = MakeLabel(QStringLiteral("Good Day:"), LabelColour::White, this);
    rowLabels[Good]->setGeometry(44, 306, 150, 28);
    createRow(Good);
    rowLabels[Bad] = MakeLabel(QStringLiteral("Bad Day:"), LabelColour::White, this);
    rowLabels[Bad]->setGeometry(44, 344, 150, 28);
    createRow(Bad);

    saveButton = MakeButton(QStringLiteral("Save"), QStringLiteral("save"), this, {300, 390, 110, 34});
    closeButton = MakeButton(QStringLiteral("Close"), QStringLiteral("close"), this, {420, 390, 110, 34});
    saveButton->setDefault(true);

    // Decorative pictures along the right edge.
    const QPixmap icon = ProgramPicture(32);
    for (int y : {14, 394}) {
        auto* picture = new QLabel(this);
        picture->setPixmap(icon);
        picture->setGeometry(558, y, 32, 32);
    }

    for (int row = 0; row < RowCount; ++row)
        ConnectRow(static_cast<Row>(row));
    connect(motherBox, &QCheckBox::toggled, this, [this](bool on) { ParentToggled(Mother, on); });
    connect(fatherBox, &QCheckBox::toggled, this, [this](bool on) { ParentToggled(Father, on); });
    connect(calibrationBox, &QCheckBox::toggled, this, &ProfileEditorWindow::CalibrationToggled);
    connect(saveButton, &QPushButton::clicked, this, &ProfileEditorWindow::Save);
    connect(closeButton, &QPushButton::clicked, this, &ProfileEditorWindow::reject);
    connect(yearButton, &QPushButton::clicked, this, &ProfileEditorWindow::ShowBirthYearPage);
    connect(signButton, &QPushButton::clicked, this, &ProfileEditorWindow::ShowZodiacSignPage);
    connect(numberButton, &QPushButton::clicked, this, &ProfileEditorWindow::ShowSoulNumberPage);
}

void ProfileEditorWindow::ConnectRow(Row row)
{
    connect(rows[row].month, &QComboBox::currentIndexChanged, this, [this, row] { RowMonthChanged(row); });
    connect(rows[row].day, &QComboBox::currentIndexChanged, this, [this, row] { RowDayChanged(row); });
    connect(rows[row].year, &QComboBox::currentIndexChanged, this, [this, row] { RowYearChanged(row); });
}

// --- Date rows --------------------------------------------------------------

void ProfileEditorWindow::FillRow(Row row, const Date& shown)
{
    DateRow& r = rows[row];
    const QSignalBlocker blockMonth(r.month);
    const QSignalBlocker blockYear(r.year);
    DateLists::FillMonths(r.month);
    r.month->setCurrentIndex(shown.month >= 1 && shown.month <= 12 ? shown.month - 1 : -1);
    DateLists::FillYears(r.year);
    r.year->setCurrentIndex(DateLists::YearEntry(shown.year));
    DateLists::FillDays(r.day, shown.month, shown.year, shown.day);
    *r.date = shown;
    r.date->day = r.day->currentIndex() + 1;
}

void ProfileEditorWindow::EmptyRow(Row row)
{
    for (QComboBox* combo : {rows[row].month, rows[row].day, rows[row].year}) {
        const QSignalBlocker blocker(combo);
        combo->clear();
    }
}

void ProfileEditorWindow::SetRowEnabled(Row row, bool enabled)
{
    for (QComboBox* combo : {rows[row].month, rows[row].day, rows[row].year})
        combo->setEnabled(enabled);
}

Date ProfileEditorWindow::DateOfRow(Row row) const
{
    return *rows[row].date;
}

void ProfileEditorWindow::RowMonthChanged(Row row)
{
    DateRow& r = rows[row];
    if (r.month->currentIndex() < 0)
        return;
    r.date->month = r.month->currentIndex() + 1;
    DateLists::FillDays(r.day, r.date->month, r.date->year, r.date->day);
    r.date->day = r.day->currentIndex() + 1;
    if (row == Birthday)
        BirthdayMoved();
}

void ProfileEditorWindow::RowDayChanged(Row row)
{
    DateRow& r = rows[row];
    if (r.day->currentIndex() < 0)
        return;
    r.date->day = r.day->currentIndex() + 1;
    if (row == Birthday)
        BirthdayMoved();
}

void ProfileEditorWindow::RowYearChanged(Row row)
{
    DateRow& r = rows[row];
    if (r.year->currentIndex() < 0)
        return;
    r.date->year = DateLists::YearOfEntry(r.year->currentIndex());
    RowMonthChanged(row);
}

void ProfileEditorWindow::BirthdayMoved()
{
    // The picture is rewritten only when the sign changed.
    const QString image = ZodiacPicturePath(record.birthday);
    if (image == zodiacImage)
        return;
    zodiacImage = image;
    ShowZodiac();
    // After a choice with the mouse; the arrow keys go on through the list.
    if (!KeyPressWatch::Handling())
        closeButton->setFocus();
}

// --- Check boxes ------------------------------------------------------------

void ProfileEditorWindow::ParentToggled(Row row, bool on)
{
    (row == Mother ? record.hasMother : record.hasFather) = on;
    if (on)
        FillRow(row, {1, rows[row].date->day, 1900});
    else
        EmptyRow(row);
    SetRowEnabled(row, on);
}

void ProfileEditorWindow::CalibrationToggled(bool on)
{
    record.manualCalibration = on;
    for (Row row : {Good, Bad}) {
        if (on)
            FillRow(row, {1, rows[row].date->day, 1900});
        else
            EmptyRow(row);
        SetRowEnabled(row, on);
    }
}

// --- Opening and placement --------------------------------------------------

bool ProfileEditorWindow::RunNew()
{
    Open({});
    return exec() == QDialog::Accepted;
}

bool ProfileEditorWindow::RunEdit(const std::string& description)
{
    editMode = true;
    editDescription = description;
    // The editor still opens (with the defaults); saving will not write over the file.
    if (const std::string path = ProfilePath(description); DataFileState(path) == FileState::Unreadable)
        MessageBox::stop(CannotReadMessage(path));
    Open(description);
    return exec() == QDialog::Accepted;
}

void ProfileEditorWindow::Open(const std::string& description)
{
    for (Row row : {Mother, Father, Good, Bad})
        SetRowEnabled(row, false);
    // The title stays "Profile"; a screen reader hears whose profile it is.
    setAccessibleDescription(description.empty() ? QStringLiteral("New profile")
                                                 : QStringLiteral("Profile ") + QString::fromStdString(description));
    if (!description.empty()) {
        record = LoadProfile(description);
        // The profile is its file: whatever the file says, saving writes the same file back.
        record.description = description;
        FillRow(Birthday, record.birthday);
        const std::pair<QCheckBox*, bool> flags[] = {
            {fatherBox, record.hasFather}, {motherBox, record.hasMother}, {calibrationBox, record.manualCalibration}};
        for (const auto& [box, on] : flags) {
            if (!on)
                continue;
            const QSignalBlocker blocker(box);
            box->setChecked(true);
        }
        // Each row in use shows the date the file holds.
        const std::pair<Row, bool> shown[] = {{Father, record.hasFather},
                                              {Mother, record.hasMother},
                                              {Bad, record.manualCalibration},
                                              {Good, record.manualCalibration}};
        for (const auto& [row, on] : shown) {
            if (!on)
                continue;
            FillRow(row, *rows[row].date);
            SetRowEnabled(row, true);
        }
    } else {
        FillRow(Birthday, {1, 1, 1900});
    }
    descriptionEdit->setText(QString::fromStdString(record.description));
    fullNameEdit->setText(QString::fromStdString(record.fullName));
    if (editMode) {
        descriptionEdit->setEnabled(false);
        fullNameEdit->setEnabled(false);
    }
}

// A window manager raises the modal editor together with its owner on a click,
// which would bury the picture under the main window: the picture follows the
// editor up. The click reaches the program after the window manager's restacking.
bool ProfileEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && zodiacWindow && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        zodiacWindow->raise();
    return QDialog::eventFilter(watched, event);
}

void ProfileEditorWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (opened)
        return;
    opened = true;
    PlaceWindow();
    zodiacShown = true;
    zodiacImage = ZodiacPicturePath(record.birthday);
    ShowZodiac();
    closeButton->setFocus();
    // Once framed, the editor is placed by its frame and the picture stands against
    // the frame's right edge, as high as the frame, above the windows it would hide under.
    FrameWatch::WhenFramed(this, [this] {
        const QRect outer = PlaceWindow();
        if (zodiacWindow)
            PlaceZodiac(outer);
    });
}

void ProfileEditorWindow::PlaceZodiac(const QRect& outer)
{
    zodiacWindow->SetSize(kZodiacWidth, outer.height());
    zodiacWindow->SetPosition(outer.left() + outer.width(), outer.top());
    zodiacWindow->raise();
}

QRect ProfileEditorWindow::PlaceWindow()
{
    const QScreen* screen = this->screen();
    const QSize area = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize outer = FrameWatch::OuterSize(this);
    const int w = outer.width() + kZodiacWidth;
    const int h = outer.height();
    const int left = CentredOrOverhang(area.width(), w);
    const int top = TopOnScreen(CentredOrOverhang(area.height(), h) - 20);
    FrameWatch::MoveFrame(this, {left, top});
    return {left, top, outer.width(), outer.height()};
}

// --- The zodiac picture window ----------------------------------------------

void ProfileEditorWindow::ShowZodiac()
{
    if (!zodiacShown)
        return;
    WriteZodiacPicturePage(PageView::PathBytes(zodiacImage));
    const QString page = QString::fromStdString(InstallDir() + "sign_e.htm");
    if (zodiacWindow) {
        zodiacWindow->Navigate(page);
        return;
    }
    zodiacWindow = new PageWindow(this);
    zodiacWindow->SetTitle(QStringLiteral(" "));
    PlaceZodiac({frameGeometry().topLeft(), FrameWatch::OuterSize(this)});
    zodiacWindow->SetPage(page);
    connect(zodiacWindow, &PageWindow::closedByUser, this, &ProfileEditorWindow::ZodiacClosed);
    zodiacWindow->ShowModeless();
}

void ProfileEditorWindow::ZodiacClosed()
{
    // Closed by the user: not shown again during this run of the editor.
    if (zodiacWindow)
        zodiacWindow->deleteLater();
    zodiacWindow = nullptr;
    zodiacShown = false;
}

void ProfileEditorWindow::DestroyZodiac()
{
    delete zodiacWindow;
    zodiacWindow = nullptr;
}

// --- Save and Close ---------------------------------------------------------

bool ProfileEditorWindow::Validate()
{
    const QString description = descriptionEdit->text();
    const QString fullName = fullNameEdit->text();
    // The description names the profile's file in InstallDir and must stay inside it.
    // The full name is checked as a line only when typed or pasted: in edit mode the
    // field shows what the file holds.
    const bool typed = !editMode;
    if (!FieldsPass({
            {description, FieldTests::Filled, QStringLiteral("Please enter Profile Description first.    "),
             descriptionEdit},
            {description, FieldTests::AtMost(kMaxText),
             QStringLiteral("Profile Description is limited to 100 characters.    "), descriptionEdit},
            {description,
             [](std::string_view text) { return IsOneLineValue(text) && IsValidProfileFileName(std::string(text)); },
             QStringLiteral("Profile Description is not a valid file name.    "), descriptionEdit},
            {fullName, FieldTests::Filled, QStringLiteral("Please enter Full Name first.    "), fullNameEdit},
            {fullName, FieldTests::AtMost(kMaxText), QStringLiteral("Full Name is limited to 100 characters.    "),
             fullNameEdit},
            {fullName, [typed](std::string_view text) { return !typed || IsOneLineValue(text); },
             QStringLiteral("Full Name is not valid.    "), fullNameEdit},
        }))
        return false;
    if (const std::string message = ParentAgeMessage(record); !message.empty()) {
        MessageBox::stop(QString::fromStdString(message));
        return false;
    }
    if (FileExists(ProfilePath(description.toStdString())) &&
        !MessageBox::question(QStringLiteral("A profile with the same description already exists.    \n"
                                             "Do you want to continue and replace it?     ")))
        return false;
    return true;
}

void ProfileEditorWindow::Save()
{
    if (!Validate())
        return;
    // The date rows keep their dates in the record as they change.
    ProfileRecord saved = record;
    saved.description = descriptionEdit->text().toStdString();
    saved.fullName = fullNameEdit->text().toStdString();
    if (!SaveProfile(saved)) {
        // Ending with OK here would add a row for a profile that does not exist.
        MessageBox::stop(QStringLiteral("Unable to save profile.    "));
        return;
    }
    record = saved;
    DestroyZodiac();
    accept();
}

void ProfileEditorWindow::reject()
{
    for (int row = 0; row < RowCount; ++row)
        EmptyRow(static_cast<Row>(row));
    DestroyZodiac();
    QDialog::reject();
}

void ProfileEditorWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();  // the editor has no help of its own
        return;
    }
    QDialog::keyPressEvent(event);
}

// --- Reading pages about the birthday ---------------------------------------

void ProfileEditorWindow::ShowBirthYearPage()
{
    ShowYearPage(DateOfRow(Birthday).year, this);
}

void ProfileEditorWindow::ShowZodiacSignPage()
{
    const Date birthday = DateOfRow(Birthday);
    ShowSignPage(birthday.month, birthday.day, this);
}

void ProfileEditorWindow::ShowSoulNumberPage()
{
    const Date birthday = DateOfRow(Birthday);
    ShowNumberPage(birthday.month, birthday.day, birthday.year, this);
}
