#include "uninstaller/ui/RemovedWindow.h"

#include "installer/Emblem.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

RemovedWindow::RemovedWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Moravel Uninstaller"));
    setWindowIcon(MoravelIcon());
    setFixedSize(DluX(300), DluY(80));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(DluX(6), DluY(4), DluX(288), DluY(70));

    textField = MakeLabel(QStringLiteral("Moravel 2005 has been removed from your PC."), LabelColour::White, this, 100);
    textField->setAlignment(Qt::AlignCenter);
    textField->setGeometry(DluX(12), DluY(16), DluX(276), DluY(14));

    // The twelve signs in a row.
    const int tile = DluX(16);
    const int gap = DluX(3);
    const int left = (width() - 12 * tile - 11 * gap) / 2;
    for (int i = 0; i < 12; ++i) {
        auto* picture = new QLabel(this);
        picture->setPixmap(SignTile(i, tile));
        picture->setGeometry(left + i * (tile + gap), DluY(42), tile, tile);
    }

    move(CentreX(width()), CentreY(height()));
}
