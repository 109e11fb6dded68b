#include "platform/ui/Look.h"
#include "platform/ui/SharedPaletteStyle.h"

#include <QComboBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTreeWidget>
#include <functional>
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
        const struct {
            const char* what;
            std::function<QWidget*(QWidget*)> make;
        } rows[] = {
            {"button", [](QWidget* p) { return MakeButton(QStringLiteral("Help"), {}, p, {0, 0, 120, 36}); }},
            {"equal button", [](QWidget* p) { return MakeButton(QStringLiteral("Help"), {}, p, {0, 0, 120, 36}); }},
            {"disabled button",
             [](QWidget* p) {
                 QPushButton* button = MakeButton(QStringLiteral("Companion"), {}, p, {0, 0, 120, 36});
                 button->setEnabled(false);
                 return button;
             }},
            {"default button",
             [](QWidget* p) {
                 QPushButton* button = MakeButton(QStringLiteral("Analyze Day"), {}, p, {0, 0, 120, 36});
                 button->setDefault(true);
                 return button;
             }},
            {"disabled list",
             [](QWidget* p) {
                 auto* list = new QComboBox(p);
                 list->addItem(QStringLiteral("12"));
                 list->setEnabled(false);
                 return list;
             }},
            {"header", [](QWidget* p) {
                 auto* tree = new QTreeWidget(p);
                 tree->setHeaderLabels({QStringLiteral("Full Name"), QStringLiteral("Description")});
                 return tree;
             }}};
        for (const auto& row : rows) {
            QImage images[2];
            for (QStyle* style : {fusion.get(), static_cast<QStyle*>(&shared)}) {
                QWidget window;
                QWidget* control = row.make(&window);
                control->setStyle(style);
                images[style == fusion.get() ? 0 : 1] = control->grab().toImage();
            }
            QVERIFY2(images[0] == images[1], row.what);
        }
    }
};

QTEST_MAIN(SharedPaletteStyleTest)
#include "SharedPaletteStyleTest.moc"
