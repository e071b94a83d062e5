#pragma once

#include <QObject>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/form.h"

class QWidget;

namespace ui::qt {

class Binder;

// Counts the model calls the view makes on the person's behalf. A message box shown inside a
// validation moves Qt focus about; those moves are not the person's, so focus signals are
// ignored until the outermost call returns, and then every view puts Qt focus where the model
// has it.
class ModelCalls : public QObject {
    Q_OBJECT
  public:
    static ModelCalls& instance();
    static bool busy() { return depth_ > 0; }

    class Scope {
      public:
        Scope() { ++depth_; }
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // A modal dialog run from inside a model call is a session of its own: the person's focus
    // moves in it count again until it closes.
    class Suspend {
      public:
        Suspend() : saved_(depth_) { depth_ = 0; }
        ~Suspend() { depth_ = saved_; }
        Suspend(const Suspend&) = delete;
        Suspend& operator=(const Suspend&) = delete;

      private:
        int saved_;
    };

  signals:
    void settled();

  private:
    static int depth_;
};

// The widgets of one form and the traffic between them and the model. The model is the
// master: a widget reports what the person did and shows what the model holds, and focus
// goes where the model's focus protocol puts it.
class FormView : public QObject {
    Q_OBJECT
  public:
    explicit FormView(ui::Form& form, QObject* parent = nullptr);
    ~FormView() override;

    // Null once the form is gone.
    ui::Form* form() const { return form_; }

    // Creates the widget of a control under `parent`; null for a control shown elsewhere (the
    // tab strip belongs to the main window). With `ownVisibility` false the caller shows and
    // hides the widget (a cell shared by several controls).
    QWidget* createWidget(ui::Control& c, QWidget* parent, bool ownVisibility = true);
    QWidget* widgetOf(const ui::Control& c) const;
    QWidget* widgetNamed(std::string_view fullName) const;
    // The control whose widget is w or holds it.
    ui::Control* controlAt(const QWidget* w) const;

    // Runs a model call on the person's behalf.
    template <class F>
    void act(F&& f) {
        ModelCalls::Scope scope;
        if (form_) f();
    }

    // Puts Qt focus on the widget of the model's focused control, or, when the model has no
    // focused control of its own, tells the model where Qt focus is.
    void syncFocus();
    // The form is going away: from now on the widgets no longer reach it.
    void detach();

    // Expires with the view: the model's listeners hold it, since the model cannot unsubscribe.
    std::weak_ptr<int> token() const { return alive_; }

  private:
    void focusChanged(QWidget* now);

    ui::Form* form_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::vector<std::unique_ptr<Binder>> binders_;
    std::unordered_map<const ui::Control*, Binder*> byControl_;
    std::unordered_map<const QWidget*, ui::Control*> byWidget_;
};

}  // namespace ui::qt
