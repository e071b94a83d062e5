#include "app/cli/batch.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/cli/session.h"
#include "shared/csv.h"
#include "ui/safe_file.h"

namespace vado::cli {

namespace {

// A cases file larger than this is refused rather than read into memory.
constexpr std::uintmax_t kMaxCasesBytes = 64u << 20;

bool ReadCases(const std::string& file, const CliEnvironment& env, std::string& text,
               std::string& why) {
    if (file == "-") {
        if (!env.input) return (why = "there is no standard input to read", false);
        std::ostringstream s;
        s << env.input->rdbuf();
        text = s.str();
        if (text.size() > kMaxCasesBytes) return (why = "the cases are larger than 64 MB", false);
        return true;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return (why = "cannot read " + file + ": it is not a file", false);
    if (std::filesystem::file_size(file, ec) > kMaxCasesBytes || ec)
        return (why = "cannot read " + file + ": it is larger than 64 MB", false);
    std::ifstream in(file, std::ios::binary);
    if (!in) return (why = "cannot read " + file, false);
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// A header cell names a control the page's steps can set: a field, list, check box or option
// (or option group), or a cell of a grid ("grdData(2,0)").
bool NamesAnInput(const ui::Form& page, const std::string& name) {
    std::string base = name;
    if (auto open = name.find('('); open != std::string::npos && name.back() == ')') {
        if (name.find(',', open) != std::string::npos) base = name.substr(0, open);
    }
    const ui::Control* c = page.find(base);
    if (!c) c = page.find(name + "(0)");
    if (!c) return false;
    switch (c->kind()) {
        case ui::Kind::TextBox:
        case ui::Kind::ComboBox:
        case ui::Kind::CheckBox:
        case ui::Kind::OptionButton:
        case ui::Kind::Grid:
            return true;
        default:
            return false;
    }
}

// A result control's value in one CSV field: a table's rows on lines, cells separated by tabs.
std::string FieldOf(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (!value.is_array()) return value.dump();
    std::string text;
    for (size_t r = 0; r < value.size(); ++r) {
        if (r) text += '\n';
        for (size_t c = 0; c < value[r].size(); ++c) {
            if (c) text += '\t';
            text += FieldOf(value[r][c]);
        }
    }
    return text;
}

// Shows how far a long run has got, on a terminal, at most four times a second.
class Progress {
  public:
    Progress(std::ostream& err, bool terminal, size_t total)
        : err_(err), terminal_(terminal), total_(total), start_(Clock::now()), last_(start_) {}
    void at(size_t done) {
        if (!terminal_) return;
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250))
            return;
        last_ = now;
        shown_ = true;
        err_ << "\rvadocalc-cli: case " << done << " of " << total_ << std::flush;
    }
    ~Progress() {
        if (shown_) err_ << "\rvadocalc-cli: case " << total_ << " of " << total_ << "\n";
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool terminal_;
    size_t total_;
    Clock::time_point start_, last_;
    bool shown_ = false;
};

struct Case {
    int line = 0;
    csv::Row fields;
    std::string malformed;  // why the record cannot be a case, or ""
};

}  // namespace

int RunBatch(const Arguments& args, std::ostream& out, std::ostream& err,
             const CliEnvironment& env) {
    // The page as it starts: what the header is checked against and the results listed from.
    Session probe(env.appFolder);
    probe.module().SubMain();
    auto* page = dynamic_cast<CalculatorForm*>(probe.module().formNamed(args.form));
    if (!probe.module().formNamed(args.form)) throw UsageError("unknown form '" + args.form + "'");
    if (!page) throw UsageError(args.form + " has no Compute to run cases with");

    std::string text, why;
    if (!ReadCases(args.casesFile, env, text, why)) {
        err << "vadocalc-cli: " << why << "\n";
        return 1;
    }
    const std::string source = args.casesFile == "-" ? "standard input" : args.casesFile;
    csv::Reader reader(text);
    csv::Row header;
    if (reader.next(header, why) != csv::Reader::Status::Record || header == csv::Row{""})
        throw UsageError(source + " has no header naming the page's controls");
    std::set<std::string> seen;
    for (const std::string& name : header) {
        if (!NamesAnInput(*page, name))
            throw UsageError(source + ": '" + name + "' is no input of " + page->name());
        if (!seen.insert(name).second) throw UsageError(source + ": '" + name + "' is named twice");
    }

    std::vector<Case> cases;
    csv::Row fields;
    for (auto s = reader.next(fields, why); s != csv::Reader::Status::End;
         s = reader.next(fields, why)) {
        if (s == csv::Reader::Status::Record && fields == csv::Row{""}) continue;  // a blank line
        Case c{reader.line(), fields, s == csv::Reader::Status::Malformed ? why : std::string()};
        if (c.malformed.empty() && fields.size() != header.size())
            c.malformed = "it has " + std::to_string(fields.size()) + " fields, the header " +
                          std::to_string(header.size());
        cases.push_back(std::move(c));
    }

    csv::Row titles = header;
    for (const ui::Control* r : page->results) titles.push_back(r->fullName());
    titles.push_back("lastComputeFailed");
    titles.push_back("messages");
    std::string results = csv::Record(titles);

    int malformed = 0;
    Progress progress(err, env.errIsTerminal, cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        Case& c = cases[i];
        csv::Row row = c.fields;
        row.resize(header.size());
        Json result;
        if (c.malformed.empty()) {
            try {
                Session session(env.appFolder);
                session.module().SubMain();
                session.open(*session.module().formNamed(args.form));
                for (size_t f = 0; f < header.size(); ++f)
                    if (!c.fields[f].empty())
                        session.run({Step::Kind::Assign, header[f] + "=" + c.fields[f]});
                session.run({Step::Kind::Click, "cmdCompute"});
                result = session.result();
            } catch (const UsageError& e) {
                c.malformed = e.what();
            }
        }
        if (!c.malformed.empty()) {
            ++malformed;
            err << "vadocalc-cli: " << source << " line " << c.line << ": " << c.malformed << "\n";
            row.resize(titles.size() - 2);
            row.push_back("true");
            row.push_back(c.malformed);
        } else {
            for (const ui::Control* r : page->results)
                row.push_back(FieldOf(result["controls"][r->fullName()]));
            row.push_back(result["lastComputeFailed"].get<bool>() ? "true" : "false");
            std::string messages;
            for (const auto& m : result["messages"]) {
                if (!messages.empty()) messages += "; ";
                messages += m["text"].get<std::string>();
            }
            row.push_back(messages);
        }
        results += csv::Record(row);
        progress.at(i + 1);
    }

    if (args.outFile == "-") {
        out << results << std::flush;
    } else if (!ui::WriteFileAtomically(args.outFile, results, why)) {
        err << "vadocalc-cli: cannot write " << args.outFile << ": " << why << "\n";
        return 1;
    }
    return malformed ? 1 : 0;
}

}  // namespace vado::cli
