#include "cli/CliCommands.h"

#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "ui/Printing.h"


namespace {
constexpr int kMaxFontSize = 1000;
const QString kPrefsFile = QStringLiteral("KestrelRundownprefs");
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

    // The document is opened as a window opens it. The settings (the print font size among them) are
    // read, never created or written: printing leaves no trace in the user's settings.
    EasyPrefs prefs;
    prefs.readPrefFile(kPrefsFile);
    SilentDialogs dialogs;
    SystemClock clock;
    Globals globals;
    globals.prefsFolder = prefs.folder();
    globals.dialogs = &dialogs;
    RundownDocument doc(globals, prefs, clock, &dialogs);
    doc.Event_Open();
    if (!doc.opentable(in)) {
        io.err << "kestrel-rundown-cli: " << doc.lastError().replace(u'\n', u' ') << "\n";
        return 1;
    }
    if (fontSize == 0)
        fontSize = globals.printfontsize >= 1 ? globals.printfontsize : 10; // an unusable preference: 10

    const PrintOutcome result = Printing::printToPdf(doc, out, pageSetup, fontSize, clock.now());
    if (!result.ok) {
        io.err << "kestrel-rundown-cli: " << QString(result.error).replace(u'\n', u' ') << "\n";
        return 1;
    }
    return 0;
}
