#pragma once

#include <QString>

class PrintJob;
class QWidget;

// The print dialog. Tests print to a PDF file (setNextPdfOutput) or cancel
// (setNextCancel) in advance; the dialog is then not shown.
class PrintService {
public:
    // Shows the print dialog for `job` over `owner`'s window (by default the
    // active one), so that it stays above it and that window keeps its place and
    // modality afterwards; false when the user cancels, or, said in a message,
    // when printing is not available.
    static bool choosePrinter(PrintJob& job, QWidget* owner = nullptr);
    // The window a print's dialogs belong to: `owner`'s, else the active one.
    static QWidget* dialogOwner(QWidget* owner = nullptr);

    // The print job's name after what it prints (a report's or a page's title): the
    // queue shows it and the dialog offers it as the PDF's file name, so it holds no
    // "/" and no control character; "Moravel" when the title is empty.
    static QString jobName(const QString& title);

    static void setNextPdfOutput(const QString& path);
    static void setNextCancel();
    // How many times a print dialog was asked for (for tests).
    static int dialogCount();
};
