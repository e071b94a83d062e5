#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/page_builder.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/tab_strip_bar.h"

namespace ui::qt {

namespace {

TabStrip* TabStripOf(const ui::Form& form) {
    for (auto& c : form.controls())
        if (c->kind() == Kind::TabStrip) return static_cast<TabStrip*>(c.get());
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(std::vector<ui::Form*> pages, QtServices& services, QWidget* parent)
    : QMainWindow(parent), pages_(std::move(pages)), services_(services) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSpacing(0);
    tabs_ = new TabStripBar(central);
    stack_ = new QStackedWidget(central);
    stack_->setFrameShape(QFrame::StyledPanel);
    column->addWidget(tabs_);
    column->addWidget(stack_, 1);
    setCentralWidget(central);

    auto follow = [token = std::weak_ptr<int>(alive_), this] {
        if (!token.expired()) followModel();
    };
    for (ui::Form* form : pages_) {
        views_.push_back(nullptr);
        stack_->addWidget(new QWidget(stack_));
        form->subscribe(follow);
        if (TabStrip* strip = TabStripOf(*form)) strip->subscribe(follow);
    }

    connect(tabs_, &TabStripBar::tabClicked, this, &MainWindow::clickTab);
    connect(&ModelCalls::instance(), &ModelCalls::settled, this, &MainWindow::followModel);
    auto step = [this](int by) {
        const int n = pageCount();
        if (n > 0) clickTab(((currentPage() + by) % n + n) % n);
    };
    for (auto keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    for (auto keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                      QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });

    services_.setHost(this, [this](const ui::Form& f) {
        return std::find(pages_.begin(), pages_.end(), &f) != pages_.end();
    });

    if (!pages_.empty()) {
        // Every catalogue form has the main form's size and place from start-up.
        const ui::Form& first = *pages_.front();
        // The window opens at the size every page shows whole in; a smaller one scrolls the page.
        setMinimumSize(kMinimumWindowSize);
        resize(kDefaultWindowSize);
        if (first.left != 0 || first.top != 0)
            move(TwipsToPixels(first.left, logicalDpiX()), TwipsToPixels(first.top, logicalDpiY()));
    }
    followModel();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        const int v = visibleForm();
        if (v >= 0 && onHelp) onHelp(*pages_[v]);
    });
}

MainWindow::~MainWindow() {
    alive_.reset();
    disconnect(&ModelCalls::instance(), nullptr, this, nullptr);
    services_.setHost(nullptr, {});
}

int MainWindow::visibleForm() const {
    for (int i = 0; i < pageCount(); ++i)
        if (pages_[i]->visible()) return i;
    return -1;
}

int MainWindow::currentPage() const { return stack_->currentIndex(); }

QWidget* MainWindow::page(int i) {
    built(i);
    return stack_->widget(i);
}

FormView& MainWindow::view(int i) { return built(i); }

FormView& MainWindow::built(int i) {
    FormView*& view = views_.at(i);
    if (!view) {
        view = new FormView(*pages_[i], this);
        BuildPage(*view, stack_->widget(i), {.heading = true});
    }
    return *view;
}

void MainWindow::followModel() {
    const int v = visibleForm();
    if (v < 0) return;
    built(v);
    if (stack_->currentIndex() != v) {
        stack_->setCurrentIndex(v);
        focusPending_ = true;
    }
    const ui::Form& form = *pages_[v];
    if (const TabStrip* strip = TabStripOf(form)) {
        std::vector<TabStripBar::Tab> tabs;
        for (auto& t : strip->tabs) tabs.push_back({ToQ(t.caption), ToQ(t.toolTip)});
        tabs_->setTabs(tabs);
        tabs_->setCurrentIndex(strip->selectedTab() - 1);
    }
    const QString title = ToQ(form.caption()) + titleSuffix_;
    if (windowTitle() != title) setWindowTitle(title);
    // Qt focus signals are ignored during a model call; the page gets its focus once it ends.
    if (focusPending_ && !ModelCalls::busy()) {
        focusPending_ = false;
        focusPage(v);
    }
}

void MainWindow::focusPage(int i) {
    FormView& v = built(i);
    const ui::Control* focused = pages_[i]->focused();
    if (focused && focused->kind() != Kind::TabStrip && v.widgetOf(*focused)) {
        v.syncFocus();
        return;
    }
    QWidget* page = stack_->widget(i);
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void MainWindow::clickTab(int i) {
    const int cur = visibleForm();
    if (cur < 0 || i < 0 || i >= pageCount() || i == cur) return;
    ui::Form& form = *pages_[cur];
    TabStrip* strip = TabStripOf(form);
    if (!strip) return;
    // The strip takes the focus first, so the field being left validates; a cancelled
    // validation keeps the page.
    built(cur).act([&] {
        if (!strip->canFocus() || form.setFocus(strip)) strip->clickTab(i + 1);
    });
    followModel();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closeGuard && !closeGuard()) {
        e->ignore();
        return;
    }
    e->accept();
    QCoreApplication::quit();
}

void MainWindow::setTitleSuffix(const QString& suffix) {
    titleSuffix_ = suffix;
    followModel();
}

void MainWindow::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    const int v = visibleForm();
    if (v < 0 || !isVisible()) return;
    pages_[v]->left = PixelsToTwips(x(), logicalDpiX());
    pages_[v]->top = PixelsToTwips(y(), logicalDpiY());
}

}  // namespace ui::qt
