#pragma once

#include <QString>
#include <QWebEngineView>
#include <memory>

// The embedded browser of every page window, the help wizard and the size page:
// pages load by file URL, decode as windows-1252, and only allowed addresses
// (IsAllowedNavigation) are followed; window.print() prints through the print service.
class PageView : public QWebEngineView {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    void OpenFile(const QString& path);
    QString CurrentFile() const;

private:
    // A page asked to print itself (its Print link).
    void PrintPage();

    struct PrintJob;
    std::unique_ptr<PrintJob> printJob;
};
