#include "reports/ui/ReportViewWindow.h"

#include "platform/ImageEncoder.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/TextLine.h"
#include "reports/ui/Printing.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace {
constexpr int AreaWidth = 800;
constexpr int AreaHeight = 600;
}

ReportViewWindow::ReportViewWindow(const QString& path, const QString& name, QWidget* parent)
    : QDialog(parent),
      imagePath(path),
      displayName(name)
{
    QSize screen(1024, 768);
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->geometry().size();
    const ViewerOrigin origin = ViewerWindowOrigin(screen.width(), screen.height());
    setFixedSize(AreaWidth, AreaHeight);
    move(origin.x, origin.y);
    placed = {origin.x, origin.y};
    setWindowTitle(QStringLiteral("To print Daily Report in color click on the F2 key"));
    pictureText = new TextLine({}, this);
    LoadPicture();
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { PrintReportImage(imagePath, displayName); });
}

void ReportViewWindow::LoadPicture()
{
    const QImage picture = ReadPicture(imagePath);
    placement = PlaceInViewer(picture.isNull() ? 0 : picture.width(), picture.isNull() ? 0 : picture.height());
    const QString description = picture.text(QStringLiteral("Description"));
    pictureText->SetText(QStringLiteral("Daily report ") + displayName +
                         (description.isEmpty() ? QString() : QStringLiteral(": ") + description));
    pictureText->setGeometry(placement.draw ? QRect(placement.x, placement.y, placement.width, placement.height)
                                            : rect());
    if (!placement.draw)
        return;
    if (placement.width == picture.width() && placement.height == picture.height())
        scaled = picture;
    else
        scaled = picture.scaled(placement.width, placement.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ReportViewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window is 800 x 600 with its frame; the drawing area stays 800 x 600, as
    // the picture's placement rules say, and the frame clips what it covers.
    FrameWatch::WhenFramed(this, [this] {
        setFixedSize(FrameWatch::InnerSizeFor(this, AreaWidth, AreaHeight));
        FrameWatch::MoveFrame(this, placed);
    });
}

void ReportViewWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (!placement.draw || scaled.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawImage(placement.x, placement.y, scaled);
}

void ReportViewWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        PrintReportImage(imagePath, displayName);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
