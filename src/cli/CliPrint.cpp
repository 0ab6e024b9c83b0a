#include "cli/CliCommands.h"

#include "ui/Printing.h"

namespace {
constexpr int kMaxFontSize = 1000;
} // namespace

// print [--font-size N] [--page-setup TEXT] FILE OUT.pdf: the rundown as Print prints it, into a PDF.
int Cli::print(const QStringList& args, Streams io) {
    int fontSize = 0; // 0: the preference
    QString pageSetup;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--font-size") && i + 1 < args.size()) {
            bool ok = false;
            fontSize = args[++i].toInt(&ok);
            if (!ok || fontSize < 1 || fontSize > kMaxFontSize) {
                io.err << "kestrel-rundown-cli: --font-size needs a whole number from 1 to " << kMaxFontSize << "\n"
                       << usage();
                return 2;
            }
        } else if (a == QLatin1String("--page-setup") && i + 1 < args.size()) {
            pageSetup = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            io.err << "kestrel-rundown-cli: unknown option " << a << "\n" << usage();
            return 2;
        } else {
            files << a;
        }
    }
    if (files.size() != 2) {
        io.err << usage();
        return 2;
    }
    const QString& in = files[0];
    const QString& out = files[1];

    HeadlessRundown rundown;
    if (!rundown.open(in, io))
        return 1;
    if (fontSize == 0)
        fontSize = rundown.globals.printfontsize >= 1 ? rundown.globals.printfontsize : 10; // an unusable preference: 10

    const PrintOutcome result = Printing::printToPdf(rundown.doc, out, pageSetup, fontSize, rundown.clock.now());
    if (!result.ok) {
        io.err << "kestrel-rundown-cli: " << QString(result.error).replace(u'\n', u' ') << "\n";
        return 1;
    }
    return 0;
}
