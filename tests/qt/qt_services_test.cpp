#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>

#include "desk.h"
#include "ui/qt/form_window.h"

namespace vado::qt_test {
namespace {

// A small dialog: a name field, OK taking Enter and Cancel taking Escape.
class NameDialog : public ui::Form {
  public:
    explicit NameDialog(ui::Services& s) : ui::Form("frmName", s) {
        setCaption("Name");
        ok.setCaption("OK");
        ok.isDefault = true;
        ok.onClick = [this] { clicked += "ok ", Hide(); };
        cancel.setCaption("Cancel");
        cancel.isCancel = true;
        cancel.onClick = [this] { clicked += "cancel ", Hide(); };
        layout.sections = {{.rows = {{{{"txtName"}}}, {{{"OKButton"}}, {{"CancelButton"}}}}}};
    }
    ui::TextBox& txtName = add<ui::TextBox>("txtName");
    ui::CommandButton& ok = add<ui::CommandButton>("OKButton");
    ui::CommandButton& cancel = add<ui::CommandButton>("CancelButton");
    std::string clicked;
};

struct QtServicesTest : ::testing::Test {
    QtServicesTest() { services.setHost(nullptr, {}); }
    ui::qt::QtServices services;
    ModalWatchdog watchdog;
};

// A modal form runs until it hides, its first field focused: Enter presses the default button,
// Escape or closing the window the cancel button.
TEST_F(QtServicesTest, AModalFormRunsUntilItHides) {
    const struct {
        std::function<void(QDialog*)> act;
        const char* clicked;
    } cases[] = {
        {[](QDialog* d) { Type(d->focusWidget(), "Al\r"); }, "ok "},
        {[](QDialog* d) { SendKey(d->focusWidget(), Qt::Key_Escape, "\x1b"); }, "cancel "},
        {[](QDialog* d) { d->close(); }, "cancel "},
    };
    for (const auto& c : cases) {
        NameDialog form(services);
        bool focusedField = false;
        watchdog.expect([&](QWidget* w) {
            focusedField = w->focusWidget() != nullptr && form.focused() == &form.txtName;
            c.act(qobject_cast<QDialog*>(w));
        });
        form.ShowModal();
        EXPECT_EQ(watchdog.pending(), 0);
        EXPECT_FALSE(form.visible());
        EXPECT_EQ(form.clicked, c.clicked);
        EXPECT_TRUE(focusedField);
    }
}

// A form shown modeless gets a window that goes with it; keys reaching the field of a destroyed
// form's window (only scheduled for deletion) are harmless.
TEST_F(QtServicesTest, AFormShownModelessGetsAWindowThatGoesWithIt) {
    auto form = std::make_unique<NameDialog>(services);
    form->Show();
    QPointer<ui::qt::FormWindow> window = services.windowOf(*form);
    ASSERT_FALSE(window.isNull());

    auto* field = window->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    form.reset();
    Type(field, "7\r");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace vado::qt_test
