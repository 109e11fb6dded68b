#include "reports/ui/ResizeWindow.h"

#include "content/ui/PageView.h"
#include "platform/DataFile.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "platform/ui/ComboLists.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "reports/ResizeRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int WindowWidth = 430;
constexpr int WindowHeight = 185;

QString SizePagePath()
{
    return QString::fromStdString(InstallDir() + "message.htm");
}

QImage LoadPicture(const QString& path)
{
    return ReadPicture(path);
}
}

ResizeWindow::ResizeWindow(const QString& source, QWidget* parent) : QDialog(parent), sourcePath(source)
{
    setFixedSize(WindowWidth, WindowHeight);

    resizeBox = new QCheckBox(QStringLiteral("Resize Report"), this);
    resizeBox->setFont(ControlFont());
    resizeBox->setGeometry(15, 14, 170, 26);
    QPalette yellow = resizeBox->palette();
    yellow.setColor(QPalette::WindowText, LabelColour::Yellow);
    yellow.setColor(QPalette::Disabled, QPalette::WindowText, LabelColour::Yellow.darker(160));
    resizeBox->setPalette(yellow);

    percentageList = new QComboBox(this);
    percentageList->setFont(ControlFont());
    percentageList->setGeometry(200, 12, 110, 28);
    percentageList->setMaxVisibleItems(12);

    page = new PageView(this);
    page->setGeometry(15, 52, WindowWidth - 30, 56);
    page->setFocusPolicy(Qt::NoFocus);

    saveButton = new QPushButton(QStringLiteral("Save"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    // Return presses the focused button, else Save once it can save.
    for (QPushButton* button : {saveButton, cancelButton}) {
        button->setFont(ControlFont());
        button->setAutoDefault(true);
    }
    saveButton->setGeometry(WindowWidth / 2 - 105, 130, 95, 32);
    cancelButton->setGeometry(WindowWidth / 2 + 10, 130, 95, 32);

    setTabOrder(resizeBox, percentageList);
    setTabOrder(percentageList, saveButton);
    setTabOrder(saveButton, cancelButton);

    connect(resizeBox, &QCheckBox::toggled, this, &ResizeWindow::ResizeToggled);
    connect(percentageList, &QComboBox::currentIndexChanged, this, &ResizeWindow::PercentageChosen);
    connect(saveButton, &QPushButton::clicked, this, &ResizeWindow::SaveClicked);
    connect(cancelButton, &QPushButton::clicked, this, &ResizeWindow::reject);

    // An earlier copy of the same name goes first, so a stale copy is never mailed.
    resultPath = QString::fromStdString(ResizeResultPath(sourcePath.toStdString()));
    if (FileExists(resultPath.toStdString()))
        MakeWritableAndDelete(resultPath.toStdString());

    // Loaded, not only its header read: a picture with damaged data cannot be resized.
    const QSize size = ReadPicture(sourcePath).size();
    sourceWidth = size.width() >= 1 ? size.width() : 0;
    sourceHeight = size.height() >= 1 ? size.height() : 0;
    newWidth = sourceWidth;
    newHeight = sourceHeight;

    const QString fileName = QString::fromStdString(LastPathPart(sourcePath.toStdString()));
    if (sourceWidth < 1 || sourceHeight < 1) {
        MessageBox::stop(QStringLiteral("Unable to open: ") + fileName);
        resizeBox->setEnabled(false);
    }

    EnableSave(false);
    percentageList->hide();
    setWindowTitle(QStringLiteral("Quick Resize: ") + fileName);
    ShowSizePage();
}

void ResizeWindow::ResizeToggled(bool ticked)
{
    resizeOn = ticked;
    if (ticked) {
        percentageList->show();
        FillPercentages(percentageList);
        newWidth = sourceWidth;
        newHeight = sourceHeight;
    } else {
        percentageList->hide();
        EnableSave(false);
    }
    ShowSizePage();
}

void ResizeWindow::PercentageChosen(int position)
{
    if (position < 0)
        return;
    const int percent = 100 - position;
    newWidth = ScaledSide(sourceWidth, percent);
    newHeight = ScaledSide(sourceHeight, percent);
    EnableSave(position > 0 && resizeOn);
    ShowSizePage();
}

void ResizeWindow::EnableSave(bool enabled)
{
    saveButton->setEnabled(enabled);
    saveButton->setDefault(enabled);
}

void ResizeWindow::ShowSizePage()
{
    // Without the box ticked the page shows the size at 100%.
    const int width = resizeOn ? newWidth : sourceWidth;
    const int height = resizeOn ? newHeight : sourceHeight;
    const QString path = SizePagePath();
    if (WriteFileAtomically(path.toStdString(), SizePageBytes(width, height), Durable::No))
        page->OpenFile(path);
}

void ResizeWindow::SaveClicked()
{
    const int position = percentageList->currentIndex();
    if (position > 0) {
        produced = ResizePicture(sourcePath, resultPath, 100 - position);
        if (!produced)
            MessageBox::stop(QStringLiteral("Unable to resize selected report.     "));
    }
    accept();
}

void ResizeWindow::reject()
{
    produced = false;
    QDialog::reject();
}

bool ResizeWindow::ResizePicture(const QString& source, const QString& result, int percent)
{
    const QImage picture = LoadPicture(source);
    if (picture.isNull())
        return false;
    const int width = ScaledSide(picture.width(), percent);
    const int height = ScaledSide(picture.height(), percent);

    WaitCursor wait;
    QImage resized(width, height, QImage::Format_RGB888);
    resized.fill(Qt::black);
    resized.setDotsPerMeterX(picture.dotsPerMeterX());
    resized.setDotsPerMeterY(picture.dotsPerMeterY());
    {
        QPainter painter(&resized);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.drawImage(0, 0, picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const QByteArray mime = QByteArray::fromStdString(ResizeEncoderMime(source.toStdString()));
    if (!HasEncoder(mime))
        return false;
    return SaveImage(resized, result, mime);
}
