#include "app/cli/cli.h"

#include "app/cli/arguments.h"
#include "app/cli/batch.h"
#include "app/cli/listing.h"
#include "app/cli/run.h"
#include "app/cli/session.h"
#include "app/version.h"

namespace vado {

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err,
           const CliEnvironment& env) {
    try {
        const cli::Arguments args = cli::ParseArguments(argv);
        switch (args.command) {
            case cli::Command::Help:
                out << cli::kHelp;
                return 0;
            case cli::Command::Version:
                out << VersionLine() << "\n";
                return 0;
            case cli::Command::Forms:
                cli::PrintForms(out, args.json);
                return 0;
            case cli::Command::List: {
                cli::Session session(env.appFolder);
                session.module().SubMain();
                CatalogueForm* page = session.module().formNamed(args.form);
                if (!page) throw cli::UsageError("unknown form '" + args.form + "'");
                if (args.markdown)
                    cli::PrintMarkdownList(*page, out);
                else
                    cli::PrintList(*page, out);
                return 0;
            }
            case cli::Command::Batch:
                return cli::RunBatch(args, out, err, env);
            case cli::Command::Run:
                if (args.form.empty()) {
                    err << cli::kUsage;
                    return 2;
                }
                return cli::RunSteps(args, out, err, env);
        }
        return 2;
    } catch (const cli::UsageError& e) {
        err << "vadocalc-cli: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace vado
