#include "mail/ui/ModalRun.h"

namespace {
std::function<void(QDialog&)>& Driver()
{
    static std::function<void(QDialog&)> driver;
    return driver;
}
}

int RunModal(QDialog& dialog)
{
    if (Driver()) {
        Driver()(dialog);
        return dialog.result();
    }
    return dialog.exec();
}

void SetModalDriverForTesting(std::function<void(QDialog&)> driver)
{
    Driver() = std::move(driver);
}
