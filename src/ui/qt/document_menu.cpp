#include "ui/qt/document_menu.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/about_box.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/settings.h"
#include "ui/safe_file.h"

namespace ui::qt {

DocumentMenu::DocumentMenu(MainWindow& window, DocumentHooks hooks, Settings* settings)
    : QObject(&window), window_(window), hooks_(std::move(hooks)), settings_(settings) {
    baseline_ = hooks_.inputs();
    QMenu* file = window.menuBar()->addMenu("&File");
    add(file, "&New", QKeySequence::New, [this] { newProject(); });
    add(file, "&Open...", QKeySequence::Open, [this] { open(); });
    if (settings_) {
        recent_ = file->addMenu("Open &Recent");
        recent_->setToolTipsVisible(true);
        connect(recent_, &QMenu::aboutToShow, this, [this] { fillRecent(); });
    }
    add(file, "&Save", QKeySequence::Save, [this] { save(); });
    add(file, "Save &As...", QKeySequence::SaveAs, [this] { saveAs(); });
    file->addSeparator();
    print_ = add(file, "&Print...", QKeySequence::Print, [this] {
        if (!hooks_.canPrint || hooks_.canPrint()) hooks_.print();
    });
    file->addSeparator();
    add(file, "&Quit", QKeySequence::Quit, [this] { window_.close(); });
    QMenu* help = window.menuBar()->addMenu("&Help");
    add(help, "&Documentation", QKeySequence(), [this] { hooks_.documentation(); });
    add(help, "&About", QKeySequence(), [this] { about(); });
    window.closeGuard = [this] { return mayDiscard(); };

    keepTimer_.setSingleShot(true);
    keepTimer_.setInterval(hooks_.keepAfter);
    connect(&keepTimer_, &QTimer::timeout, this, [this] { keepNow(); });
    // Several model calls in a row (a key press, the focus moving on) are followed once.
    followTimer_.setSingleShot(true);
    followTimer_.setInterval(0);
    connect(&followTimer_, &QTimer::timeout, this, [this] { follow(); });
    connect(&ModelCalls::instance(), &ModelCalls::settled, this, [this] {
        if (!followTimer_.isActive()) followTimer_.start();
    });
    show(false);
}

QAction* DocumentMenu::add(QMenu* menu, const QString& text, const QKeySequence& keys,
                           std::function<void()> f) {
    QAction* a = menu->addAction(text);
    if (!keys.isEmpty()) a->setShortcut(keys);
    connect(a, &QAction::triggered, this, std::move(f));
    return a;
}

bool DocumentMenu::modified() const { return hooks_.inputs() != baseline_; }

void DocumentMenu::follow() { show(modified()); }

// The title, whether the page shown can print, and the unsaved work kept.
void DocumentMenu::show(bool unsaved) {
    const QString name = path_.isEmpty() ? QString("Untitled") : QFileInfo(path_).fileName();
    window_.setTitleSuffix(" - " + name + (unsaved ? " *" : ""));
    // The About page has no report: File > Print is greyed there rather than doing nothing.
    if (hooks_.canPrint) print_->setEnabled(hooks_.canPrint());
    keepUnsaved(unsaved);
}

// Unsaved work is written out a while after the first change, not at every key: at most
// `keepAfter` passes between a change and the file that holds it.
void DocumentMenu::keepUnsaved(bool unsaved) {
    if (!hooks_.keep) return;
    if (unsaved) {
        if (!keepTimer_.isActive()) keepTimer_.start();
        return;
    }
    keepTimer_.stop();
    if (kept_ && hooks_.drop) hooks_.drop();
    kept_ = false;
}

void DocumentMenu::keepNow() {
    if (!hooks_.keep) return;
    if (!modified()) return keepUnsaved(false);
    hooks_.keep(hooks_.text());
    kept_ = true;
}

// True when the changes may go: there are none, they were saved, or the person said so.
bool DocumentMenu::mayDiscard() {
    if (!modified()) return true;
    QMessageBox box(QMessageBox::Question, "Vadocalc",
                    "The project has changes that are not saved. Save them first?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    box.button(QMessageBox::Save)->setText("&Save");
    box.button(QMessageBox::Discard)->setText("&Discard");
    box.button(QMessageBox::Cancel)->setText("&Cancel");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Discard) return true;
    return save();
}

void DocumentMenu::newProject() {
    if (!mayDiscard()) return;
    std::string notice;
    hooks_.load(hooks_.fresh(), notice);
    path_.clear();
    baseline_ = hooks_.inputs();
    follow();
}

void DocumentMenu::open() {
    if (!mayDiscard()) return;
    const QString path = QFileDialog::getOpenFileName(
        &window_, "Open Project", QString(), "Vadocalc projects (*" + ToQ(hooks_.extension) + ")");
    if (!path.isEmpty()) openFile(path);
}

bool DocumentMenu::openFile(const QString& path) {
    QFile file(path);
    QString error;
    std::string notice;
    if (file.size() > 1024 * 1024)
        error = "The file is too large to be a project.";
    else if (!file.open(QIODevice::ReadOnly))
        error = "The file " + path + " cannot be read.";
    else
        error = ToQ(hooks_.load(file.readAll().toStdString(), notice));
    if (!error.isEmpty()) {
        problem(error);
        return false;
    }
    path_ = path;
    baseline_ = hooks_.inputs();
    follow();
    remember(path);
    if (!notice.empty()) QMessageBox::information(&window_, "Vadocalc", ToQ(notice));
    return true;
}

std::string DocumentMenu::restoreUnsaved(const std::string& text) {
    std::string notice;
    const std::string error = hooks_.load(text, notice);
    if (!error.empty()) return error;
    path_.clear();
    follow();
    keepNow();
    if (!notice.empty()) QMessageBox::information(&window_, "Vadocalc", ToQ(notice));
    return "";
}

void DocumentMenu::fillRecent() {
    recent_->clear();
    const QStringList files = settings_->recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QString name = QFileInfo(files[i]).fileName();
        name.replace("&", "&&");
        QAction* a = recent_->addAction(QString("&%1 %2").arg(i + 1).arg(name));
        a->setToolTip(files[i]);
        a->setStatusTip(files[i]);
        connect(a, &QAction::triggered, this, [this, path = files[i]] { openRecent(path); });
    }
    if (files.isEmpty()) recent_->addAction("No recent projects")->setEnabled(false);
}

void DocumentMenu::openRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        settings_->removeRecentFile(path);
        problem("The project " + path + " is no longer there; it has been taken off the list.");
        return;
    }
    if (mayDiscard()) openFile(path);
}

bool DocumentMenu::save() { return path_.isEmpty() ? saveAs() : write(path_); }

bool DocumentMenu::saveAs() {
    QString path = QFileDialog::getSaveFileName(
        &window_, "Save Project As", path_, "Vadocalc projects (*" + ToQ(hooks_.extension) + ")");
    if (path.isEmpty()) return false;
    if (!path.endsWith(ToQ(hooks_.extension))) path += ToQ(hooks_.extension);
    return write(path);
}

// All or nothing: the old file stays whole until the new one is complete.
bool DocumentMenu::write(const QString& path) {
    std::string why;
    if (!WriteFileAtomically(path.toStdString(), hooks_.text(), why)) {
        problem("The project could not be saved to " + path + ": " + ToQ(why) + ".");
        return false;
    }
    path_ = path;
    baseline_ = hooks_.inputs();
    follow();
    remember(path);
    return true;
}

void DocumentMenu::remember(const QString& path) {
    if (!settings_) return;
    settings_->addRecentFile(path);
}

void DocumentMenu::problem(const QString& text) {
    QMessageBox::warning(&window_, "Vadocalc", text);
}

void DocumentMenu::about() {
    if (ShowAboutBox(&window_)) hooks_.documentation();
}

DocumentMenu& InstallDocumentMenu(MainWindow& window, DocumentHooks hooks, Settings* settings) {
    return *new DocumentMenu(window, std::move(hooks), settings);
}

std::optional<bool> AskToRestore(QWidget* parent, qint64 keptAt) {
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(keptAt), QLocale::ShortFormat);
    QMessageBox box(
        QMessageBox::Question, "Vadocalc",
        "Vadocalc did not close normally, and work that was not saved was kept (last on " + when +
            "). Restore it?",
        QMessageBox::NoButton, parent);
    box.setInformativeText("Discard deletes it; Not Now keeps it for the next start.");
    QPushButton* restore = box.addButton("&Restore", QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton("&Discard", QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton("&Not Now", QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore) return true;
    if (box.clickedButton() == discard) return false;
    return std::nullopt;
}

}  // namespace ui::qt
