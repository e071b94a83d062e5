#include "app/cli/arguments.h"

#include <cctype>

#include "report/frm_info.h"

namespace vado::cli {

const char* const kUsage =
    "usage: vadocalc-cli [--json] [--open FILE.vado] FORM STEP... [--print FILE.pdf [--info "
    "NAME=VALUE]...]\n"
    "                    [--save FILE.vado]\n"
    "       vadocalc-cli [--export FILE.csv|FILE.svg|FILE.png [--scale N]] ...\n"
    "       vadocalc-cli --batch FORM CASES.csv [--out RESULTS.csv]\n"
    "       vadocalc-cli --list [--markdown] FORM\n"
    "       vadocalc-cli --forms\n"
    "       vadocalc-cli -h | --help | -V | --version\n"
    "steps: NAME=TEXT  NAME=INDEX  grid(r,c)=TEXT  --click NAME  --window NAME\n"
    "info:  txtOwnerName  cboCounty  txtState  txtDesigner  txtSite\n";

const char* const kHelp =
    "usage: vadocalc-cli [--json] [--open FILE.vado] FORM STEP... [--print FILE.pdf [--info "
    "NAME=VALUE]...]\n"
    "                    [--save FILE.vado]\n"
    "       vadocalc-cli --batch FORM CASES.csv [--out RESULTS.csv]\n"
    "       vadocalc-cli --list [--markdown] FORM\n"
    "       vadocalc-cli --forms\n"
    "\n"
    "Drives one page of Vadocalc without a window, step by step as a person would, and prints the\n"
    "messages shown and every control of the page. FORM is a page's form name, in any letter case\n"
    "(--forms lists them).\n"
    "\n"
    "Steps, run in order:\n"
    "  NAME=TEXT           type TEXT into a field (as a paste), then leave it\n"
    "  NAME=INDEX          choose item INDEX (from 0) of a list or an option group; 0 or 1 on a "
    "check box\n"
    "  grid(r,c)=TEXT      edit a cell of an editable grid\n"
    "  --click NAME        press a button\n"
    "  --window NAME       talk to an open result window from here on\n"
    "\n"
    "Options:\n"
    "  --json              print one JSON object instead of lines\n"
    "  --open FILE.vado    load a project before the steps (goes before FORM)\n"
    "  --print FILE.pdf    print the page's report to FILE.pdf after the steps\n"
    "  --info NAME=VALUE   with --print: a project-information field (txtOwnerName, cboCounty,\n"
    "                      txtState, txtDesigner, txtSite)\n"
    "  --save FILE.vado    save the project after the steps\n"
    "  --export FILE       after the steps, write the table (FILE.csv) or the graph (FILE.svg,\n"
    "                      FILE.png) of the page or of the window chosen with --window\n"
    "  --scale N           with --export FILE.png: N times the graph's size (1 to 8)\n"
    "  --batch FORM CASES  run every row of CASES (CSV; a header naming the page's controls)\n"
    "                      on a fresh page, then Compute; one result row per case (CSV, to\n"
    "                      standard output or --out FILE; \"-\" reads standard input)\n"
    "  --list FORM         list the page's input fields (label, unit, range, default) and results\n"
    "  --markdown          with --list: the same as a Markdown table\n"
    "  --forms             list the pages: form name and tab caption\n"
    "  -h, --help          show this help and exit\n"
    "  -V, --version       show the version and exit\n"
    "\n"
    "Exit status: 0 when the steps ran (a failed computation is data, not an error); 1 when a "
    "report,\n"
    "an export or a project could not be written or a project could not be opened, or a batch "
    "case\n"
    "was malformed; 2 for a usage error.\n";

namespace {

bool IsInfoField(const std::string& name) {
    for (const char* f : report::kInfoFields)
        if (name == f) return true;
    return false;
}

// Walks the arguments, handing out option values.
class Reader {
  public:
    explicit Reader(const std::vector<std::string>& args) : args_(args) {}
    bool done() const { return i_ >= args_.size(); }
    const std::string& next() { return args_[i_++]; }
    // The value of the option just read; `what` says what it is when it is missing.
    const std::string& value(const std::string& option, const char* what, bool mayBeEmpty = false) {
        if (done() || (!mayBeEmpty && args_[i_].empty()))
            throw UsageError(option + " needs " + what);
        return next();
    }

  private:
    const std::vector<std::string>& args_;
    size_t i_ = 0;
};

void SetOnce(std::optional<std::string>& slot, const std::string& option,
             const std::string& value) {
    if (slot) throw UsageError(option + " is given twice");
    slot = value;
}

std::string Extension(const std::string& file) {
    const size_t dot = file.rfind('.');
    if (dot == std::string::npos || file.find('/', dot) != std::string::npos) return {};
    std::string ext = file.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& args) {
    Arguments a;
    bool list = false, forms = false, batch = false;
    std::optional<std::string> out, scale;
    // The first argument that only a run takes (a step, --print, ...), for a --list or --forms
    // command line that has one.
    std::string runOnly;
    bool runOnlyIsOption = false;
    auto runArgument = [&](const std::string& text, bool option) {
        if (runOnly.empty()) {
            runOnly = text;
            runOnlyIsOption = option;
        }
    };

    Reader in(args);
    while (!in.done()) {
        const std::string& s = in.next();
        if (s == "-h" || s == "--help") {
            a.command = Command::Help;
            return a;
        } else if (s == "-V" || s == "--version") {
            a.command = Command::Version;
            return a;
        } else if (s == "--json") {
            a.json = true;
        } else if (s == "--list") {
            list = true;
        } else if (s == "--markdown") {
            a.markdown = true;
        } else if (s == "--forms") {
            forms = true;
        } else if (s == "--open") {
            if (!a.form.empty()) throw UsageError("--open goes before the form");
            SetOnce(a.openFile, s, in.value(s, "a file name"));
            runArgument(s, true);
        } else if (s == "--print") {
            SetOnce(a.printFile, s, in.value(s, "a file name"));
            runArgument(s, true);
        } else if (s == "--save") {
            SetOnce(a.saveFile, s, in.value(s, "a file name"));
            runArgument(s, true);
        } else if (s == "--export") {
            SetOnce(a.exportFile, s, in.value(s, "a file name"));
            const std::string ext = Extension(*a.exportFile);
            if (ext != "csv" && ext != "svg" && ext != "png")
                throw UsageError("--export writes a .csv table or a .svg or .png graph: " +
                                 *a.exportFile);
            runArgument(s, true);
        } else if (s == "--scale") {
            SetOnce(scale, s, in.value(s, "a whole number from 1 to 8"));
            runArgument(s, true);
        } else if (s == "--batch") {
            batch = true;
        } else if (s == "--out") {
            SetOnce(out, s, in.value(s, "a file name"));
        } else if (s == "--info") {
            const std::string& field = in.value(s, "NAME=VALUE", true);
            auto eq = field.find('=');
            std::string name = field.substr(0, eq);
            if (eq == std::string::npos || !IsInfoField(name))
                throw UsageError("malformed --info '" + field +
                                 "' (expected txtOwnerName, cboCounty, txtState, "
                                 "txtDesigner or txtSite=VALUE)");
            a.info.emplace_back(name, field.substr(eq + 1));
            runArgument(s, true);
        } else if (s == "--click") {
            a.steps.push_back({Step::Kind::Click, in.value(s, "a button name")});
            runArgument(s, true);
        } else if (s == "--window") {
            a.steps.push_back({Step::Kind::Window, in.value(s, "a window name")});
            runArgument(s, true);
        } else if (s.size() > 1 && s.front() == '-') {
            throw UsageError("unknown option '" + s + "'");
        } else if (a.form.empty() && !forms) {
            if (s.empty()) throw UsageError("the form name is empty");
            a.form = s;
        } else if (batch && a.casesFile.empty()) {
            if (s.empty()) throw UsageError("the cases file name is empty");
            a.casesFile = s;
        } else {
            runArgument(s, false);
            if (list || forms || batch) continue;  // reported below, naming the command
            if (s.find('=') == std::string::npos || s.front() == '=')
                throw UsageError("malformed step '" + s + "' (expected NAME=VALUE)");
            a.steps.push_back({Step::Kind::Assign, s});
        }
    }

    const char* command = forms ? "--forms" : list ? "--list" : batch ? "--batch" : nullptr;
    if (forms && list) throw UsageError("--forms and --list do not go together");
    if (batch && (forms || list))
        throw UsageError("--batch does not go with " + std::string(forms ? "--forms" : "--list"));
    if (out && !batch) throw UsageError("--out goes with --batch");
    if (scale) {
        const std::string& n = *scale;
        if (n.size() != 1 || n[0] < '1' || n[0] > '8')
            throw UsageError("--scale takes a whole number from 1 to 8, not '" + n + "'");
        if (!a.exportFile || Extension(*a.exportFile) != "png")
            throw UsageError("--scale goes with --export FILE.png");
        a.exportScale = n[0] - '0';
    }
    if (forms && !a.form.empty()) throw UsageError("unexpected argument '" + a.form + "'");
    if (command && !runOnly.empty())
        throw UsageError(runOnlyIsOption ? runOnly + " does not go with " + command
                                         : "unexpected argument '" + runOnly + "'");
    if (a.markdown && !list) throw UsageError("--markdown goes with --list");
    if (batch) {
        if (a.form.empty() || a.casesFile.empty())
            throw UsageError("--batch needs a form and a cases file");
        if (a.json) throw UsageError("--json does not go with --batch");
        if (out) a.outFile = *out;
        a.command = Command::Batch;
    } else if (forms) {
        a.command = Command::Forms;
    } else if (list) {
        if (a.form.empty()) throw UsageError("--list needs a form name");
        a.command = Command::List;
    } else if (!a.info.empty() && !a.printFile) {
        throw UsageError("--info needs --print");
    }
    return a;
}

}  // namespace vado::cli
