#include "ui/qt/manual_window.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

#include "ui/qt/manual_browser.h"
#include "ui/safe_file.h"

namespace ui::qt {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// A page's title: its first heading, else its file name.
QString TitleOf(const QString& path) {
    QTextStream in(ReadText(path).toUtf8());
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith("# ")) return line.mid(2).trimmed();
    }
    return QFileInfo(path).completeBaseName();
}

// Draws the contents list: a page's title indented under its group, wrapped lines included.
class ContentsDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kIndent = 16;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, indented(option, index), index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(indented(option, index), index) +
               QSize(indent(index), 0);
    }

  private:
    static int indent(const QModelIndex& index) {
        return index.data(kPathRole).toString().isEmpty() ? 0 : kIndent;
    }
    static QStyleOptionViewItem indented(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) {
        QStyleOptionViewItem o = option;
        o.rect.setLeft(o.rect.left() + indent(index));
        return o;
    }
};

}  // namespace

ManualWindow::ManualWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Vadocalc Manual");
    setModal(false);
    resize(980, 660);
    auto* back = new QPushButton("< &Back", this);
    auto* forward = new QPushButton("&Forward >", this);
    auto* home = new QPushButton("&Contents", this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText("Search the manual");
    search_->setClearButtonEnabled(true);
    auto* next = new QPushButton("Find &next", this);
    auto* print = new QPushButton("&Print...", this);
    auto* pdf = new QPushButton("&Export PDF...", this);

    index_ = new QListWidget(this);
    index_->setWordWrap(true);
    index_->setTextElideMode(Qt::ElideNone);
    index_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    index_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    index_->setResizeMode(QListView::Adjust);
    index_->setUniformItemSizes(false);
    index_->setItemDelegate(new ContentsDelegate(index_));
    found_ = new QLabel(this);
    found_->setWordWrap(true);
    auto* side = new QWidget(this);
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    sideColumn->addWidget(index_, 1);
    sideColumn->addWidget(found_);

    auto* browser = new ManualBrowser(this);
    browser->onShown = [this] { markCurrent(); };
    browser_ = browser;
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    auto* split = new QSplitter(this);
    split->addWidget(side);
    split->addWidget(browser_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setSizes({240, 720});

    // Enter belongs to the search field: no button of this window is the dialog's default.
    for (QPushButton* b : {back, forward, home, next, print, pdf}) b->setAutoDefault(false);

    auto* bar = new QHBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(back), static_cast<QWidget*>(forward), static_cast<QWidget*>(home)})
        bar->addWidget(w);
    bar->addWidget(search_, 1);
    for (QWidget* w :
         {static_cast<QWidget*>(next), static_cast<QWidget*>(print), static_cast<QWidget*>(pdf)})
        bar->addWidget(w);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(split, 1);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(home, &QPushButton::clicked, this,
            [this] { showPage(QDir(folder_).filePath("index.md")); });
    auto open = [this](QListWidgetItem* item) {
        const QString path = item->data(kPathRole).toString();
        if (!path.isEmpty()) showPage(path);
    };
    connect(index_, &QListWidget::itemActivated, this, open);
    connect(index_, &QListWidget::itemClicked, this, open);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { search(text); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    connect(print, &QPushButton::clicked, this, [this] { printPage(); });
    connect(pdf, &QPushButton::clicked, this, [this] { exportPage(); });
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence::Back, [this] { browser_->backward(); }},
        {QKeySequence::Forward, [this] { browser_->forward(); }},
        {QKeySequence::FindNext, [this] { findNext(); }},
        {QKeySequence::Find,
         [this] {
             search_->setFocus();
             search_->selectAll();
         }},
        {QKeySequence::Print, [this] { printPage(); }},
    };
    for (const auto& [key, action] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, action);
    back->setEnabled(false);
    forward->setEnabled(false);
}

bool ManualWindow::showPage(const QString& path) {
    const qsizetype hash = path.indexOf('#');
    const QFileInfo file(hash < 0 ? path : path.left(hash));
    if (!file.isFile()) return false;
    if (file.absolutePath() != folder_) fillIndex(file.absolutePath());
    browser_->setSearchPaths({folder_});
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (hash >= 0) url.setFragment(path.mid(hash + 1));
    browser_->setSource(url, QTextDocument::MarkdownResource);
    show();
    raise();
    activateWindow();
    return true;
}

QString ManualWindow::currentPage() const { return browser_->source().toLocalFile(); }

void ManualWindow::fillIndex(const QString& folder) {
    folder_ = folder;
    texts_.clear();
    index_->clear();
    const QDir dir(folder);
    // The contents page first, then its groups and pages in its order, then any page it omits.
    const QString contents = dir.absoluteFilePath("index.md");
    if (QFileInfo::exists(contents)) addPage(contents, TitleOf(contents));
    QStringList listed{"index.md"};
    const QRegularExpression entry(R"(^\s*[-*]\s+\[([^\]]+)\]\(([^)#]+\.md)\))");
    QTextStream in(ReadText(contents).toUtf8());
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith("## ")) {
            auto* group = new QListWidgetItem(line.mid(3).trimmed(), index_);
            QFont font = group->font();
            font.setBold(true);
            group->setFont(font);
            group->setFlags(Qt::ItemIsEnabled);
        } else if (const auto m = entry.match(line); m.hasMatch() && dir.exists(m.captured(2))) {
            addPage(dir.absoluteFilePath(m.captured(2)), m.captured(1));
            listed << m.captured(2);
        }
    }
    for (const QString& f : dir.entryList({"*.md"}, QDir::Files, QDir::Name))
        if (!listed.contains(f)) addPage(dir.absoluteFilePath(f), TitleOf(dir.absoluteFilePath(f)));
}

void ManualWindow::addPage(const QString& path, const QString& title) {
    auto* item = new QListWidgetItem(title, index_);
    item->setData(kPathRole, path);
    item->setToolTip(title);
}

void ManualWindow::markCurrent() {
    const QString page = QFileInfo(currentPage()).absoluteFilePath();
    const QSignalBlocker quiet(index_);
    for (int i = 0; i < index_->count(); ++i)
        if (index_->item(i)->data(kPathRole).toString() == page) {
            index_->setCurrentRow(i);
            index_->scrollToItem(index_->item(i));
        }
    const QString title = browser_->document()->firstBlock().text().trimmed();
    setWindowTitle(title.isEmpty() ? "Vadocalc Manual" : title + " - Vadocalc Manual");
}

QString ManualWindow::pageText(const QString& path) {
    auto it = texts_.find(path);
    if (it == texts_.end()) {
        // The words as the reader sees them: markup, link targets and entities resolved.
        QTextDocument page;
        page.setMarkdown(ReadText(path));
        it = texts_.insert(path, page.toPlainText());
    }
    return *it;
}

void ManualWindow::search(const QString& text) {
    int pages = 0;
    QListWidgetItem* group = nullptr;
    bool groupHolds = false;
    auto closeGroup = [&] {
        if (group) group->setHidden(!groupHolds);
    };
    for (int i = 0; i < index_->count(); ++i) {
        QListWidgetItem* item = index_->item(i);
        const QString path = item->data(kPathRole).toString();
        if (path.isEmpty()) {
            closeGroup();
            group = item;
            groupHolds = false;
            continue;
        }
        const bool holds = text.isEmpty() || pageText(path).contains(text, Qt::CaseInsensitive);
        item->setHidden(!holds);
        groupHolds = groupHolds || holds;
        pages += holds;
    }
    closeGroup();
    if (text.isEmpty())
        found_->clear();
    else if (pages == 0)
        found_->setText(QString("No page holds \"%1\".").arg(text));
    else
        found_->setText(QString("%1 %2 \"%3\".")
                            .arg(pages)
                            .arg(pages == 1 ? "page holds" : "pages hold", text));
}

bool ManualWindow::findNext() {
    const QString text = search_->text();
    if (text.isEmpty()) return false;
    if (browser_->find(text)) return true;
    // Past the page's last place: the next listed page that holds it, round to this one again.
    QStringList pages;
    for (int i = 0; i < index_->count(); ++i)
        if (const QString path = index_->item(i)->data(kPathRole).toString();
            !path.isEmpty() && !index_->item(i)->isHidden())
            pages << path;
    const qsizetype here = pages.indexOf(QFileInfo(currentPage()).absoluteFilePath());
    for (qsizetype step = 1; step <= pages.size(); ++step) {
        const QString& path = pages[(here + step + pages.size()) % pages.size()];
        if (!pageText(path).contains(text, Qt::CaseInsensitive)) continue;
        if (path != QFileInfo(currentPage()).absoluteFilePath()) showPage(path);
        browser_->moveCursor(QTextCursor::Start);
        return browser_->find(text);
    }
    return false;
}

void ManualWindow::layOut(QPagedPaintDevice& device) { browser_->document()->print(&device); }

void ManualWindow::printPage() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle("Print Manual Page");
    if (dialog.exec() == QDialog::Accepted) layOut(printer);
}

bool ManualWindow::exportPdf(const QString& file, QString& why) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setTitle(windowTitle());
        writer.setCreator("Vadocalc");
        layOut(writer);
    }
    std::string reason;
    if (ui::WriteFileAtomically(file.toStdString(),
                                std::string_view(pdf.data().constData(), pdf.data().size()),
                                reason))
        return true;
    why = QString::fromStdString(reason);
    return false;
}

void ManualWindow::exportPage() {
    const QString name = QFileInfo(currentPage()).completeBaseName();
    QString file = QFileDialog::getSaveFileName(
        this, "Export PDF", QDir::home().filePath(name + ".pdf"), "PDF files (*.pdf)");
    if (file.isEmpty()) return;
    if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
    QString why;
    if (!exportPdf(file, why))
        QMessageBox::warning(this, "Vadocalc Manual",
                             QString("The page could not be exported to %1: %2").arg(file, why));
}

}  // namespace ui::qt
