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
        ok.onClick = [this] {
            clicked += "ok ";
            Hide();
        };
        cancel.setCaption("Cancel");
        cancel.isCancel = true;
        cancel.onClick = [this] {
            clicked += "cancel ";
            Hide();
        };
        layout.sections = {{.rows = {{{{"txtName"}}}, {{{"OKButton"}}, {{"CancelButton"}}}}}};
    }
    ui::TextBox& txtName = add<ui::TextBox>("txtName");
    ui::CommandButton& ok = add<ui::CommandButton>("OKButton");
    ui::CommandButton& cancel = add<ui::CommandButton>("CancelButton");
    std::string clicked;
};

class QtServicesTest : public ::testing::Test {
  protected:
    QtServicesTest() { services.setHost(nullptr, {}); }
    ui::qt::QtServices services;
    ModalWatchdog watchdog;
};

TEST_F(QtServicesTest, ShellOpenOfAMissingFileIsTheMissingFileStatus) {
    EXPECT_EQ(services.ShellOpen("/nonexistent/Vado.chm"), 2);
}

TEST_F(QtServicesTest, AModalFormRunsUntilItHides) {
    const struct {
        const char* name;
        std::function<void(QDialog*)> act;
        const char* clicked;
    } cases[] = {
        {"Enter in the field presses the default button",
         [](QDialog* d) { Type(d->focusWidget(), "Al\r"); }, "ok "},
        {"Escape presses the cancel button",
         [](QDialog* d) { SendKey(d->focusWidget(), Qt::Key_Escape, "\x1b"); }, "cancel "},
        {"closing the window presses the cancel button", [](QDialog* d) { d->close(); }, "cancel "},
    };
    for (const auto& c : cases) {
        NameDialog form(services);
        bool focusedField = false;
        watchdog.expect([&](QWidget* w) {
            auto* dialog = qobject_cast<QDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            focusedField = dialog->focusWidget() != nullptr && form.focused() == &form.txtName;
            c.act(dialog);
        });
        form.ShowModal();
        EXPECT_EQ(watchdog.pending(), 0) << c.name;
        EXPECT_FALSE(form.visible()) << c.name;
        EXPECT_EQ(form.clicked, c.clicked) << c.name;
        EXPECT_TRUE(focusedField) << c.name << ": the dialog's first field has the focus";
    }
}

TEST_F(QtServicesTest, AFormShownModelessGetsAWindowThatGoesWithIt) {
    auto form = std::make_unique<NameDialog>(services);
    form->Show();
    QPointer<ui::qt::FormWindow> window = services.windowOf(*form);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Name");
    form->setCaption("Your name");
    EXPECT_EQ(window->windowTitle(), "Your name");

    form->Hide();
    EXPECT_FALSE(window->isVisible());
    form->Show();
    EXPECT_EQ(services.windowOf(*form), window.data()) << "a form keeps its window";

    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(QtServicesTest, TheFieldOfADestroyedFormNoLongerReachesIt) {
    auto form = std::make_unique<NameDialog>(services);
    form->Show();
    QPointer<ui::qt::FormWindow> window = services.windowOf(*form);
    auto* field = window->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    form.reset();
    // The window is only scheduled for deletion; keys reaching it meanwhile must be harmless.
    Type(field, "7\r");
    EXPECT_FALSE(window.isNull());
}

}  // namespace
}  // namespace vado::qt_test
