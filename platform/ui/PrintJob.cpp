#include "platform/ui/PrintJob.h"

#include "platform/Installation.h"
#include "platform/ProgramModule.h"
#include "platform/ui/PrintingModule.h"

#include <string>

// Programs that link the module's code (the window tests) find it here; the
// others load the module.
extern "C" const PrintingModule* MoravelPrintingModule() __attribute__((weak));

namespace {
std::string loadFailure;

const PrintingModule* LoadModule()
{
    if (MoravelPrintingModule)
        return MoravelPrintingModule();
    using Entry = const PrintingModule* (*)();
    const auto entry =
        reinterpret_cast<Entry>(ProgramModuleEntry(PrintingModuleName, PrintingModuleEntry, loadFailure));
    return entry ? entry() : nullptr;
}

const PrintingModule* Module()
{
    static const PrintingModule* const module = LoadModule();
    return module;
}
}

PrintJob::PrintJob() : module(Module())
{
    if (module)
        printer = module->create();
}

PrintJob::~PrintJob()
{
    if (printer)
        module->destroy(printer);
}

QString PrintJob::Unavailable()
{
    return QString::fromStdString(loadFailure);
}

void PrintJob::SetDocName(const QString& name)
{
    if (printer)
        module->setDocName(printer, name);
}

void PrintJob::SetPdfOutput(const QString& path)
{
    if (printer)
        module->setPdfOutput(printer, path);
}

bool PrintJob::Choose(QWidget* owner)
{
    return printer && module->choose(printer, owner);
}

int PrintJob::Resolution() const
{
    return printer ? module->resolution(printer) : 0;
}

bool PrintJob::Failed() const
{
    return !printer || module->failed(printer);
}
