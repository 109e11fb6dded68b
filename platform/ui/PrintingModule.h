#pragma once

class QPagedPaintDevice;
class QString;
class QWidget;

// Qt's print support is a library of its own whose loading every start would pay,
// though few ever print: it lives in a module beside the programs
// (platform/Installation.h names it), which PrintJob loads with the first print.
// The module's printers are QPrinters at high resolution.
struct PrintingModule {
    QPagedPaintDevice* (*create)();
    void (*destroy)(QPagedPaintDevice* printer);
    void (*setDocName)(QPagedPaintDevice* printer, const QString& name);
    // Prints into a PDF file instead of a printer, without asking.
    void (*setPdfOutput)(QPagedPaintDevice* printer, const QString& path);
    // The print dialog over `owner`; false when the user cancels.
    bool (*choose)(QPagedPaintDevice* printer, QWidget* owner);
    int (*resolution)(const QPagedPaintDevice* printer);
    // Whether the print system reported an error or cancelled the job.
    bool (*failed)(const QPagedPaintDevice* printer);
};

inline constexpr const char* PrintingModuleEntry = "MoravelPrintingModule";
