#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QString>

#include "reports/ViewerPlacement.h"

// Shows one saved report picture in an 800 x 600 area, scaled down to fit when it
// is larger. F2 prints it in colour; Enter and Escape close the window.
class TextLine;

class ReportViewWindow : public QDialog {
    Q_OBJECT
public:
    ReportViewWindow(const QString& imagePath, const QString& displayName, QWidget* parent = nullptr);

    QString ImagePath() const { return imagePath; }
    QString DisplayName() const { return displayName; }
    // Where the picture is drawn; draw is false when the file holds no picture.
    ViewerPlacement Placement() const { return placement; }
    // The picture as a screen reader meets it: the report's text kept in the file.
    TextLine* PictureText() const { return pictureText; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadPicture();

    QString imagePath;
    QString displayName;
    ViewerPlacement placement;
    QImage scaled;  // the picture at its drawing size, made once
    QPoint placed;  // the frame's top-left corner
    TextLine* pictureText = nullptr;
};
