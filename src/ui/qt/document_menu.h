#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace ui::qt {

class MainWindow;
class Settings;

// What the File menu does with the program's document (a project), told to the view without
// the view knowing what a project is.
struct DocumentHooks {
    std::function<std::string()> text;    // the document as it would be saved
    std::function<std::string()> inputs;  // what an unsaved change is measured by
    // Loads a document: "" when it went in, else why nothing changed; `notice` may tell what
    // was skipped.
    std::function<std::string(const std::string& text, std::string& notice)> load;
    std::function<std::string()> fresh;  // the document of a new project
    std::function<void()> print;         // the shown page's Print
    std::function<bool()> canPrint;      // whether the shown page has a report
    std::function<void()> documentation;
    std::string extension;  // ".vado"
    // Keeping unsaved work safe from a crash: `keep` is given the document at most `keepAfter`
    // after a change while there are unsaved changes, `drop` is told when there are none left.
    std::function<void(const std::string& text)> keep;
    std::function<void()> drop;
    std::chrono::milliseconds keepAfter{1000};
};

// The File menu (New, Open..., Open Recent, Save, Save As..., Print..., Quit) and the Help menu
// (Documentation, About) with their standard shortcuts; the title names the file and marks
// unsaved changes, and New, Open and Quit ask before they drop them.
class DocumentMenu : public QObject {
  public:
    // `settings`, when given, keeps the list of recent projects.
    DocumentMenu(MainWindow& window, DocumentHooks hooks, Settings* settings);

    // Opens a project file as File > Open does once the file is chosen (also a file given on
    // the command line); a file that is not one is reported and changes nothing.
    bool openFile(const QString& path);
    // Puts back work a run that ended without saving left behind: it comes in untitled and
    // unsaved, and is kept again at once. "" when it went in, else why not.
    std::string restoreUnsaved(const std::string& text);
    bool modified() const;

  private:
    QAction* add(QMenu* menu, const QString& text, const QKeySequence& keys,
                 std::function<void()> f);
    // After every change.
    void follow();
    void show(bool unsaved);
    void keepUnsaved(bool unsaved);
    void keepNow();
    bool mayDiscard();
    void newProject();
    void open();
    void fillRecent();
    void openRecent(const QString& path);
    bool save();
    bool saveAs();
    bool write(const QString& path);
    void remember(const QString& path);
    void problem(const QString& text);
    void about();

    MainWindow& window_;
    DocumentHooks hooks_;
    Settings* settings_;
    QMenu* recent_ = nullptr;
    QAction* print_ = nullptr;
    QString path_;
    std::string baseline_;
    QTimer followTimer_;
    QTimer keepTimer_;
    bool kept_ = false;
};

DocumentMenu& InstallDocumentMenu(MainWindow& window, DocumentHooks hooks,
                                  Settings* settings = nullptr);

// Asks whether to restore work a run that did not end cleanly left unsaved (last kept at
// `keptAt`, seconds since the epoch): true to restore it, false to discard it, nothing to keep
// it for a later start.
std::optional<bool> AskToRestore(QWidget* parent, qint64 keptAt);

}  // namespace ui::qt
