#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/flow/frm_weir.h"
#include "desk.h"

namespace vado::qt_test {
namespace {

// The weir page through its widgets, as a person uses it: keys into the fields, clicks.
struct WeirDesk : Desk {
    WeirDesk() {
        window->clickTab(1);
        Settle();
    }
    FrmWeir& weir() const { return static_cast<FrmWeir&>(*module.FormList[1]); }
    QLineEdit* edit(const char* name) const { return widget<QLineEdit>(1, name); }
    QString result() const { return widget<QLabel>(1, "lbl1Q")->text(); }
};

// Keys typed into the head after a Compute (Q = 19.48 cfs), the whole text selected as a click
// into the field selects it: what the field and the result show, the beeps, where the focus is.
TEST(PageView, KeysTypedIntoTheHeadGoThroughTheFieldsKeyFilter) {
    const struct {
        const char *name, *keys, *text, *result;
        int beeps;
        const char* focus;
    } cases[] = {
        {"a digit replaces the selection, Enter computes and moves on", "2\r", "2",
         "Q = 55.09 cfs", 0, "cmdCompute(1)"},
        {"a letter is refused", "a", "1", "Q = 19.48 cfs", 1, "txt1H1"},
        {"a minus sign is refused", "-", "1", "Q = 19.48 cfs", 1, "txt1H1"},
        {"a second point is refused", "1.5.", "1.5", "", 1, "txt1H1"},
        {"Backspace deletes before the caret", "25\b", "2", "", 0, "txt1H1"},
        {"Enter inserts nothing", "\r", "1", "Q = 19.48 cfs", 0, "cmdCompute(1)"},
        {"Ctrl+C is refused like any control key", "", "1", "Q = 19.48 cfs", 1, "txt1H1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WeirDesk desk;
        desk.widget<QPushButton>(1, "cmdCompute(1)")->click();
        ASSERT_EQ(desk.result(), "Q = 19.48 cfs");
        QLineEdit* head = desk.edit("txt1H1");
        head->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(desk.weir().txt1H1.selLength(), 1);
        const int beeps = desk.services.beeps();
        if (*c.keys)
            Type(head, c.keys);
        else
            SendKey(head, Qt::Key_C, "\x03", Qt::ControlModifier);
        Settle();
        EXPECT_EQ(desk.weir().txt1H1.text(), c.text);
        EXPECT_EQ(head->text(), c.text);
        EXPECT_EQ(desk.result(), c.result);
        EXPECT_EQ(desk.services.beeps() - beeps, c.beeps);
        ASSERT_NE(desk.weir().focused(), nullptr);
        EXPECT_EQ(desk.weir().focused()->fullName(), c.focus);
        EXPECT_EQ(QApplication::focusWidget(), desk.window->view(1).widgetNamed(c.focus));
    }
}

// Tab out of a field out of range gives the range message and keeps the focus there, even
// when the window manager hands activation back while the check runs.
TEST(PageView, LeavingAnEditedFieldOutOfRangeKeepsTheFocusThere) {
    WeirDesk desk;
    QLineEdit* head = desk.edit("txt1H1");
    head->setFocus(Qt::MouseFocusReason);
    Type(head, "999");
    desk.watchdog.expectMessage([&desk] {
        desk.window->activateWindow();
        QCoreApplication::processEvents();
    });
    Type(head, "\t");
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].title, "Input Error");
    EXPECT_EQ(desk.watchdog.messages[0].text, "Please enter a number between 0.1 and 99.0.");
    EXPECT_EQ(desk.weir().focused(), &desk.weir().txt1H1);
    EXPECT_EQ(QApplication::focusWidget(), head);
}

// The culvert's sketch follows its entrance list: another type, another drawing.
TEST(PageView, TheCulvertSketchFollowsTheEntranceType) {
    Desk desk;
    desk.window->clickTab(7);
    Settle();
    QWidget* picture = desk.widget<QWidget>(7, "pic7pic");
    auto* list = desk.widget<QComboBox>(7, "cbo7Entrance");
    ASSERT_TRUE(picture && list && picture->isVisible());
    const QImage projecting = picture->grab().toImage();
    list->setCurrentIndex(4);  // headwall, rounded edge, chosen as a person does
    emit list->activated(4);
    Settle();
    const QImage headwall = picture->grab().toImage();
    EXPECT_NE(projecting, headwall);
    for (const QImage& image : {projecting, headwall}) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
        EXPECT_GT(dark, 200) << "the inlet is drawn";
    }
}

}  // namespace
}  // namespace vado::qt_test
