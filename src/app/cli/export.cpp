#include "app/cli/export.h"

#include <cctype>

#include "app/page_exports.h"
#include "ui/safe_file.h"

namespace vado::cli {

Json ExportForm(ui::Form& form, const std::string& file, int scale, const CliEnvironment& env) {
    const ui::ExportOffer offer = ExportOfferOf(form);
    std::string ext =
        file.substr(file.rfind('.') == std::string::npos ? file.size() : file.rfind('.'));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool table = ext == ".csv";
    std::string why;
    bool written = false;
    if (table) {
        if (!offer.tableCsv)
            why = form.name() + " has no table";
        else
            written = ui::WriteFileAtomically(file, offer.tableCsv(), why);
    } else if (!offer.graph) {
        why = form.name() + " has no graph to draw";
    } else if (!env.graphWriter) {
        why = "this build cannot draw graphs";
    } else {
        written = env.graphWriter(file, offer.graph, scale, why);
    }
    Json outcome = {{"file", file}, {"written", written}};
    if (!written) outcome["error"] = why;
    return outcome;
}

}  // namespace vado::cli
