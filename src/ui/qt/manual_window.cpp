#include "ui/qt/manual_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

namespace ui::qt {

namespace {

// A page's title: its first heading, else its file name.
QString TitleOf(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith("# ")) return line.mid(2).trimmed();
        }
    }
    return QFileInfo(path).completeBaseName();
}

}  // namespace

ManualWindow::ManualWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Vadocalc Manual");
    setModal(false);
    resize(900, 640);
    auto* back = new QPushButton("< Back", this);
    auto* forward = new QPushButton("Forward >", this);
    auto* home = new QPushButton("Contents", this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText("Search this page");
    search_->setClearButtonEnabled(true);
    auto* next = new QPushButton("Find", this);

    index_ = new QListWidget(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    auto* split = new QSplitter(this);
    split->addWidget(index_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 3);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(back), static_cast<QWidget*>(forward), static_cast<QWidget*>(home)})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(search_, 2);
    bar->addWidget(next);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(split, 1);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(home, &QPushButton::clicked, this, [this] { showPage(QDir(folder_).filePath("index.md")); });
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(index_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(next, &QPushButton::clicked, this, [this] { find(false); });
    back->setEnabled(false);
    forward->setEnabled(false);
}

bool ManualWindow::showPage(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    const QString folder = QFileInfo(path).absolutePath();
    if (folder != folder_) fillIndex(folder);
    browser_->setSearchPaths({folder});
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), QTextDocument::MarkdownResource);
    for (int i = 0; i < index_->count(); ++i)
        if (index_->item(i)->data(Qt::UserRole).toString() == QFileInfo(path).absoluteFilePath())
            index_->setCurrentRow(i);
    show();
    raise();
    activateWindow();
    return true;
}

QString ManualWindow::currentPage() const { return browser_->source().toLocalFile(); }

void ManualWindow::fillIndex(const QString& folder) {
    folder_ = folder;
    index_->clear();
    const QDir dir(folder);
    QStringList files = dir.entryList({"*.md"}, QDir::Files, QDir::Name);
    // The contents first, then the pages in the order the contents lists them.
    files.removeAll("index.md");
    files.prepend("index.md");
    for (const QString& f : files) {
        const QString path = dir.absoluteFilePath(f);
        if (!QFileInfo::exists(path)) continue;
        auto* item = new QListWidgetItem(TitleOf(path), index_);
        item->setData(Qt::UserRole, path);
    }
}

void ManualWindow::find(bool backward) {
    const QString text = search_->text();
    if (text.isEmpty()) return;
    const auto flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (!browser_->find(text, flags)) {
        // From the top again once the end is reached.
        browser_->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
        browser_->find(text, flags);
    }
}

}  // namespace ui::qt
