#pragma once

#include <QString>

class QPagedPaintDevice;
class QWidget;
struct PrintingModule;

// One printout on a printer of the print system, at its high resolution. The
// printer comes from the printing module (platform/ui/PrintingModule.h), loaded
// with the first job; without it the job has no printer and says why.
class PrintJob {
public:
    PrintJob();
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // What a painter paints on; null when printing is not available.
    QPagedPaintDevice* Printer() const { return printer; }
    // Why printing is not available.
    static QString Unavailable();

    void SetDocName(const QString& name);
    void SetPdfOutput(const QString& path);
    bool Choose(QWidget* owner);
    int Resolution() const;
    bool Failed() const;

private:
    const PrintingModule* module;
    QPagedPaintDevice* printer = nullptr;
};
