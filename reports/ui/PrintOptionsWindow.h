#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// Lets the user shrink an image print, tile copies on the page, or fit it to a
// 4 x 6 photo sheet. The caller reads percent, tile and photo4x6 afterwards,
// however the window was closed.
class PrintOptionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintOptionsWindow(QWidget* parent = nullptr);

    // Before the window runs: the printed file, its size at 100 % in inches, the printer's dpi.
    void SetSource(const QString& sourceName);
    void SetBaseSize(double baseWidth, double baseHeight);
    void SetResolution(int resolutionX, int resolutionY);

    int Percent() const { return percent; }
    bool Tile() const { return tile; }
    bool Photo4x6() const { return photo4x6; }
    double HeightInches() const { return height; }
    double WidthInches() const { return width; }
    QString ResolutionText() const { return resolutionText; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Initialise();
    void RefillTile();
    void ResizeChosen(int row);
    void TileChosen(int row);
    void PhotoClicked();
    void TakeShownValues();
    void ShowValues();

    QCheckBox* photoBox;
    QComboBox* resizeList;
    QComboBox* tileList;
    QPushButton* printButton;
    QLineEdit* heightBox;
    QLineEdit* widthBox;
    QLineEdit* resolutionBox;

    double height = 4.0;
    double width = 6.0;
    QString resolutionText;
    QString sourceName;
    int resolutionX = 0;
    int resolutionY = 0;
    double baseWidth = 0.0;
    double baseHeight = 0.0;
    int percent = 100;
    bool tile = false;
    bool photo4x6 = false;
    bool initialised = false;
};
