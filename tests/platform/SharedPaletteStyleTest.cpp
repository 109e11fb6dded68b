#include "platform/ui/Look.h"
#include "platform/ui/SharedPaletteStyle.h"

#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <memory>

// Buttons drawn with one palette per set of colours look exactly as Fusion draws them
// with each button's own palette, in every state, also after an equal one was drawn.
class SharedPaletteStyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qApp); }

    void drawsWhatFusionDraws()
    {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        SharedPaletteStyle shared(QStyleFactory::create(QStringLiteral("Fusion")));
        const struct {
            const char* what;
            bool enabled, isDefault;
        } rows[] = {{"button", true, false},
                    {"equal button", true, false},
                    {"disabled", false, false},
                    {"default", true, true}};
        for (const auto& row : rows) {
            QImage images[2];
            for (int i : {0, 1}) {
                QWidget window;
                QPushButton* button = MakeButton(QStringLiteral("Companion"), {}, &window, {0, 0, 120, 36});
                button->setEnabled(row.enabled);
                button->setDefault(row.isDefault);
                button->setStyle(i == 0 ? fusion.get() : &shared);
                images[i] = button->grab().toImage();
            }
            QVERIFY2(images[0] == images[1], row.what);
        }
    }
};

QTEST_MAIN(SharedPaletteStyleTest)
#include "SharedPaletteStyleTest.moc"
