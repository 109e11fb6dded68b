#pragma once

#include <QString>
#include <QWidget>

// The embedded browser of every page window, the help wizard and the size page:
// pages load by file URL, decode as windows-1252, and only allowed addresses
// (IsAllowedNavigation) are followed; window.print() prints through the print service.
// The browser itself lives in a module loaded with the first page view, so a run
// that shows no page never loads the web engine. Without the module the view stays empty.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    void OpenFile(const QString& path);
    QString CurrentFile() const;

    // The browser widget (a QWebEngineView), or null when the module is missing.
    QWidget* Browser() const { return browser; }

signals:
    void loadFinished(bool ok);
    void printFinished(bool ok);

private:
    QWidget* browser = nullptr;
};
