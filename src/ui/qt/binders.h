#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "ui/control.h"

class QMenu;

namespace ui::qt {

class FormView;

// The widget of one control: it shows the control's state whenever the control notifies and
// turns what the person does with the widget into the control's events.
class Binder : public QObject {
  public:
    Binder(FormView& view, ui::Control& control);

    ui::Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }
    bool ownVisibility = true;

    // Copies the model's state into the widget.
    void mirror();

  protected:
    // The control notified a change: mirrors it at once (a binder may gather them instead).
    virtual void changed() { mirror(); }
    // Called once the widget exists: starts following the control.
    void attach(QWidget* w);
    virtual void mirrorState() = 0;
    // False once the form is gone.
    bool live() const;

    FormView& view_;
    ui::Control& control_;
    bool mirroring_ = false;

  private:
    QPointer<QWidget> widget_;
};

// Adds "Export…" to a context menu when the view's form has an Export command on show; it
// clicks that command.
void AddExportAction(FormView& view, QMenu& menu);

// The binder of any control kind (a catalogue page never names its tab strip in its layout).
std::unique_ptr<Binder> MakeBinder(FormView& view, ui::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeTabBinder(FormView& view, ui::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeGridBinder(FormView& view, ui::Control& control, QWidget* parent);

}  // namespace ui::qt
