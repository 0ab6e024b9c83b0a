#include "cli/CliCommands.h"

#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "ui/Printing.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

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
                io.err << "print: the font size must be a whole number from 1 to " << kMaxFontSize << "\n"
                       << usage();
                return 2;
            }
        } else if (a == QLatin1String("--page-setup") && i + 1 < args.size()) {
            pageSetup = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            io.err << usage();
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

    // The document is opened as a window opens it. The print font size comes from the user's
    // preferences; an absent preferences file is not created. The list files go to a scratch folder:
    // printing needs none of them and must leave the user's settings alone.
    SilentDialogs dialogs;
    SystemClock clock;
    QTemporaryDir scratch;
    Globals globals;
    globals.dialogs = &dialogs;
    globals.prefsFolder = scratch.path();
    EasyPrefs prefs;
    if (QFileInfo::exists(QDir(prefs.folder()).filePath(kPrefsFile)))
        prefs.InitPrefFile(kPrefsFile, &dialogs);
    RundownDocument doc(globals, prefs, clock, &dialogs);
    doc.Event_Open();

    if (!QFileInfo(in).isFile() || !doc.opentable(in)) {
        const QString why = doc.lastError();
        io.err << "print: cannot read " << in << (why.isEmpty() ? QString() : QStringLiteral(": ") + why) << "\n";
        return 1;
    }
    if (fontSize == 0)
        fontSize = globals.printfontsize >= 1 ? globals.printfontsize : 10; // an unusable preference: 10

    const PrintOutcome result = Printing::printToPdf(doc, out, pageSetup, fontSize, clock.now());
    if (!result.ok) {
        io.err << "print: " << QString(result.error).replace(u'\n', u' ') << "\n";
        return 1;
    }
    return 0;
}
