#pragma once

#include <QString>

class QPrinter;

// The print dialog. Tests print to a PDF file (setNextPdfOutput) or cancel
// (setNextCancel) in advance; the dialog is then not shown.
class PrintService {
public:
    // Shows the print dialog for `printer`; false when the user cancels.
    static bool choosePrinter(QPrinter& printer);

    static void setNextPdfOutput(const QString& path);
    static void setNextCancel();
    // How many times a print dialog was asked for (for tests).
    static int dialogCount();
};
