#include "app/desktop_options.h"

#include <array>
#include <optional>
#include <string_view>

#include "app/version.h"
#include "shared/help.h"
#include "shared/side_files.h"

namespace vado {

namespace {

struct KnownOption {
    std::string_view name;
    bool takesValue;
};

// The program's own options: pictures of the screen for looking at pages without one.
constexpr std::array<KnownOption, 6> kOwnOptions = {{
    {"--screenshot", true},
    {"--gallery", false},
    {"--page", true},
    {"--set", true},
    {"--click", true},
    {"--f1", false},
}};

// The options QGuiApplication and QApplication read (and remove) themselves; Qt takes them with
// one dash or two, and -qmljsdebugger only as -qmljsdebugger=VALUE.
constexpr std::array<KnownOption, 19> kQtOptions = {{
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-session", true},
    {"-display", true},         {"-geometry", true},
    {"-style", true},           {"-stylesheet", true},
    {"-qmljsdebugger", false},  {"-reverse", false},
    {"-widgetcount", false},    {"-nograb", false},
    {"-dograb", false},         {"-sync", false},
    {"-testability", false},
}};

// Whether the program takes `arg` as an option (else nothing), and whether a value follows it.
std::optional<bool> TakesValue(std::string_view arg) {
    for (const auto& o : kOwnOptions)
        if (arg == o.name) return o.takesValue;
    // Qt's: "-style NAME", "--style NAME" and "-style=NAME".
    const size_t eq = arg.find('=');
    std::string_view bare = arg.substr(0, eq);
    if (bare.size() > 2 && bare.substr(0, 2) == "--") bare.remove_prefix(1);
    for (const auto& o : kQtOptions)
        if (bare == o.name) return o.takesValue && eq == std::string_view::npos;
    return std::nullopt;
}

DesktopOptions Error(std::string text) {
    DesktopOptions o;
    o.action = DesktopOptions::Action::UsageError;
    o.error = std::move(text);
    return o;
}

constexpr const char* kHelp =
    "usage: vadocalc [FILE.vado]\n"
    "       vadocalc -h | --help | -V | --version\n"
    "\n"
    "Design and checking aids for small hydraulic structures, in US customary units: one page\n"
    "per calculation, switched with a tab strip, and printed reports. Opens the project\n"
    "FILE.vado when one is given (a file that cannot be opened is reported and the program\n"
    "starts with a new project).\n"
    "\n"
    "Options:\n"
    "  -h, --help          show this help and exit\n"
    "  -V, --version       show the version and exit\n"
    "  --reset-settings    forget the window's place and size and the recent projects\n"
    "  --screenshot FILE   save a picture of the screen as FILE and end; --page N (from 0),\n"
    "                      --set NAME=TEXT, --click NAME and --f1 are done first, in order\n"
    "  --screenshot DIR --gallery\n"
    "                      save every page with its worked example computed and every\n"
    "                      result window, one DIR/NAME.png each, and end\n"
    "Qt's own options (-platform NAME, -style NAME, ...) are taken as well.\n"
    "\n"
    "vadocalc-cli drives the same pages from a script: see vadocalc-cli --help.\n";

}  // namespace

DesktopOptions ParseDesktopArgs(const std::vector<std::string>& args) {
    DesktopOptions o;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = !optionsEnded && a.size() > 1 && a.front() == '-';
        if (!option) {
            if (!optionsEnded && a == "-") return Error("unknown option '-'");
            if (!o.projectFile.empty())
                return Error("unexpected argument '" + a + "' (one project at a time)");
            if (a.empty()) return Error("the project file name is empty");
            o.projectFile = a;
        } else if (a == "-h" || a == "--help") {
            o.action = DesktopOptions::Action::Help;
            return o;
        } else if (a == "-V" || a == "--version") {
            o.action = DesktopOptions::Action::Version;
            return o;
        } else if (a == "--reset-settings") {
            o.resetSettings = true;
        } else if (a == "--") {
            optionsEnded = true;
        } else if (const std::optional<bool> takesValue = TakesValue(a)) {
            if (*takesValue && ++i >= args.size()) return Error(a + " needs a value");
        } else {
            return Error("unknown option '" + a + "'");
        }
    }
    return o;
}

int AnswerWithoutWindow(const DesktopOptions& options, const std::string& appFolder,
                        std::ostream& out, std::ostream& err) {
    switch (options.action) {
        case DesktopOptions::Action::Help: {
            out << kHelp
                << "\nThe county list rain.txt and the report logo qlbs_print.bmp are read from "
                   "the\n"
                << "first of these folders that has them:\n";
            for (const std::string& folder : SideFileFolders(appFolder))
                out << "  " << folder << "\n";
            const std::string manual = HelpFilePath("index", appFolder);
            out << "The manual: " << manual
                << (FindSideFile("manual/index.md", appFolder) ? "" : " (not found)") << "\n";
            return 0;
        }
        case DesktopOptions::Action::Version:
            out << VersionLine() << "\n";
            return 0;
        case DesktopOptions::Action::UsageError:
            err << "vadocalc: " << options.error << "\nTry 'vadocalc --help'.\n";
            return 2;
        case DesktopOptions::Action::Run:
            break;
    }
    return 0;
}

}  // namespace vado
