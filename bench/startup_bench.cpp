#include <benchmark/benchmark.h>

#include "app/main_module.h"
#include "calc/flow/frm_weir.h"

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

BENCHMARK_MAIN();
