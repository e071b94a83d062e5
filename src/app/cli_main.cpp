#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "shared/side_files.h"
#include "ui/qt/qt_printer.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vado::CliEnvironment env;
    env.appFolder = vado::ProgramFolder(argv[0]);

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
