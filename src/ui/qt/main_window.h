#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "ui/form.h"

class QStackedWidget;

namespace ui::qt {

class FormView;
class QtServices;
class TabStripBar;

// The catalogue forms as one window: a tab strip over a stack of their pages. The model keeps
// the catalogue (each form's tab strip, which form is shown, hidden forms keeping their
// inputs); the window shows the page of the visible form and hands tab clicks to the tab strip
// of that form. A page's widgets are made the first time the page is shown or asked for, bound
// to its form as it stands then; a person sees one page at a time.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(std::vector<ui::Form*> pages, QtServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // The page on show: the one whose form the model has visible.
    int currentPage() const;
    // The page of form i and its view, built now if they were not yet.
    QWidget* page(int i);
    FormView& view(int i);
    bool isBuilt(int i) const { return views_.at(i) != nullptr; }
    TabStripBar& tabBar() const { return *tabs_; }
    QStackedWidget& stack() const { return *stack_; }

    // A person's click on tab i (from 0). A click on the tab already shown does nothing.
    void clickTab(int i);

    // Text after the page's caption in the title: the open project and its unsaved mark.
    void setTitleSuffix(const QString& suffix);
    // Asked before the window closes: false keeps it open.
    std::function<bool()> closeGuard;
    // F1: help on the page shown.
    std::function<void(ui::Form& page)> onHelp;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

  private:
    // The one place a page's widgets are made.
    FormView& built(int i);
    int visibleForm() const;
    void followModel();
    void focusPage(int i);

    std::vector<ui::Form*> pages_;
    std::vector<FormView*> views_;  // null until the page is built
    QtServices& services_;
    TabStripBar* tabs_;
    QStackedWidget* stack_;
    bool focusPending_ = false;
    QString titleSuffix_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace ui::qt
