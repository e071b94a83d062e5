#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/main_module.h"
#include "report/frm_info.h"
#include "ui/qt/qt_printer.h"

namespace {

// A program with every page given its worked example.
struct Program {
    Program() {
        module.SubMain();
        for (auto* page : module.FormList)
            if (auto* calc = dynamic_cast<vado::CalculatorForm*>(page))
                for (auto& [name, text] : calc->example)
                    static_cast<ui::TextBox*>(calc->find(name))->setText(text);
    }
    vado::CalculatorForm& page(int n) { return static_cast<vado::CalculatorForm&>(*module.FormList[n]); }
    ui::HeadlessServices services;
    vado::MainModule module{services};
};

// One Compute command on each calculator page (argument: its catalogue number).
void BM_Compute(benchmark::State& state) {
    Program p;
    auto& page = p.page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.cmdCompute_Click();
        benchmark::DoNotOptimize(p.module.app().lastComputeFailed);
    }
    state.SetLabel(page.name());
}
BENCHMARK(BM_Compute)->DenseRange(1, 19)->Unit(benchmark::kMicrosecond);

// A whole rating into its window: the hooded inlet's 30 rows with the marker, the riser's 24
// records in both charts, the water control structure's 12 rows (its window closed between runs
// so the table does not grow).
void BM_Rating(benchmark::State& state) {
    Program p;
    const int n = static_cast<int>(state.range(0));
    auto& page = p.page(n);
    if (n == 9) {
        const char* values[][2] = {{"txt9ss(0)", "2"}, {"txt9ss(1)", "2"}, {"txt9Extra", "5"},
                                   {"txt9Elev(0)", "108"}, {"txt9Elev(1)", "106"}, {"txt9Elev(2)", "101.5"},
                                   {"txt9Elev(3)", "100"}, {"txt9Elev(4)", "98"}};
        for (auto& [name, text] : values) static_cast<ui::TextBox*>(page.find(name))->setText(text);
    }
    ui::CommandButton* button = n == 9 ? static_cast<ui::CommandButton*>(page.find("cmdStageDischarge")) : &page.cmdCompute;
    for (auto _ : state) {
        button->onClick();
        if (n == 18)
            for (auto* w : p.module.resultWindows()) w->Unload();
    }
    state.SetLabel(page.name());
}
BENCHMARK(BM_Rating)->Arg(9)->Arg(18)->Arg(19)->Unit(benchmark::kMicrosecond);

// The weir report, from the page's Print to a finished PDF file.
void BM_PdfReport(benchmark::State& state) {
    Program p;
    const std::string file = (std::filesystem::temp_directory_path() / "vado-bench-report.pdf").string();
    p.services.selectPrinter = [&file] { return ui::qt::MakePdfPrinter(file); };
    auto& weir = p.page(1);
    for (auto _ : state) {
        weir.cmdPrint_Click();
        auto* dialog = dynamic_cast<vado::report::FrmInfo*>(p.services.modalStack.back());
        dialog->cmdPrint_Click();
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_PdfReport)->Unit(benchmark::kMillisecond);

}  // namespace
