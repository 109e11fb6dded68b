#pragma once

#include "profiles/ProfileFiles.h"

#include <QDialog>
#include <QString>
#include <array>
#include <string>

class PageWindow;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The "Profile" dialog: creates a profile or changes one, and shows the zodiac
// picture of the birthday in a narrow window at its right.
class ProfileEditorWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProfileEditorWindow(QWidget* parent = nullptr);
    ~ProfileEditorWindow() override;

    // Each runs the dialog modally; true when it ended with Save.
    bool RunNew();
    bool RunEdit(const std::string& description);

    // The profile as saved (description, full name and calibration for the list).
    const ProfileRecord& Record() const { return record; }
    PageWindow* ZodiacWindow() const { return zodiacWindow; }
    QString ZodiacImage() const { return zodiacImage; }

    // Escape and the close box.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One date's three lists and where the date is kept in the record.
    struct DateRow {
        QComboBox* month = nullptr;
        QComboBox* day = nullptr;
        QComboBox* year = nullptr;
        Date* date = nullptr;
    };
    enum Row { Birthday, Mother, Father, Good, Bad, RowCount };

    void CreateControls();
    void ConnectRow(Row row);
    void FillRow(Row row, const Date& shown);
    void EmptyRow(Row row);
    void SetRowEnabled(Row row, bool enabled);
    Date DateOfRow(Row row) const;
    void RowMonthChanged(Row row);
    void RowDayChanged(Row row);
    void RowYearChanged(Row row);
    void BirthdayMoved();

    void ParentToggled(Row row, bool on);
    void CalibrationToggled(bool on);

    void Open(const std::string& description);
    // Returns the frame's rectangle.
    QRect PlaceWindow();
    void ShowZodiac();
    void PlaceZodiac(const QRect& outer);
    void ZodiacClosed();
    void DestroyZodiac();

    bool Validate();
    void Save();

    // Reading pages about the birthday, provided with the reference texts.
    void ShowBirthYearPage();
    void ShowZodiacSignPage();
    void ShowSoulNumberPage();

    ProfileRecord record;
    bool editMode = false;
    std::string editDescription;
    QString zodiacImage;
    PageWindow* zodiacWindow = nullptr;
    bool zodiacShown = false;
    bool opened = false;

    QLineEdit* descriptionEdit = nullptr;
    QLineEdit* fullNameEdit = nullptr;
    QPushButton* yearButton = nullptr;
    QPushButton* signButton = nullptr;
    QPushButton* numberButton = nullptr;
    QCheckBox* motherBox = nullptr;
    QCheckBox* fatherBox = nullptr;
    QCheckBox* calibrationBox = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;
    std::array<DateRow, RowCount> rows;
};
