#include "ui/qt/gallery.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/form_window.h"
#include "ui/qt/main_window.h"
#include "ui/safe_file.h"

namespace ui::qt {

namespace {

// One thing a person does on a page: "NAME=TEXT" types into a field (a list takes an item
// index, an option or check box 0 or 1, "grid(r,c)=TEXT" edits a cell), "!NAME" clicks a button.
using Step = std::string;

// The worked examples the pictures show: every page computed as its manual page describes it,
// the drop, riser and water control pages opening their result windows.
struct Example {
    const char* form;
    std::vector<Step> steps;
};

const std::vector<Example>& Examples() {
    static const std::vector<Example> examples = {
        {"frmWeir", {"!cmdCompute"}},
        {"frmOrifice", {"!cmdCompute"}},
        {"frmCircular",
         {"txt3Dia=24", "txt3Depth=12", "txt3Slope=0.001", "txt3Manning=0.013", "!cmdCompute"}},
        {"frmParabolic", {"!cmdCompute"}},
        {"frmTrapezoidal", {"!cmdCompute"}},
        {"frmPipeFlow", {"!cmdCompute"}},
        {"frmCulvertFlow",
         {"txt7Elev(0)=110", "txt7Elev(1)=100", "txt7Elev(2)=95", "txt7Elev(3)=99",
          "cbo7Entrance=5", "!cmdCompute"}},
        {"frmPipeDrop",
         {"txt8ss(0)=2", "txt8ss(1)=2", "txt8extra=5", "txt8Elev(0)=110", "txt8Elev(1)=107",
          "txt8Elev(2)=105", "txt8Elev(3)=103", "txt8Elev(4)=96", "txt8Elev(5)=95", "!cmdCompute"}},
        {"frmHoodedInlet",
         {"txt9ss(0)=2", "txt9ss(1)=2", "txt9Extra=5", "txt9Elev(0)=108", "txt9Elev(1)=106",
          "txt9Elev(2)=101.5", "txt9Elev(3)=100", "txt9Elev(4)=98", "txt9N=0.013", "!cmdCompute"}},
        {"frmStraightDrop",
         {"txt10Width=4.0", "txt10Depth=1.0", "txt10Elev(0)=100.0", "txt10Elev(1)=96.0",
          "!cmdCompute", "!cmdStageDischarge"}},
        {"frmBoxInlet",
         {"txt11Depth=1", "txt11Width=4", "txt11Breadth=4", "txt11Elev(0)=100", "txt11Elev(1)=97",
          "!cmdCompute"}},
        {"frmSurfaceInlet",
         {"txt12Main=12", "txt12Elev(0)=105", "txt12Elev(1)=101", "!cmdCompute"}},
        {"frmMensuration", {"cboFormula=11", "!cmdCompute"}},
        {"frmPlungePool", {"!cmdCompute"}},
        {"frmSubsurface",
         {"grdData(2,0)=M1", "grdData(2,1)=0.002", "grdData(2,2)=10", "!cmdCompute"}},
        {"frmPumpDrainage",
         {"txtElev(0)=101", "txtElev(1)=110", "txtElev(2)=100", "txtElev(3)=98", "!cmdCompute"}},
        {"frmDryHydrant",
         {"txtElev(0)=100", "txtElev(1)=100", "txtElev(2)=95", "txtElev(3)=90", "!cmdCompute"}},
        {"frmWaterControl", {"txtPipeDia(0)=12", "txtPipeDia(1)=12", "!cmdCompute"}},
        {"frmRectRiser", {"txtWidth=12", "!cmdCompute"}},
    };
    return examples;
}

bool ParseCell(const std::string& rc, int& r, int& c) {
    return std::sscanf(rc.c_str(), "%d,%d", &r, &c) == 2 && r >= 0 && c >= 0;
}

// Does the step on the form as a person would; false when the form has no such control.
bool RunStep(ui::Form& form, const Step& step) {
    if (!step.empty() && step[0] == '!') {
        // A button of a catalogue page is named with its index ("cmdCompute(5)"); the plain
        // name finds the first of its group.
        for (auto& c : form.controls())
            if (c->kind() == Kind::CommandButton &&
                (c->name() == step.substr(1) || c->fullName() == step.substr(1))) {
                form.clickButton(static_cast<CommandButton&>(*c), true);
                return true;
            }
        return false;
    }
    const size_t eq = step.find('=');
    if (eq == std::string::npos) return false;
    std::string name = step.substr(0, eq);
    const std::string value = step.substr(eq + 1);
    if (const size_t open = name.find('(');
        open != std::string::npos && name.find(',') != std::string::npos) {
        ui::Control* c = form.find(name.substr(0, open));
        int r = 0, col = 0;
        if (!c || c->kind() != Kind::Grid || !ParseCell(name.substr(open + 1), r, col))
            return false;
        auto& grid = static_cast<Grid&>(*c);
        if (r >= grid.rows()) grid.setRows(r + 1);
        grid.row = r;
        grid.col = col;
        grid.setTextMatrix(r, col, value);
        if (grid.onCellEdited) grid.onCellEdited(r, col);
        return true;
    }
    ui::Control* c = form.find(name);
    if (!c) return false;
    form.setFocus(c);
    switch (c->kind()) {
        case Kind::TextBox: {
            auto& box = static_cast<TextBox&>(*c);
            box.setSelection(0, static_cast<int>(box.text().size()));
            box.paste(value);
            break;
        }
        case Kind::ComboBox:
            static_cast<ComboBox&>(*c).setListIndex(std::stoi(value));
            break;
        case Kind::OptionButton:
            if (value == "1") static_cast<OptionButton&>(*c).click();
            break;
        case Kind::CheckBox:
            static_cast<CheckBox&>(*c).setValue(value == "1" ? 1 : 0);
            break;
        default:
            return false;
    }
    if (!form.leaveFocus()) form.dropFocus();
    return true;
}

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Written as every file of the program is: whole or not at all, through a link. The picture's
// format follows the file's suffix (PNG without one).
bool SavePicture(const QImage& image, const QString& file, std::string& why) {
    const QString suffix = QFileInfo(file).suffix();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, suffix.isEmpty() ? "PNG" : suffix.toLatin1().constData())) {
        why = "the picture could not be encoded";
        return false;
    }
    return WriteFileAtomically(file.toStdString(),
                               std::string_view(bytes.constData(), bytes.size()), why);
}

// A message box in the middle of a picture run means an example did not compute: it is noted
// and closed, so the run ends with a failure instead of waiting for a person.
class MessageCatcher : public QObject {
  public:
    MessageCatcher() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                messages.push_back(box ? box->text().toStdString()
                                       : modal->windowTitle().toStdString());
                if (box)
                    box->done(QMessageBox::Ok);
                else
                    modal->close();
            }
        });
        timer_.start(50);
    }
    std::vector<std::string> messages;

  private:
    QTimer timer_;
};

std::vector<FormWindow*> OpenResultWindows() {
    std::vector<FormWindow*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* fw = qobject_cast<FormWindow*>(w); fw && fw->isVisible() && fw->form())
            open.push_back(fw);
    return open;
}

int Gallery(const QString& dir, MainWindow& window) {
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "vadocalc: cannot make the folder %s\n", qPrintable(dir));
        return 1;
    }
    MessageCatcher catcher;
    std::vector<std::string> written;
    int failures = 0;
    auto save = [&](const QImage& image, const std::string& name) {
        const QString file = QDir(dir).filePath(QString::fromStdString(name) + ".png");
        std::string why;
        if (!SavePicture(image, file, why)) {
            std::fprintf(stderr, "vadocalc: %s cannot be written: %s\n", qPrintable(file),
                         why.c_str());
            ++failures;
            return;
        }
        written.push_back(name);
        std::printf("%s\n", qPrintable(file));
    };
    for (int i = 0; i < window.pageCount(); ++i) {
        window.clickTab(i);
        Settle();
        ui::Form& page = *window.view(i).form();
        for (const Example& e : Examples()) {
            if (page.name() != e.form) continue;
            for (const Step& step : e.steps) {
                const size_t before = catcher.messages.size();
                window.view(i).act([&] {
                    if (!RunStep(page, step)) {
                        std::fprintf(stderr, "vadocalc: %s has no control for %s\n", e.form,
                                     step.c_str());
                        ++failures;
                    }
                });
                Settle();
                for (size_t m = before; m < catcher.messages.size(); ++m) {
                    std::fprintf(stderr, "vadocalc: %s, %s: \"%s\"\n", e.form, step.c_str(),
                                 catcher.messages[m].c_str());
                    ++failures;
                }
            }
        }
        Settle();
        save(window.grab().toImage(), page.name());
        for (FormWindow* w : OpenResultWindows()) {
            const std::string name = w->form()->name();
            if (std::find(written.begin(), written.end(), name) == written.end()) {
                w->raise();
                Settle();
                save(w->grab().toImage(), name);
            }
            w->view().act([&] { w->form()->Hide(); });
            Settle();
        }
    }
    window.clickTab(0);
    std::printf("gallery: %zu pictures, %d problems\n", written.size(), failures);
    return failures == 0 ? 0 : 1;
}

// One --set, --click or --f1 of a screenshot run, on the page shown.
void RunScreenshotStep(MainWindow& window, const QString& kind, const QString& arg) {
    ui::Form& form = *window.view(window.currentPage()).form();
    if (kind == "--f1") {
        if (window.onHelp) window.onHelp(form);
    } else if (kind == "--click") {
        window.view(window.currentPage()).act([&] { RunStep(form, "!" + arg.toStdString()); });
    } else if (const qsizetype dot = arg.indexOf('.'); dot >= 0 && dot < arg.indexOf('=')) {
        // WINDOW.tabStrip=INDEX chooses a page of an open result window.
        for (FormWindow* w : OpenResultWindows())
            if (QString::fromStdString(w->form()->name()) == arg.left(dot))
                if (auto* c = w->form()->find(
                        arg.mid(dot + 1, arg.indexOf('=') - dot - 1).toStdString());
                    c && c->kind() == Kind::TabStrip)
                    w->view().act([&] {
                        static_cast<TabStrip*>(c)->clickTab(arg.mid(arg.indexOf('=') + 1).toInt() +
                                                            1);
                    });
    } else {
        window.view(window.currentPage()).act([&] { RunStep(form, arg.toStdString()); });
    }
}

int Screenshot(const QStringList& args, const QString& file, MainWindow& window) {
    int page = 0;
    std::vector<std::pair<QString, QString>> steps;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (args[i] == "--page") page = next.toInt();
        if (args[i] == "--set" || args[i] == "--click") steps.emplace_back(args[i], next);
        if (args[i] == "--f1") steps.emplace_back(args[i], QString());
    }
    int status = 0;
    bool taken = false;
    // The picture is taken half a second after the last step, or half a second after a step
    // opened a message box that waits for a person: then the box is in the picture, and it is
    // closed so the run ends instead of waiting.
    auto take = [&] {
        if (taken) return;
        taken = true;
        std::string why;
        status = SavePicture(window.screen()->grabWindow(0).toImage(), file, why) ? 0 : 1;
        if (status)
            std::fprintf(stderr, "vadocalc: %s cannot be written: %s\n", qPrintable(file),
                         why.c_str());
        window.closeGuard = nullptr;  // a picture taken, nothing to keep
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->done(QMessageBox::Cancel);
            else
                modal->close();
            if (QApplication::activeModalWidget() == modal) break;
        }
        QApplication::quit();
    };
    QTimer modalWatch;
    int modalTicks = 0;
    QObject::connect(&modalWatch, &QTimer::timeout, &window, [&] {
        modalTicks = QApplication::activeModalWidget() ? modalTicks + 1 : 0;
        if (modalTicks >= 5) take();
    });
    modalWatch.start(100);
    QTimer::singleShot(0, &window, [&] {
        window.clickTab(page);
        for (auto& [kind, arg] : steps) {
            if (taken) return;
            RunScreenshotStep(window, kind, arg);
        }
        QTimer::singleShot(500, &window, take);
    });
    QApplication::exec();
    return status;
}

}  // namespace

std::optional<int> TakePictures(const QStringList& args, MainWindow& window) {
    const qsizetype at = args.indexOf("--screenshot");
    if (at < 0 || at + 1 >= args.size()) return std::nullopt;
    const QString target = args[at + 1];
    if (args.contains("--gallery")) {
        Settle();
        const int status = Gallery(target, window);
        window.closeGuard = nullptr;  // pictures taken, nothing to keep
        return status;
    }
    return Screenshot(args, target, window);
}

}  // namespace ui::qt
