#include "app/cli/run.h"

#include "app/cli/export.h"
#include "app/cli/session.h"
#include "app/project_file.h"

namespace vado::cli {

namespace {

void PrintReadable(const Json& j, std::ostream& out) {
    out << j["form"].get<std::string>() << "\n";
    for (auto& m : j["messages"])
        out << "message after " << m["after"].get<std::string>() << ": ["
            << m["title"].get<std::string>() << "] " << m["text"].get<std::string>() << "\n";
    if (j.contains("validationCancelled"))
        for (auto& s : j["validationCancelled"])
            out << "validation cancelled: " << s.get<std::string>() << "\n";
    out << "lastComputeFailed: " << (j["lastComputeFailed"].get<bool>() ? "true" : "false") << "\n";
    if (j.contains("report")) {
        const Json& r = j["report"];
        if (r["printed"].get<bool>())
            out << "report: printed to " << r["file"].get<std::string>() << "\n";
        else if (r.contains("error"))
            out << "report: not printed: " << r["error"].get<std::string>() << "\n";
        else
            out << "report: not printed\n";
    }
    if (j.contains("export")) {
        const Json& e = j["export"];
        if (e["written"].get<bool>())
            out << "export: written to " << e["file"].get<std::string>() << "\n";
        else
            out << "export: not written: " << e["error"].get<std::string>() << "\n";
    }
    for (auto& [name, value] : j["controls"].items())
        out << name << ": " << (value.is_string() ? value.get<std::string>() : value.dump())
            << "\n";
    for (auto& [name, w] : j["windows"].items()) {
        out << "window " << name << "\n";
        for (auto& [cname, value] : w["controls"].items())
            out << "  " << cname << ": "
                << (value.is_string() ? value.get<std::string>() : value.dump()) << "\n";
    }
}

// Loads --open FILE into the session: false (with the reason on `err`) when it cannot.
bool OpenProject(Session& session, const std::string& file, std::ostream& err) {
    std::string text, why;
    if (!project::ReadText(file, text, why)) {
        err << "vadocalc-cli: " << why << "\n";
        return false;
    }
    const project::Loaded loaded = project::Load(session.module(), text);
    if (!loaded.ok) {
        err << "vadocalc-cli: " << file << ": " << loaded.error << "\n";
        return false;
    }
    if (!loaded.skipped.empty()) {
        session.services().context = "--open";
        session.services().MsgBox(project::SkippedNotice(loaded.skipped), "Vadocalc",
                                  ui::MsgIcon::Information);
    }
    return true;
}

}  // namespace

int RunSteps(const Arguments& args, std::ostream& out, std::ostream& err,
             const CliEnvironment& env) {
    if (args.printFile && !env.pdfPrinter) throw UsageError("this build cannot print");
    Session session(env.appFolder);
    session.module().SubMain();
    CatalogueForm* page = session.module().formNamed(args.form);
    if (!page) throw UsageError("unknown form '" + args.form + "'");
    if (args.openFile && !OpenProject(session, *args.openFile, err)) return 1;
    session.open(*page);
    for (const Step& step : args.steps) session.run(step);
    if (args.printFile) {
        const std::string file = *args.printFile;
        session.print(file, args.info, [&env, file] { return env.pdfPrinter(file); });
    }
    Json exported;
    if (args.exportFile) {
        session.services().context = "--export";
        exported = ExportForm(session.form(), *args.exportFile, args.exportScale, env);
    }
    std::string saveError;
    if (args.saveFile &&
        !project::WriteTextAtomically(*args.saveFile, project::Save(session.module()), saveError))
        saveError = saveError.empty() ? "the project was not saved" : saveError;

    Json j = session.result();
    if (!exported.is_null()) j["export"] = exported;
    if (args.json)
        out << j.dump(1) << "\n";
    else
        PrintReadable(j, out);
    if (!saveError.empty()) {
        err << "vadocalc-cli: " << saveError << "\n";
        return 1;
    }
    if (std::string why = session.printError(); !why.empty()) {
        err << "vadocalc-cli: the report was not written: " << why << "\n";
        return 1;
    }
    if (!exported.is_null() && !exported["written"].get<bool>()) {
        err << "vadocalc-cli: " << *args.exportFile
            << " was not written: " << exported["error"].get<std::string>() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace vado::cli
