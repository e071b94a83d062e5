#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/main_module.h"
#include "calc/flow/frm_weir.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_services.h"

namespace {

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

// Start-up as the desktop program makes it, under the offscreen platform: the model, then the
// main window with its twenty built pages.
void BM_StartUpQtView(benchmark::State& state) {
    for (auto _ : state) {
        ui::qt::QtServices services;
        vado::MainModule module(services);
        module.SubMain();
        ui::qt::MainWindow window(
            std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_StartUpQtView)->Unit(benchmark::kMillisecond);

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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
