#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "ui/qt/qt_printer.h"

namespace {

// The program's folder: where the executable is, whatever the working directory.
std::string ProgramFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    if (ec || !exe.has_parent_path()) return ".";
    return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vado::CliEnvironment env;
    env.appFolder = ProgramFolder(argv[0]);

    // Only a report needs Qt (fonts and the PDF writer); it never needs a screen.
    std::unique_ptr<QGuiApplication> gui;
    for (auto& a : args) {
        if (a != "--print") continue;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        gui = std::make_unique<QGuiApplication>(argc, argv);
        env.pdfPrinter = [](const std::string& file) { return ui::qt::MakePdfPrinter(file); };
        break;
    }
    return vado::RunCli(args, std::cout, std::cerr, env);
}
