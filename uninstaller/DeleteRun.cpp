#include "uninstaller/DeleteRun.h"

#include "platform/MessageBox.h"
#include "platform/SystemName.h"
#include "uninstaller/RemovedWindow.h"
#include "uninstaller/Remover.h"

int RunRemoval()
{
    if (RemoveProduct(SystemName()) == RemovalOutcome::ProgramRunning) {
        MessageBox::information(QStringLiteral("Please close Moravel first and then try again.   "));
        return 1;
    }
    RemovedWindow window;
    window.exec();
    return 0;
}
