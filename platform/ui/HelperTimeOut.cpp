#include "platform/ui/HelperTimeOut.h"

#include "platform/Process.h"
#include "platform/ui/MessageBox.h"

void ShowHelperTimeOuts()
{
    SetHelperTimeOutNotice([](const std::string& command, int seconds) {
        MessageBox::stop(QString::fromStdString(HelperTimeOutMessage(command, seconds)));
    });
}
