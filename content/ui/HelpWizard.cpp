#include "content/ui/HelpWizard.h"

#include "content/HelpTopics.h"
#include "content/ui/PageView.h"
#include "platform/ui/Look.h"
#include "platform/ui/WaitCursor.h"

#include <QComboBox>
#include <QVBoxLayout>

namespace {
constexpr int wizardWidth = 640;
constexpr int wizardHeight = 480;
}

HelpWizard::HelpWizard(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Help Wizard");
    resize(wizardWidth, wizardHeight);

    topics = new QComboBox(this);
    topics->setFont(ControlFont());
    topics->setToolTip("help topics");
    for (int i = 0; i < HelpTopicCount; ++i)
        topics->addItem(QString::fromStdString(HelpTopicName(i)));

    view = new PageView(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(topics);
    layout->addWidget(view, 1);

    // activated, not currentIndexChanged: choosing the same topic again rewrites its page.
    connect(topics, &QComboBox::activated, this, &HelpWizard::ShowTopic);
    move(CentreX(wizardWidth), CentreY(wizardHeight));

    topics->setCurrentIndex(0);
    ShowTopic(0);
}

void HelpWizard::ShowTopic(int index)
{
    if (index < 0)
        return;
    {
        WaitCursor wait;
        // A page that cannot be written still gets loaded: the view keeps what it had.
        WriteHelpPage(HelpTopicText(index));
    }
    view->OpenFile(QString::fromStdString(HelpPagePath()));
}
