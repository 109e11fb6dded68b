#pragma once

#include <QDialog>
#include <QPoint>
#include <QSize>
#include <QString>

class PageView;

// A dialog that shows one generated page in the embedded browser. The page view
// is created only when the window is shown.
class PageWindow : public QDialog {
    Q_OBJECT
public:
    explicit PageWindow(QWidget* parent = nullptr);
    ~PageWindow() override;

    void SetTitle(const QString& title);
    void SetPage(const QString& path);
    void SetPosition(int left, int top);
    // The window's size, its frame included. `frameAsOwner`: until the window is
    // framed, its frame is taken to be its owner's, so being framed does not
    // resize it again.
    void SetSize(int width, int height, bool frameAsOwner = false);
    void SetRefuseClose(bool refuse);

    // Shows the window modally, centred when no position was set; returns when it closes.
    void RunModal();
    // Shows the window modelessly (quick tip, zodiac picture); the owner destroys it.
    void ShowModeless();
    void Navigate(const QString& path);

    QString CurrentPage() const;
    PageView* View() const { return view; }

    // Escape and the close box.
    void reject() override;

    // Convenience: a modal page window centred on the screen.
    static void ShowPage(const QString& title, const QString& entryPath, int width, int height,
                         QWidget* parent = nullptr);

signals:
    // The user closed a window that may be closed (zodiac picture).
    void closedByUser();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void EnsureView();

    PageView* view = nullptr;
    QString pagePath;
    bool refuseClose = false;
    bool positioned = false;
    QPoint position;
    QSize outerSize{300, 200};  // frame included
};
