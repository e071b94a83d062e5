#include <benchmark/benchmark.h>

#include <sstream>

#include "app/cli/cli.h"

namespace {

// vadocalc-cli --batch frmWeir over 1000 cases read from standard input: a fresh program per
// case, the fields typed, Compute, one result row each. Items per second is cases per second.
void BM_BatchWeir(benchmark::State& state) {
    std::string cases = "opt1Selector,txt1Coeff,txt1Len,txt1Dia,txt1H1\n";
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i) {
        const bool length = i % 2 == 0;
        cases +=
            std::string(length ? "1," : "0,") + std::to_string(2.5 + (i % 10) * 0.1) + "," +
            (length ? std::to_string(1 + i % 50) + ",," : "," + std::to_string(6 + i % 30) + ",") +
            std::to_string(0.1 + (i % 40) * 0.05) + "\n";
    }
    for (auto _ : state) {
        std::istringstream in(cases);
        std::ostringstream out, err;
        vado::CliEnvironment env;
        env.input = &in;
        const int status = vado::RunCli({"--batch", "frmWeir", "-"}, out, err, env);
        if (status != 0) state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_BatchWeir)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
