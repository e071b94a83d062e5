#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "shared/side_files.h"
#include "ui/qt/graph_export.h"
#include "ui/qt/qt_printer.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vado::CliEnvironment env;
    env.appFolder = vado::ProgramFolder(argv[0]);

    env.input = &std::cin;
    env.errIsTerminal = isatty(STDERR_FILENO) == 1;

    // Only a report or a graph needs Qt (fonts, the PDF and picture writers); never a screen.
    std::unique_ptr<QGuiApplication> gui;
    for (auto& a : args) {
        if (a != "--print" && a != "--export") continue;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        gui = std::make_unique<QGuiApplication>(argc, argv);
        env.pdfPrinter = [](const std::string& file) { return ui::qt::MakePdfPrinter(file); };
        env.graphWriter = [](const std::string& file,
                             const vado::CliEnvironment::GraphDrawing& draw, int scale,
                             std::string& why) {
            return ui::qt::WriteGraph(file, draw, ui::qt::kDefaultGraphSize, scale,
                                      ui::qt::kGraphFont, why);
        };
        break;
    }
    return vado::RunCli(args, std::cout, std::cerr, env);
}
