#include "platform/ui/Look.h"
#include "platform/ui/SharedPaletteStyle.h"

#include <QComboBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTreeWidget>
#include <memory>

// Controls drawn with one palette per set of colours look exactly as Fusion draws them
// for each widget's own palette, whatever the control's state and whatever was drawn
// before it.
class SharedPaletteStyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qApp); }

    void drawsWhatFusionDraws()
    {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        SharedPaletteStyle shared(QStyleFactory::create(QStringLiteral("Fusion")));
        enum Kind { Button, List, Header };
        const struct {
            const char* what;
            Kind kind;
            bool enabled;
            bool isDefault;
        } rows[] = {{"button", Button, true, false},           {"equal button", Button, true, false},
                    {"disabled button", Button, false, false}, {"default button", Button, true, true},
                    {"disabled list", List, false, false},     {"header", Header, true, false}};
        for (const auto& row : rows) {
            QImage images[2];
            for (QStyle* style : {fusion.get(), static_cast<QStyle*>(&shared)}) {
                QWidget window;
                QWidget* control = nullptr;
                if (row.kind == Button) {
                    auto* button = MakeButton(QStringLiteral("Companion"), {}, &window, {0, 0, 120, 36});
                    button->setDefault(row.isDefault);
                    control = button;
                } else if (row.kind == List) {
                    auto* list = new QComboBox(&window);
                    list->addItem(QStringLiteral("12"));
                    control = list;
                } else {
                    auto* tree = new QTreeWidget(&window);
                    tree->setHeaderLabels({QStringLiteral("Full Name"), QStringLiteral("Description")});
                    control = tree;
                }
                control->setEnabled(row.enabled);
                control->setStyle(style);
                images[style == fusion.get() ? 0 : 1] = control->grab().toImage();
            }
            QVERIFY2(images[0] == images[1], row.what);
        }
    }
};

QTEST_MAIN(SharedPaletteStyleTest)
#include "SharedPaletteStyleTest.moc"
