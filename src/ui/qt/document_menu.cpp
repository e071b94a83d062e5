#include "ui/qt/document_menu.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>

#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/safe_file.h"
#include "ui/services.h"

namespace ui::qt {

namespace {

class DocumentMenu : public QObject {
  public:
    DocumentMenu(MainWindow& window, DocumentHooks hooks) : QObject(&window), window_(window), hooks_(std::move(hooks)) {
        baseline_ = hooks_.inputs();
        QMenu* file = window.menuBar()->addMenu("&File");
        add(file, "&New", QKeySequence::New, [this] { newProject(); });
        add(file, "&Open...", QKeySequence::Open, [this] { open(); });
        add(file, "&Save", QKeySequence::Save, [this] { save(); });
        add(file, "Save &As...", QKeySequence::SaveAs, [this] { saveAs(); });
        file->addSeparator();
        add(file, "&Print...", QKeySequence::Print, [this] { hooks_.print(); });
        file->addSeparator();
        add(file, "&Quit", QKeySequence::Quit, [this] { window_.close(); });
        QMenu* help = window.menuBar()->addMenu("&Help");
        add(help, "&Documentation", QKeySequence(), [this] { hooks_.documentation(); });
        add(help, "&About", QKeySequence(), [this] { about(); });
        window.closeGuard = [this] { return mayDiscard(); };
        connect(&ModelCalls::instance(), &ModelCalls::settled, this, [this] { updateTitle(); });
        updateTitle();
    }

  private:
    template <class F>
    void add(QMenu* menu, const QString& text, const QKeySequence& keys, F f) {
        QAction* a = menu->addAction(text);
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, f);
    }

    bool modified() const { return hooks_.inputs() != baseline_; }

    void updateTitle() {
        const QString name = path_.isEmpty() ? QString("Untitled") : QFileInfo(path_).fileName();
        window_.setTitleSuffix(" - " + name + (modified() ? " *" : ""));
    }

    // True when the changes may go: there are none, they were saved, or the person said so.
    bool mayDiscard() {
        if (!modified()) return true;
        const auto answer = QMessageBox::question(
            &window_, "Vadocalc", "The project has changes that are not saved. Save them first?",
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel) return false;
        if (answer == QMessageBox::Discard) return true;
        return save();
    }

    void newProject() {
        if (!mayDiscard()) return;
        std::string notice;
        hooks_.load(hooks_.fresh(), notice);
        path_.clear();
        baseline_ = hooks_.inputs();
        updateTitle();
    }

    void open() {
        if (!mayDiscard()) return;
        const QString path = QFileDialog::getOpenFileName(&window_, "Open Project", QString(),
                                                          "Vadocalc projects (*" + ToQ(hooks_.extension) + ")");
        if (!path.isEmpty()) openFile(path);
    }

  public:
    // Loads the project in `path`; a file that is not one is reported and changes nothing.
    void openFile(const QString& path) {
        QFile file(path);
        if (file.size() > 1024 * 1024) return problem("The file is too large to be a project.");
        if (!file.open(QIODevice::ReadOnly)) return problem("The file " + path + " cannot be read.");
        std::string notice;
        const std::string error = hooks_.load(file.readAll().toStdString(), notice);
        if (!error.empty()) return problem(ToQ(error));
        path_ = path;
        baseline_ = hooks_.inputs();
        updateTitle();
        if (!notice.empty()) QMessageBox::information(&window_, "Vadocalc", ToQ(notice));
    }

  private:
    bool save() { return path_.isEmpty() ? saveAs() : write(path_); }

    bool saveAs() {
        QString path = QFileDialog::getSaveFileName(&window_, "Save Project As", path_,
                                                    "Vadocalc projects (*" + ToQ(hooks_.extension) + ")");
        if (path.isEmpty()) return false;
        if (!path.endsWith(ToQ(hooks_.extension))) path += ToQ(hooks_.extension);
        return write(path);
    }

    // All or nothing: the old file stays whole until the new one is complete.
    bool write(const QString& path) {
        std::string why;
        if (!WriteFileAtomically(path.toStdString(), hooks_.text(), why)) {
            problem("The project could not be saved to " + path + ": " + ToQ(why) + ".");
            return false;
        }
        path_ = path;
        baseline_ = hooks_.inputs();
        updateTitle();
        return true;
    }

    void problem(const QString& text) { QMessageBox::warning(&window_, "Vadocalc", text); }

    void about() {
        QMessageBox::about(&window_, "About Vadocalc",
                           QString("Vadocalc %1.%2.%3\nHydraulic design aids for small structures.")
                               .arg(Services::kVersionMajor)
                               .arg(Services::kVersionMinor)
                               .arg(Services::kVersionRevision));
    }

    MainWindow& window_;
    DocumentHooks hooks_;
    QString path_;
    std::string baseline_;
};

}  // namespace

std::function<void(const QString& path)> InstallDocumentMenu(MainWindow& window, DocumentHooks hooks) {
    auto* menu = new DocumentMenu(window, std::move(hooks));
    return [menu](const QString& path) { menu->openFile(path); };
}

}  // namespace ui::qt
