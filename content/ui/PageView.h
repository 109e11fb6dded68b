#pragma once

#include <QString>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <string>

class QTextDocument;

// The view of every page window, the help wizard and the size page. Pages are
// read from their files (windows-1252 unless they name a charset) and laid out
// by Qt's rich-text engine. Only addresses that IsAllowedNavigation lets through
// are followed, a META refresh is followed after its delay, and the address
// "javascript:window.print()" prints the page through the print service. The
// pages' wish for no selection and no context menu is kept by the view itself.
class PageView : public QTextBrowser {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    void OpenFile(const QString& path);
    QString CurrentFile() const;

    // Goes where a link or a refresh asks to; false when the address is refused.
    bool Follow(const QUrl& address);

    // The file URL of a local path, cleaned first: "#", "?" or "%" in a folder
    // name stay part of the path, and a leading "//" names no host.
    static QUrl FileUrl(const QString& path);
    // The file system's bytes of a local path; inside InstallDir its own bytes.
    static std::string PathBytes(const QString& path);

    QSize minimumSizeHint() const override;

signals:
    void loadFinished(bool ok);
    void printFinished(bool ok);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void Load(const QUrl& url);
    void PrintPage();
    QUrl Resolve(const QString& address) const;

    QUrl current;
    QUrl refreshTarget;
    QTimer refreshTimer;
    bool printing = false;
};
