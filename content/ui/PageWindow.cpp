#include "content/ui/PageWindow.h"

#include "content/ui/PageView.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"

#include <QKeyEvent>
#include <QVBoxLayout>

PageWindow::PageWindow(QWidget* parent) : QDialog(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(outerSize);
}

PageWindow::~PageWindow() = default;

void PageWindow::SetTitle(const QString& title)
{
    setWindowTitle(title);
}

void PageWindow::SetPage(const QString& path)
{
    pagePath = path;
}

void PageWindow::SetPosition(int left, int top)
{
    position = {left, top};
    if (isVisible())
        FrameWatch::MoveFrame(this, position);
    else
        move(position);
    positioned = true;
}

void PageWindow::SetSize(int width, int height, bool frameAsOwner)
{
    outerSize = {width, height};
    if (frameAsOwner)
        resize(FrameWatch::ExpectedInnerSizeFor(this, width, height));
    else
        resize(isVisible() ? FrameWatch::InnerSizeFor(this, width, height) : outerSize);
}

void PageWindow::SetRefuseClose(bool refuse)
{
    refuseClose = refuse;
}

void PageWindow::RunModal()
{
    if (!positioned)
        SetPosition(CentreX(outerSize.width()), CentreY(outerSize.height()));
    setModal(true);
    exec();
}

void PageWindow::ShowModeless()
{
    if (!positioned)
        SetPosition(CentreX(outerSize.width()), CentreY(outerSize.height()));
    setModal(false);
    FrameWatch::ShowAboveOwner(this);
}

void PageWindow::Navigate(const QString& path)
{
    pagePath = path;
    if (auto* pageView = qobject_cast<PageView*>(view))
        pageView->OpenFile(path);
}

QString PageWindow::CurrentPage() const
{
    if (auto* pageView = qobject_cast<PageView*>(view)) {
        const QString current = pageView->CurrentFile();
        if (!current.isEmpty())
            return current;
    }
    return pagePath;
}

void PageWindow::ShowPage(const QString& title, const QString& entryPath, int width, int height, QWidget* parent)
{
    PageWindow window(parent);
    window.SetTitle(title);
    window.SetPage(entryPath);
    window.SetSize(width, height);
    window.SetPosition(CentreX(width), CentreY(height));
    window.RunModal();
}

// The close box and Escape both come here; a refused close leaves the window shown.
void PageWindow::reject()
{
    if (refuseClose) {
        MessageBox::information(QStringLiteral("Quick Tip dialog must remain open.       "));
        return;
    }
    const bool wasVisible = isVisible();
    QDialog::reject();
    if (wasVisible && !isModal())
        emit closedByUser();
}

void PageWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();  // page windows have no help of their own
        return;
    }
    QDialog::keyPressEvent(event);
}

void PageWindow::showEvent(QShowEvent* event)
{
    EnsureView();
    QDialog::showEvent(event);
    // The size and place are the frame's: once the frame is known, the inside shrinks
    // by it and the frame goes where the window was meant to be.
    FrameWatch::WhenFramed(this, [this] {
        resize(FrameWatch::InnerSizeFor(this, outerSize.width(), outerSize.height()));
        if (positioned)
            FrameWatch::MoveFrame(this, position);
    });
}

void PageWindow::EnsureView()
{
    if (view)
        return;
    auto* pageView = new PageView(this);
    view = pageView;
    layout()->addWidget(pageView);
    pageView->setFocus();
    if (!pagePath.isEmpty())
        pageView->OpenFile(pagePath);
}
