// The main window, its pages and the windows of forms as a person uses them: tabs, keys, clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "calc/flow/frm_weir.h"
#include "desk.h"
#include "person.h"
#include "ui/qt/app_identity.h"
#include "ui/qt/form_window.h"
#include "ui/qt/tab_strip_bar.h"

namespace vado::qt_test {
namespace {

// A page's widgets are made when it is first shown, from its form as it stands then (here a head
// set and computed through the model, as a project opened does), and only once; a page keeps its
// inputs and result while another is shown.
TEST(MainWindow, APageIsBuiltOnceWhenFirstShownFromTheStateItHasThen) {
    Desk desk;
    for (int i = 1; i < desk.window->pageCount(); ++i) EXPECT_FALSE(desk.window->isBuilt(i)) << i;
    auto& weir = static_cast<FrmWeir&>(*desk.module.FormList[1]);
    test::Apply(weir, "txt1H1=2");
    ASSERT_EQ(weir.lbl1Q.caption(), "Q = 55.09 cfs");
    ASSERT_FALSE(desk.window->isBuilt(1));

    auto clickTab = [&desk](int i) {
        LeftClick(&desk.window->tabBar(), desk.window->tabBar().tabRect(i).center());
        Settle();
    };
    clickTab(1);
    EXPECT_EQ(desk.window->currentPage(), 1);
    auto* head = desk.widget<QLineEdit>(1, "txt1H1");
    ASSERT_NE(head, nullptr);
    const auto widgets = desk.window->page(1)->findChildren<QWidget*>().size();
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ(desk.widget<QLineEdit>(1, "txt1H1"), head);
        EXPECT_EQ(head->text(), "2");
        EXPECT_EQ(desk.widget<QLabel>(1, "lbl1Q")->text(), "Q = 55.09 cfs");
        EXPECT_TRUE(head->isVisible());
        clickTab(2);
        clickTab(1);
    }
    EXPECT_EQ(desk.window->page(1)->findChildren<QWidget*>().size(), widgets);
    EXPECT_FALSE(desk.window->isBuilt(3)) << "a page never shown is never built";
}

// The icon built into the program is the installed picture, pixel for pixel, in every size a
// title bar draws.
TEST(MainWindow, TheWindowIconIsTheInstalledPictureInEverySize) {
    const QString name = QApplication::applicationName();
    ui::qt::SetAppIdentity();
    const QIcon icon = QApplication::windowIcon();
    QApplication::setApplicationName(name);
    for (int size : {16, 24, 32, 48, 64}) {
        const QImage want = QImage(QString(VADO_QT_TEST_DIR "/../../packaging/icons/%1x%1/%2.png")
                                       .arg(size).arg(ui::qt::kAppId))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(want.isNull()) << size;
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), want)
            << size;
    }
}

TEST(MainWindow, DocumentationButtonReportsAMissingFileWhileTheLoadingNoteShows) {
    Desk desk;
    bool noteShown = false;
    desk.watchdog.expectMessage([&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            noteShown |= top->windowTitle() == "Loading..." && top->isVisible();
    });
    desk.widget<QPushButton>(0, "cmdHelp")->click();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].text,
              "Missing Help file: '" + QCoreApplication::applicationDirPath() + "/manual/index.md'");
    EXPECT_TRUE(noteShown) << "the loading note paints before the document is opened";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_NE(top->windowTitle(), "Loading...") << "the note's window outlived it";
}

// Keys typed into the weir page's head after a Compute, the whole text selected as a click into
// the field selects it: what the field and the result show, the beeps, where the focus is.
TEST(PageView, KeysTypedIntoTheHeadGoThroughTheFieldsKeyFilter) {
    for (const QStringList& c : Cases("weir_keys.txt")) {  // case, steps, text, result, beeps, focus
        SCOPED_TRACE(c[0].toStdString());
        Desk desk;
        desk.steps(1, {});
        auto& weir = static_cast<FrmWeir&>(*desk.module.FormList[1]);
        auto* result = desk.widget<QLabel>(1, "lbl1Q");
        desk.widget<QPushButton>(1, "cmdCompute(1)")->click();
        ASSERT_EQ(result->text(), "Q = 19.48 cfs");
        auto* head = desk.widget<QLineEdit>(1, "txt1H1");
        head->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(weir.txt1H1.selLength(), 1);
        const int beeps = desk.services.beeps();
        Play(c[1]);
        EXPECT_EQ(QString::fromStdString(weir.txt1H1.text()), c[2]);
        EXPECT_EQ(head->text(), c[2]);
        EXPECT_EQ(result->text(), c[3]);
        EXPECT_EQ(desk.services.beeps() - beeps, c[4].toInt());
        EXPECT_EQ(weir.focused(), weir.find(c[5].toStdString()));
        EXPECT_EQ(QApplication::focusWidget(), desk.window->view(1).widgetNamed(c[5].toStdString()));
    }
}

// Tab out of a field out of range gives the range message and keeps the focus there, even
// when the window manager hands activation back while the check runs.
TEST(PageView, LeavingAnEditedFieldOutOfRangeKeepsTheFocusThere) {
    Desk desk;
    desk.steps(1, {});
    auto* head = desk.widget<QLineEdit>(1, "txt1H1");
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
    EXPECT_EQ(desk.module.FormList[1]->focused(), desk.module.FormList[1]->find("txt1H1"));
    EXPECT_EQ(QApplication::focusWidget(), head);
}

// The culvert's sketch follows its entrance list: another type, another drawing.
TEST(PageView, TheCulvertSketchFollowsTheEntranceType) {
    Desk desk;
    desk.steps(7, {});
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

// A small dialog: a name field, OK taking Enter and Cancel taking Escape.
class NameDialog : public ui::Form {
  public:
    explicit NameDialog(ui::Services& s) : ui::Form("frmName", s) {
        ok.isDefault = true;
        ok.onClick = [this] { clicked += "ok ", Hide(); };
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
