#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "app/main_module.h"
#include "app/project_file.h"
#include "app/recovery.h"
#include "calc/flow/frm_weir.h"
#include "ui/qt/app_style.h"
#include "ui/qt/document_menu.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/settings.h"

namespace {

// Notes the first paint in a window (of the window or of any widget in it).
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& w) : window_(w) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool painted = false;

    // Runs the event loop until the window has painted (a few seconds at most).
    void wait() {
        QElapsedTimer clock;
        clock.start();
        while (!painted && clock.elapsed() < 5000) QCoreApplication::processEvents();
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == &window_)
            painted = true;
        return false;
    }

  private:
    QWidget& window_;
};

// The desktop program as main() puts it together, without its event loop: the remembered
// settings, the recovery session, the model, the window with its menus.
struct Desktop {
    Desktop() {
        module.SubMain();
        window = std::make_unique<ui::qt::MainWindow>(
            std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
        ui::qt::InstallDocumentMenu(
            *window,
            {.text = [this] { return vado::project::Save(module); },
             .inputs = [this] { return vado::project::Save(module, false); },
             .load = [](const std::string&, std::string&) { return std::string(); },
             .fresh = [] { return std::string(); },
             .print = [] {},
             .canPrint = [] { return false; },
             .documentation = [] {},
             .extension = vado::project::kExtension,
             .keep = [this](const std::string& text) { recovery.keep(text, why); },
             .drop = [this] { recovery.drop(); }},
            &settings);
        ui::qt::RememberGeometry(*window, settings);
    }
    // What follows the window's show: the offer of work earlier runs left unsaved.
    void offerLeftOvers() {
        vado::recovery::OfferLeftOvers(
            recovery, [](const vado::recovery::LeftOver&) { return vado::recovery::Choice::Later; },
            [](const std::string&) { return std::string(); }, [](const std::string&) {});
    }
    ~Desktop() {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ui::qt::Settings settings;
    vado::recovery::Session recovery{vado::recovery::DefaultFolder()};
    std::string why;
    ui::qt::QtServices services;
    vado::MainModule module{services};
    std::unique_ptr<ui::qt::MainWindow> window;
};

// The whole start-up without a window: tables, the main page and the 19 calculators.
void BM_StartUpHeadless(benchmark::State& state) {
    for (auto _ : state) {
        ui::HeadlessServices services;
        vado::MainModule module(services);
        module.SubMain();
        benchmark::DoNotOptimize(module.FormList[19]);
    }
}
BENCHMARK(BM_StartUpHeadless)->Unit(benchmark::kMicrosecond);

// The desktop program's own start-up under the offscreen platform, from its first line after
// the application object to the first paint of the main window: the model, the window with
// its menus, showing it and painting it.
void BM_StartUpToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto desk = std::make_unique<Desktop>();
        PaintWatch watch(*desk->window);
        desk->window->show();
        desk->offerLeftOvers();
        watch.wait();
        if (!watch.painted) state.SkipWithError("the main window never painted");
        state.PauseTiming();
        desk.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

// The first switch to the largest page (mensuration, 190 controls) in a window just started,
// to the paint that shows it.
void BM_FirstSwitchToMensuration(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto desk = std::make_unique<Desktop>();
        {
            PaintWatch shown(*desk->window);
            desk->window->show();
            shown.wait();
        }
        state.ResumeTiming();
        PaintWatch watch(*desk->window);
        desk->window->clickTab(13);
        watch.wait();
        if (!watch.painted) state.SkipWithError("the page never painted");
        state.PauseTiming();
        desk.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstSwitchToMensuration)->Unit(benchmark::kMillisecond);

// One Compute command on the weir page, as the button runs it.
void BM_WeirCompute(benchmark::State& state) {
    ui::HeadlessServices services;
    vado::MainModule module(services);
    module.SubMain();
    auto& weir = static_cast<vado::FrmWeir&>(*module.FormList[1]);
    for (auto _ : state) {
        weir.cmdCompute_Click();
        benchmark::DoNotOptimize(weir.lbl1Q.caption());
    }
}
BENCHMARK(BM_WeirCompute);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Settings and recovery files of a folder of the bench's own.
    QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8().constData(), 1);
    setenv("XDG_STATE_HOME", home.filePath("state").toUtf8().constData(), 1);
    QApplication app(argc, argv);
    ui::qt::InstallAppStyle();  // as the program does: the pages paint as they do there
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
