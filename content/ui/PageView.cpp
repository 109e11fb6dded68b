#include "content/ui/PageView.h"

#include "content/PageMarkup.h"
#include "content/PageWriter.h"
#include "content/ui/PageViewAccessible.h"
#include "platform/BrowserSettings.h"
#include "platform/FontFamilies.h"
#include "platform/Paths.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/PrintService.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QStringDecoder>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>
#include <optional>
#include <vector>

namespace {
// Far above any page the program writes; a link or a stray file of another kind
// never makes the view read without end.
constexpr qint64 kMaxPageBytes = 1 << 20;
// The page margin of the pages' own browsers.
constexpr int kPageMargin = 8;
constexpr int kMediumPixels = 16;

// Read by the address's own bytes: a folder name that is no UTF-8 has no QString.
bool ReadPageFile(const QUrl& url, QByteArray& bytes)
{
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;  // no folder, FIFO or device
    }
    bytes.resize(kMaxPageBytes);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, bytes.data() + total, static_cast<std::size_t>(kMaxPageBytes - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += n;
        if (total == kMaxPageBytes)
            break;
    }
    ::close(fd);
    bytes.resize(total);
    return true;
}

QString DecodePage(const QByteArray& bytes)
{
    const std::string raw = bytes.toStdString();
    const std::string charset = PageCharset(raw);
    if (charset == "utf-8" || charset == "utf8")
        return QString::fromUtf8(bytes);
    // Latin-1 and ASCII pages are read as windows-1252, their superset, as browsers do.
    if (!charset.empty() && charset != "windows-1252" && charset != "iso-8859-1" && charset != "latin1" &&
        charset != "us-ascii" && charset != "ascii") {
        QStringDecoder decoder(charset.c_str());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return QString::fromStdString(FromWindows1252(raw));
}

// HTML font sizes 1 to 7 as the pages' browsers draw them, "medium" (3) being
// `medium` pixels.
int FontSizePixels(int htmlSize, int medium)
{
    static const double factors[7] = {10.0 / 16, 13.0 / 16, 1.0, 18.0 / 16, 1.5, 2.0, 3.0};
    return qRound(medium * factors[qBound(1, htmlSize, 7) - 1]);
}

// Puts `change` into every character format of the document; the formats of
// the paragraph marks too, since they give empty lines their height.
template <typename Change>
void ChangeFormats(QTextDocument& document, Change change)
{
    struct Range {
        int start, end;
        QTextCharFormat format;
    };
    std::vector<Range> fragments;
    std::vector<std::pair<int, QTextCharFormat>> marks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCharFormat mark = block.charFormat();
        if (change(mark))
            marks.emplace_back(block.position(), mark);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (change(format))
                fragments.push_back({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Range& range : fragments) {
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(range.format);
    }
    for (const auto& [position, format] : marks) {
        cursor.setPosition(position);
        cursor.setBlockCharFormat(format);
    }
}

// Gives text its pixel size from the page's font sizes, its faces as the installed
// families they stand for, and pictures named by a full path their file URL (a "#" in a
// folder name is no fragment).
void PreparePage(QTextDocument& document, int medium)
{
    ChangeFormats(document, [medium](QTextCharFormat& format) {
        bool changed = false;
        if (format.hasProperty(QTextFormat::FontFamilies)) {
            QStringList families = format.fontFamilies().toStringList();
            for (QString& family : families)
                family = InstalledFamily(family);
            if (families != format.fontFamilies().toStringList()) {
                format.setFontFamilies(families);
                changed = true;
            }
        }
        if (format.hasProperty(QTextFormat::FontSizeAdjustment)) {
            const int htmlSize = format.intProperty(QTextFormat::FontSizeAdjustment) + 3;
            format.clearProperty(QTextFormat::FontSizeAdjustment);
            format.clearProperty(QTextFormat::FontPointSize);
            format.setProperty(QTextFormat::FontPixelSize, FontSizePixels(htmlSize, medium));
            changed = true;
        }
        if (format.isImageFormat()) {
            QTextImageFormat image = format.toImageFormat();
            if (image.name().startsWith(QLatin1Char('/'))) {
                image.setName(PageView::FileUrl(image.name()).toString(QUrl::FullyEncoded));
                format = image;
                changed = true;
            }
        }
        return changed;
    });
}

QFont FontOf(const QTextDocument& document, const QTextCharFormat& format)
{
    return format.font().resolve(document.defaultFont());
}

// A line as high as the pages' browsers make it: ascent, descent and line gap
// each rounded, where Qt rounds up their sum.
int LineHeight(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return qRound(metrics.ascent()) + qRound(metrics.descent()) + qRound(metrics.leading());
}

void SetBlockHeight(const QTextBlock& block, int height)
{
    QTextBlockFormat format = block.blockFormat();
    format.setLineHeight(height, QTextBlockFormat::FixedHeight);
    QTextCursor(block).setBlockFormat(format);
}

void SetMargins(const QTextBlock& block, std::optional<qreal> top, std::optional<qreal> bottom)
{
    QTextBlockFormat format = block.blockFormat();
    if (top)
        format.setTopMargin(*top);
    if (bottom)
        format.setBottomMargin(*bottom);
    QTextCursor(block).setBlockFormat(format);
}

void CollectTables(QTextFrame* frame, std::vector<QTextTable*>& tables, bool& nested)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            tables.push_back(table);
            nested = nested || !child->childFrames().isEmpty();
        }
        CollectTables(child, tables, nested);
    }
}

// Qt gives a paragraph 12 px above and below; the pages' browsers give it the
// height of its font.
void FitParagraphMargins(QTextDocument& document)
{
    constexpr qreal qtParagraphMargin = 12;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (format.topMargin() != qtParagraphMargin && format.bottomMargin() != qtParagraphMargin)
            continue;
        const qreal em = QFontInfo(FontOf(document, block.charFormat())).pixelSize();
        SetMargins(block, format.topMargin() == qtParagraphMargin ? std::optional<qreal>(em) : std::nullopt,
                   format.bottomMargin() == qtParagraphMargin ? std::optional<qreal>(em) : std::nullopt);
    }
}

// Lines and table cells as high as in the pages' browsers: text lines by their
// fonts, a cell by its height attribute; margins at the top and bottom of a cell
// and an empty last line in it (a closing <p>) take no room.
void FitHeights(QTextDocument& document, const std::vector<int>& cellHeights)
{
    FitParagraphMargins(document);
    std::vector<QTextTable*> tables;
    bool nested = false;
    CollectTables(document.rootFrame(), tables, nested);
    std::vector<int> fixedBlocks;  // positions of blocks already given their height
    std::size_t cellIndex = 0;
    for (QTextTable* table : tables) {
        const int padding = qRound(table->format().cellPadding());
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue;  // spanned
                const int height = !nested && cellIndex < cellHeights.size() ? cellHeights[cellIndex] : 0;
                ++cellIndex;
                const QTextBlock first = cell.firstCursorPosition().block();
                QTextBlock last = cell.lastCursorPosition().block();
                SetMargins(first, 0, std::nullopt);
                if (height > 0 && first == last && first.text().isEmpty()) {
                    SetMargins(first, 0, 0);
                    SetBlockHeight(first, std::max(0, height - 2 * padding));
                    fixedBlocks.push_back(first.position());
                    continue;
                }
                if (first != last && last.text().isEmpty()) {
                    SetMargins(last, 0, 0);
                    SetBlockHeight(last, 0);
                    fixedBlocks.push_back(last.position());
                    last = last.previous();
                }
                SetMargins(last, std::nullopt, 0);
            }
        }
    }
    std::vector<std::pair<QTextBlock, int>> heights;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (std::find(fixedBlocks.begin(), fixedBlocks.end(), block.position()) != fixedBlocks.end())
            continue;
        int height = 0;
        bool picture = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            picture = picture || format.isImageFormat();
            height = std::max(height, LineHeight(FontOf(document, format)));
        }
        if (picture)
            continue;
        if (height == 0)
            height = LineHeight(FontOf(document, block.charFormat()));
        heights.emplace_back(block, height);
    }
    for (const auto& [block, height] : heights)
        SetBlockHeight(block, height);
}

// Qt widens a table to the page when a cell holds lines broken by <br>, as if
// they were one line. When no line of a table wraps, its columns get the width
// of their widest line, as the pages' browsers give them.
void NarrowTables(QTextDocument& document)
{
    std::vector<QTextTable*> tables;
    bool nested = false;
    CollectTables(document.rootFrame(), tables, nested);
    if (nested || document.textWidth() <= 0)
        return;                                 // no lines are broken at the view's width
    document.documentLayout()->documentSize();  // lays the page out
    for (QTextTable* table : tables) {
        QTextTableFormat format = table->format();
        if (format.width().type() != QTextLength::VariableLength)
            continue;
        std::vector<qreal> widths(static_cast<std::size_t>(table->columns()), 0);
        bool fits = true;
        for (int row = 0; row < table->rows() && fits; ++row) {
            for (int column = 0; column < table->columns() && fits; ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.columnSpan() != 1)
                    fits = false;
                for (QTextBlock block = cell.firstCursorPosition().block(); fits && block.isValid();
                     block = block.next()) {
                    const QTextLayout* layout = block.layout();
                    if (!layout || layout->lineCount() != block.text().count(QChar::LineSeparator) + 1)
                        fits = false;  // a line wraps: the table is as wide as the page anyway
                    for (int i = 0; fits && i < layout->lineCount(); ++i)
                        widths[column] = std::max(widths[column], layout->lineAt(i).naturalTextWidth());
                    for (auto it = block.begin(); !it.atEnd(); ++it)
                        fits = fits && !it.fragment().charFormat().isImageFormat();
                    if (block == cell.lastCursorPosition().block())
                        break;
                }
            }
        }
        qreal total = (table->columns() + 1) * format.cellSpacing() + 2 * format.border();
        for (const qreal width : widths)
            total += std::ceil(width) + 2 * format.cellPadding();
        if (!fits || total >= document.documentLayout()->frameBoundingRect(table).width())
            continue;
        QList<QTextLength> constraints;
        for (const qreal width : widths)
            constraints.append(QTextLength(QTextLength::FixedLength, std::ceil(width) + 2 * format.cellPadding()));
        format.setColumnWidthConstraints(constraints);
        table->setFormat(format);
    }
}

// Paper has no pixels: sizes become points at the 96 dpi the pages are drawn for.
void UsePoints(QTextDocument& document)
{
    QFont font = document.defaultFont();
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 0.75);
    document.setDefaultFont(font);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.lineHeightType() != QTextBlockFormat::FixedHeight || format.lineHeight() <= 0)
            continue;
        format.setLineHeight(0, QTextBlockFormat::SingleHeight);
        QTextCursor(block).setBlockFormat(format);
    }
    ChangeFormats(document, [](QTextCharFormat& format) {
        if (!format.hasProperty(QTextFormat::FontPixelSize))
            return false;
        const int pixels = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(pixels * 0.75);
        return true;
    });
}

// Paper as a browser prints it: no page, table or text background, no Print link,
// and text too light to read on white (the yellow headings, white words) in black.
void ForPaper(QTextDocument& document)
{
    std::vector<std::pair<int, int>> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == QLatin1String("javascript:window.print()"))
                links.emplace_back(it.fragment().position(), it.fragment().length());
    QTextCursor cursor(&document);
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        cursor.setPosition(link->first);
        cursor.setPosition(link->first + link->second, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }

    const auto plain = [](QTextFrame* frame) {
        QTextFrameFormat format = frame->frameFormat();
        format.clearBackground();
        frame->setFrameFormat(format);
        if (auto* table = qobject_cast<QTextTable*>(frame))
            for (int row = 0; row < table->rows(); ++row)
                for (int column = 0; column < table->columns(); ++column) {
                    QTextTableCell cell = table->cellAt(row, column);
                    QTextCharFormat cellFormat = cell.format();
                    cellFormat.clearBackground();
                    cell.setFormat(cellFormat);
                }
    };
    std::vector<QTextFrame*> frames{document.rootFrame()};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        plain(frames[i]);
        for (QTextFrame* child : frames[i]->childFrames())
            frames.push_back(child);
    }
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.hasProperty(QTextFormat::BackgroundBrush)) {
            format.clearBackground();
            QTextCursor(block).setBlockFormat(format);
        }
    }
    ChangeFormats(document, [](QTextCharFormat& format) {
        bool changed = false;
        if (format.hasProperty(QTextFormat::BackgroundBrush)) {
            format.clearBackground();
            changed = true;
        }
        if (format.hasProperty(QTextFormat::ForegroundBrush) && qGray(format.foreground().color().rgb()) > 180) {
            format.setForeground(Qt::black);
            changed = true;
        }
        return changed;
    });
}

int MediumPixels()
{
    const int size = BrowserFontSize();
    return size > 0 ? size : kMediumPixels;
}

QFont PageFont()
{
    QFont font(InstalledFamily(QStringLiteral("Verdana")));
    font.setPixelSize(MediumPixels());
    return font;
}

// The application's font, lent for one full expression. The editor lays out its empty
// first page in that font while it is made, before any font of its own applies; lent
// the pages' font, it loads no font that nothing is drawn with.
class DefaultFontLoan {
public:
    explicit DefaultFontLoan(const QFont& font) : kept(QGuiApplication::font()) { QGuiApplication::setFont(font); }
    ~DefaultFontLoan() { QGuiApplication::setFont(kept); }
    DefaultFontLoan(const DefaultFontLoan&) = delete;
    DefaultFontLoan& operator=(const DefaultFontLoan&) = delete;

    QWidget* With(QWidget* parent) const { return parent; }

private:
    const QFont kept;
};
}

// The loan lasts while the editor is made (a temporary lives to the end of its full
// expression) and ends before any window is told of a font.
PageView::PageView(QWidget* parent) : QTextBrowser(DefaultFontLoan(PageFont()).With(parent))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    // Links work (Tab reaches them, Return follows them); nothing can be selected. The
    // caret for reading line by line comes with the first arrow key (keyPressEvent), so
    // the page looks as it always has until then.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    NameField(this, QStringLiteral("Page"));
    PageViewAccessible::Install();
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { Follow(link.isRelative() && !link.isEmpty() ? current.resolved(link) : link); });
    refreshTimer.setSingleShot(true);
    connect(&refreshTimer, &QTimer::timeout, this, [this] { Follow(refreshTarget); });
}

PageView::~PageView() = default;

std::string PageView::PathBytes(const QString& path)
{
    QString clean = QDir::cleanPath(path);
    while (clean.startsWith(QLatin1String("//")))
        clean.remove(0, 1);
    // Inside InstallDir the folder's own bytes are used: its name may be no UTF-8,
    // which a QString cannot hold.
    const std::string install = InstallDir();
    const QString shown = QDir::cleanPath(QString::fromStdString(install)) + QLatin1Char('/');
    return clean.startsWith(shown) ? install + clean.mid(shown.size()).toStdString()
                                   : QFile::encodeName(clean).toStdString();
}

QUrl PageView::FileUrl(const QString& path)
{
    return QUrl::fromEncoded(QByteArray::fromStdString(FileUrlOf(PathBytes(path))));
}

void PageView::OpenFile(const QString& path)
{
    Follow(FileUrl(path));
}

QString PageView::CurrentFile() const
{
    return current.isLocalFile() ? current.toLocalFile() : QString();
}

bool PageView::Follow(const QUrl& address)
{
    const QString text = address.isLocalFile() ? address.toLocalFile() : address.toString();
    if (!IsAllowedNavigation(text.toStdString()))
        return false;
    if (text == QLatin1String("javascript:window.print()"))
        PrintPage();
    else if (address.isLocalFile())
        Load(address);
    // Anything else that passes (an empty address, a page on another machine) shows nothing new.
    return true;
}

QUrl PageView::Resolve(const QString& address) const
{
    if (address.startsWith(QLatin1Char('/')))
        return FileUrl(address);
    const QUrl url(address);
    return url.isRelative() ? current.resolved(url) : url;
}

void PageView::Load(const QUrl& url)
{
    refreshTimer.stop();
    current = url;
    QByteArray bytes;
    const bool read = ReadPageFile(url, bytes);

    const int medium = MediumPixels();
    auto* page = new QTextDocument(this);
    // Laid out first at the view's width, as the editor does with its own first page:
    // a page of no size is not laid out when it is handed over.
    page->setPageSize(QSizeF(0, 0));
    page->setDefaultFont(PageFont());
    page->setDocumentMargin(kPageMargin);
    page->setBaseUrl(url);
    const QString html = read ? DecodePage(bytes) : QString();
    const std::string markup = html.toStdString();
    page->setHtml(QString::fromStdString(CarryFormattingIntoParagraphs(markup)));
    PreparePage(*page, medium);
    FitHeights(*page, CellHeights(markup));

    const Qt::ScrollBarPolicy bars = PageRefusesScrolling(markup) ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setVerticalScrollBarPolicy(bars);
    setHorizontalScrollBarPolicy(bars);
    // The first document belongs to the editor, which deletes it itself.
    QTextDocument* previous = document();
    const bool ours = previous && previous->parent() == this;
    setDocument(page);
    if (ours)
        delete previous;
    NarrowTables(*page);

    const MetaRefresh refresh = FindMetaRefresh(markup);
    if (refresh.present && !refresh.address.empty()) {
        refreshTarget = Resolve(QString::fromStdString(refresh.address));
        refreshTimer.start(std::min(refresh.seconds, 24 * 3600) * 1000);
    }
    // Said from the event loop, as a browser does, so that a caller may connect
    // after asking for the page.
    QMetaObject::invokeMethod(
        this, [this, read] { emit loadFinished(read); }, Qt::QueuedConnection);
}

QVariant PageView::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? current.resolved(name) : name;
    QByteArray bytes;
    if (!url.isLocalFile() || !ReadPageFile(url, bytes))
        return {};
    if (type == QTextDocument::ImageResource) {
        QBuffer buffer(&bytes);
        const QImage picture = ReadPictureByName(&buffer, url.path());
        if (!picture.isNull())
            return picture;
    }
    return bytes;
}

QSize PageView::minimumSizeHint() const
{
    return {0, 0};  // the window's size is its caller's, however small
}

void PageView::keyPressEvent(QKeyEvent* event)
{
    static const int caretKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
    if (!(textInteractionFlags() & Qt::TextSelectableByKeyboard) &&
        std::find(std::begin(caretKeys), std::end(caretKeys), event->key()) != std::end(caretKeys))
        setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    QTextBrowser::keyPressEvent(event);
}

void PageView::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();  // the pages show no context menu
}

// The page as a document: text stays text, at the page's sizes, within the
// printer's printable area.
void PageView::PrintPage()
{
    if (printing)
        return;  // one printout at a time
    printing = true;
    PrintJob job;
    const QString title = window()->windowTitle().trimmed();
    job.SetDocName(
        PrintService::jobName(title.isEmpty() ? document()->metaInformation(QTextDocument::DocumentTitle) : title));
    bool ok = false;
    if (PrintService::choosePrinter(job, this)) {
        std::unique_ptr<QTextDocument> copy(document()->clone(this));
        UsePoints(*copy);
        ForPaper(*copy);
        copy->print(job.Printer());
        ok = !job.Failed();
    }
    printing = false;
    emit printFinished(ok);
}
