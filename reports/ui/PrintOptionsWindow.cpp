#include "reports/ui/PrintOptionsWindow.h"

#include "platform/Paths.h"
#include "platform/ui/ComboLists.h"
#include "platform/ui/Look.h"
#include "reports/PrintLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {
constexpr int PhotoPercentRow = 19;  // the entry for 81 %

QString Hundredths(double value)
{
    return QString::asprintf("%.2f", value);
}
}

PrintOptionsWindow::PrintOptionsWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Print Options"));
    setFixedSize(DluX(211), DluY(119));

    auto* sizeGroup = new QGroupBox(QStringLiteral("Size"), this);
    sizeGroup->setGeometry(8, 4, 196, 144);

    photoBox = new QCheckBox(QStringLiteral("4 x 6 (Borderless)"), this);
    photoBox->setObjectName(QStringLiteral("photo"));
    photoBox->setGeometry(18, 24, 180, 24);
    photoBox->setToolTip(QStringLiteral("4 x 6 photo printers only"));

    auto* resizeLabel = new QLabel(QStringLiteral("Resize:"), this);
    resizeLabel->setGeometry(18, 58, 52, 20);
    resizeList = new QComboBox(this);
    resizeList->setObjectName(QStringLiteral("resize"));
    resizeList->setGeometry(74, 54, 90, 26);
    resizeList->setToolTip(QStringLiteral("resize daily report for printing"));

    auto* tileGroup = new QGroupBox(QStringLiteral("Tile"), this);
    tileGroup->setGeometry(18, 86, 176, 54);
    tileList = new QComboBox(this);
    tileList->setObjectName(QStringLiteral("tile"));
    tileList->setGeometry(74, 106, 90, 26);
    tileList->setToolTip(QStringLiteral("fit multiple report copies on one page"));

    printButton = new QPushButton(QStringLiteral("Print"), this);
    printButton->setObjectName(QStringLiteral("print"));
    printButton->setGeometry(214, 10, 94, 30);
    printButton->setDefault(true);
    printButton->setToolTip(QStringLiteral("print daily report"));

    auto* heightLabel = new QLabel(QStringLiteral("Height:"), this);
    heightLabel->setGeometry(214, 56, 44, 20);
    heightBox = new QLineEdit(this);
    heightBox->setObjectName(QStringLiteral("height"));
    heightBox->setGeometry(258, 54, 50, 24);
    heightBox->setReadOnly(true);

    auto* widthLabel = new QLabel(QStringLiteral("Width:"), this);
    widthLabel->setGeometry(214, 90, 44, 20);
    widthBox = new QLineEdit(this);
    widthBox->setObjectName(QStringLiteral("width"));
    widthBox->setGeometry(258, 88, 50, 24);
    widthBox->setReadOnly(true);

    auto* resolutionGroup = new QGroupBox(QStringLiteral("Printer Resolution"), this);
    resolutionGroup->setGeometry(8, 150, 300, 40);
    resolutionBox = new QLineEdit(this);
    resolutionBox->setObjectName(QStringLiteral("resolution"));
    resolutionBox->setGeometry(16, 164, 284, 22);
    resolutionBox->setReadOnly(true);
    resolutionBox->setAlignment(Qt::AlignCenter);
    resolutionBox->setMaxLength(50);

    setTabOrder(photoBox, resizeList);
    setTabOrder(resizeList, tileList);
    setTabOrder(tileList, printButton);
    setTabOrder(printButton, heightBox);
    setTabOrder(heightBox, widthBox);
    setTabOrder(widthBox, resolutionBox);

    connect(resizeList, &QComboBox::currentIndexChanged, this, &PrintOptionsWindow::ResizeChosen);
    connect(tileList, &QComboBox::currentIndexChanged, this, &PrintOptionsWindow::TileChosen);
    connect(photoBox, &QCheckBox::clicked, this, &PrintOptionsWindow::PhotoClicked);
    connect(printButton, &QPushButton::clicked, this, &QDialog::accept);
}

void PrintOptionsWindow::SetSource(const QString& name)
{
    sourceName = name;
}

void PrintOptionsWindow::SetBaseSize(double newBaseWidth, double newBaseHeight)
{
    baseWidth = width = newBaseWidth;
    baseHeight = height = newBaseHeight;
}

void PrintOptionsWindow::SetResolution(int x, int y)
{
    resolutionX = x;
    resolutionY = y;
}

void PrintOptionsWindow::showEvent(QShowEvent* event)
{
    if (!initialised) {
        initialised = true;
        Initialise();
    }
    QDialog::showEvent(event);
}

void PrintOptionsWindow::Initialise()
{
    for (QWidget* control : std::initializer_list<QWidget*>{photoBox, resizeList, tileList, printButton, heightBox,
                                                            widthBox, resolutionBox})
        control->setFont(ControlFont());

    resolutionText = (QString::number(resolutionX) + QStringLiteral(" X ") + QString::number(resolutionY)).left(50);
    FillPercentages(resizeList);
    percent = 100;
    RefillTile();
    height = ToHundredths(height);
    width = ToHundredths(width);
    setWindowTitle(QStringLiteral("Print: ") + QString::fromStdString(FileNameOfPath(sourceName.toStdString())));
    ShowValues();
}

void PrintOptionsWindow::RefillTile()
{
    const QSignalBlocker blocker(tileList);
    tileList->clear();
    tile = false;
    if (percent == 100) {
        tileList->setCurrentIndex(-1);
        tileList->setEnabled(false);
        return;
    }
    tileList->addItem(QStringLiteral("no"));
    tileList->addItem(QStringLiteral("yes"));
    tileList->setCurrentIndex(0);
    tileList->setEnabled(true);
}

void PrintOptionsWindow::ResizeChosen(int row)
{
    if (row < 0)
        return;
    TakeShownValues();
    percent = 100 - row;
    height = ToHundredths(percent * baseHeight * 0.01);
    width = ToHundredths(percent * baseWidth * 0.01);
    RefillTile();
    ShowValues();
}

void PrintOptionsWindow::TileChosen(int row)
{
    tile = row == 1;
}

void PrintOptionsWindow::PhotoClicked()
{
    if (!photo4x6) {
        TakeShownValues();
        photo4x6 = true;
        height = 4.0;
        width = 6.0;
        {
            const QSignalBlocker resizeBlocker(resizeList);
            const QSignalBlocker tileBlocker(tileList);
            resizeList->setCurrentIndex(PhotoPercentRow);
            tileList->setCurrentIndex(0);
        }
        resizeList->setEnabled(false);
        tileList->setEnabled(false);
        photoBox->setChecked(true);
        ShowValues();
    } else {
        photo4x6 = false;
        photoBox->setChecked(false);
        {
            const QSignalBlocker blocker(resizeList);
            resizeList->setCurrentIndex(PhotoPercentRow);
        }
        resizeList->setEnabled(true);
    }
}

void PrintOptionsWindow::TakeShownValues()
{
    bool ok = false;
    const double shownHeight = heightBox->text().toDouble(&ok);
    if (ok)
        height = std::clamp(shownHeight, -1.0, 10000.0);
    const double shownWidth = widthBox->text().toDouble(&ok);
    if (ok)
        width = std::clamp(shownWidth, -1.0, 10000.0);
}

void PrintOptionsWindow::ShowValues()
{
    heightBox->setText(Hundredths(height));
    widthBox->setText(Hundredths(width));
    resolutionBox->setText(resolutionText);
}
