#pragma once

#include <QDialog>

#include "ui/form.h"

namespace ui::qt {

class FormView;

// The window of a form that is not a page of the main window: a dialog shown modally (run
// until the form hides) or a window of its own shown modeless.
class FormWindow : public QDialog {
    Q_OBJECT
  public:
    FormWindow(ui::Form& form, QWidget* parent);
    ~FormWindow() override;

    FormView& view() const { return *view_; }
    ui::Form* form() const;
    // Nesting of the modal runs of this window now going on.
    int modalDepth = 0;
    // The form is gone: the window no longer reaches it.
    void detach();

  protected:
    // Escape and the window's close button: the form's cancel button if it has one (its click
    // handler decides), else the form hides.
    void reject() override;

  private:
    FormView* view_;
};

}  // namespace ui::qt
