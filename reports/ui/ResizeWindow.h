#pragma once

#include <QDialog>
#include <QString>

class PageView;
class QCheckBox;
class QComboBox;
class QPushButton;

// Shrinks a saved report picture into ReportsDir + "_T_" + its file name. The source
// is never changed. After the window closes the opener looks at Produced(), not at
// the button: a failed resize still closes with Save.
class ResizeWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResizeWindow(const QString& sourcePath, QWidget* parent = nullptr);

    bool Produced() const { return produced; }
    QString ResultPath() const { return resultPath; }
    int SourceWidth() const { return sourceWidth; }
    int SourceHeight() const { return sourceHeight; }
    int NewWidth() const { return newWidth; }
    int NewHeight() const { return newHeight; }

    QCheckBox* ResizeBox() const { return resizeBox; }
    QComboBox* PercentageList() const { return percentageList; }
    QPushButton* SaveButton() const { return saveButton; }
    QPushButton* CancelButton() const { return cancelButton; }
    PageView* SizePage() const { return page; }

    // Writes sourcePath scaled to `percent` into resultPath; false on any failure.
    static bool ResizePicture(const QString& sourcePath, const QString& resultPath, int percent);

public slots:
    void reject() override;

private:
    void ResizeToggled(bool ticked);
    void PercentageChosen(int position);
    void SaveClicked();
    void EnableSave(bool enabled);
    void ShowSizePage();

    QString sourcePath;
    QString resultPath;
    bool resizeOn = false;
    bool produced = false;
    int sourceWidth = 0;
    int sourceHeight = 0;
    int newWidth = 0;
    int newHeight = 0;

    QCheckBox* resizeBox = nullptr;
    QComboBox* percentageList = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;
    PageView* page = nullptr;
};
