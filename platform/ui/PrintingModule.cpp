#include "platform/ui/PrintingModule.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
QPrinter* Of(QPagedPaintDevice* printer)
{
    return static_cast<QPrinter*>(printer);
}

const QPrinter* Of(const QPagedPaintDevice* printer)
{
    return static_cast<const QPrinter*>(printer);
}

const PrintingModule kModule{
    [] { return static_cast<QPagedPaintDevice*>(new QPrinter(QPrinter::HighResolution)); },
    [](QPagedPaintDevice* printer) { delete Of(printer); },
    [](QPagedPaintDevice* printer, const QString& name) { Of(printer)->setDocName(name); },
    [](QPagedPaintDevice* printer, const QString& path) {
        Of(printer)->setOutputFormat(QPrinter::PdfFormat);
        Of(printer)->setOutputFileName(path);
    },
    [](QPagedPaintDevice* printer, QWidget* owner) {
        QPrintDialog dialog(Of(printer), owner);
        return dialog.exec() == QDialog::Accepted;
    },
    [](const QPagedPaintDevice* printer) { return Of(printer)->resolution(); },
    [](const QPagedPaintDevice* printer) {
        const QPrinter::PrinterState state = Of(printer)->printerState();
        return state == QPrinter::Error || state == QPrinter::Aborted;
    },
};
}

extern "C" __attribute__((visibility("default"))) const PrintingModule* MoravelPrintingModule()
{
    return &kModule;
}
