#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calc/flow/frm_weir.h"
#include "desk.h"

namespace vado::qt_test {
namespace {

// The weir page through its widgets, as a person uses it: keys into the fields, clicks.
class WeirPageViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desk = std::make_unique<Desk>();
        desk->window->clickTab(1);
        Settle();
    }

    FrmWeir& weir() const { return static_cast<FrmWeir&>(*desk->module.FormList[1]); }
    QLineEdit* edit(const char* name) const { return desk->widget<QLineEdit>(1, name); }
    QString result() const { return desk->widget<QLabel>(1, "lbl1Q")->text(); }
    // Clicking into a field selects its whole text (the field's got-focus handler).
    QLineEdit* focus(const char* name) {
        QLineEdit* e = edit(name);
        e->setFocus(Qt::MouseFocusReason);
        return e;
    }

    std::unique_ptr<Desk> desk;
};

TEST_F(WeirPageViewTest, KeysTypedIntoTheHeadGoThroughTheFieldsKeyFilter) {
    const struct {
        const char* name;
        const char* keys;
        const char* text;
        const char* result;  // after a Compute before the keys gave Q = 19.48 cfs
        int beeps;
        const char* focus;
    } cases[] = {
        {"a digit replaces the selection, Enter computes and moves on", "2\r", "2", "Q = 55.09 cfs",
         0, "cmdCompute(1)"},
        {"a letter is refused", "a", "1", "Q = 19.48 cfs", 1, "txt1H1"},
        {"a minus sign is refused", "-", "1", "Q = 19.48 cfs", 1, "txt1H1"},
        {"a second point is refused", "1.5.", "1.5", "", 1, "txt1H1"},
        {"Backspace deletes before the caret", "25\b", "2", "", 0, "txt1H1"},
        {"Enter inserts nothing", "\r", "1", "Q = 19.48 cfs", 0, "cmdCompute(1)"},
        {"a copy shortcut is refused like any control key", "", "1", "Q = 19.48 cfs", 1, "txt1H1"},
    };
    for (const auto& c : cases) {
        SetUp();
        desk->widget<QPushButton>(1, "cmdCompute(1)")->click();
        ASSERT_EQ(result(), "Q = 19.48 cfs") << c.name;
        QLineEdit* head = focus("txt1H1");
        ASSERT_EQ(weir().txt1H1.selLength(), 1) << c.name;
        const int beeps = desk->services.beeps();

        if (*c.keys)
            Type(head, c.keys);
        else
            SendKey(head, Qt::Key_C, "\x03", Qt::ControlModifier);
        Settle();

        EXPECT_EQ(weir().txt1H1.text(), c.text) << c.name;
        EXPECT_EQ(head->text(), c.text) << c.name;
        EXPECT_EQ(weir().lbl1Q.caption(), c.result) << c.name;
        EXPECT_EQ(result(), c.result) << c.name;
        EXPECT_EQ(desk->services.beeps() - beeps, c.beeps) << c.name;
        ASSERT_NE(weir().focused(), nullptr) << c.name;
        EXPECT_EQ(weir().focused()->fullName(), c.focus) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), desk->window->view(1).widgetNamed(c.focus))
            << c.name;
    }
}

TEST_F(WeirPageViewTest, LeavingAnEditedFieldOutOfRangeKeepsTheFocusThere) {
    QLineEdit* head = focus("txt1H1");
    Type(head, "999");
    // As a window manager does, while the validation still runs: the page's window gets
    // activation back and Qt refocuses the widget the Tab went to.
    desk->watchdog.expectMessage([this] {
        desk->window->activateWindow();
        QCoreApplication::processEvents();
    });
    Type(head, "\t");
    Settle();

    ASSERT_EQ(desk->watchdog.messages.size(), 1u);
    EXPECT_EQ(desk->watchdog.messages[0].title, "Input Error");
    EXPECT_EQ(desk->watchdog.messages[0].text, "Please enter a number between 0.1 and 99.0.");
    EXPECT_EQ(desk->watchdog.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(weir().focused(), &weir().txt1H1);
    EXPECT_EQ(QApplication::focusWidget(), head);
    EXPECT_EQ(head->text(), "999");
}

TEST_F(WeirPageViewTest, TheLengthOptionSwapsTheSizeFieldInPlace) {
    auto* dia = edit("txt1Dia");
    auto* len = edit("txt1Len");
    ASSERT_TRUE(dia->isVisible());
    ASSERT_FALSE(len->isVisible());
    const QRect place = dia->geometry();

    desk->widget<QRadioButton>(1, "opt1Selector(1)")->click();
    Settle();
    EXPECT_TRUE(weir().optLength.value());
    EXPECT_TRUE(desk->widget<QRadioButton>(1, "opt1Selector(1)")->isChecked());
    EXPECT_FALSE(desk->widget<QRadioButton>(1, "opt1Selector(0)")->isChecked());
    EXPECT_TRUE(len->isVisible());
    EXPECT_FALSE(dia->isVisible());
    EXPECT_EQ(len->geometry(), place);
    EXPECT_EQ(desk->widget<QLabel>(1, "Label1(3)")->text(), "Length of Weir (feet):");
    EXPECT_EQ(result(), "Q = 18.60 cfs");

    // A second click on the chosen option keeps it chosen.
    desk->widget<QRadioButton>(1, "opt1Selector(1)")->click();
    EXPECT_TRUE(desk->widget<QRadioButton>(1, "opt1Selector(1)")->isChecked());
}

}  // namespace
}  // namespace vado::qt_test
