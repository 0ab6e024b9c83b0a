#include "cli/CliCommands.h"

#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "output/StyleGridExcelExporter.h"
#include "seams/Clock.h"
#include "ui/FontTextMeasurer.h"

#include <QFileInfo>
#include <QTemporaryDir>

// export FILE OUT: what "Export to Excel" writes for FILE. FILE is read as Open reads it, in a window
// with the program's default settings (the user's preferences are neither read nor touched, so the
// same FILE always gives the same workbook).
int Cli::exportWorkbook(const QStringList& args, Streams io) {
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        io.err << usage();
        return 2;
    }
    const QString file = args[0];
    const QString out = args[1];

    QTemporaryDir prefsDir;
    if (!prefsDir.isValid()) {
        io.err << "export: no temporary folder for the settings: " << prefsDir.errorString() << '\n';
        return 1;
    }
    Globals globals;
    globals.prefsFolder = prefsDir.path();
    EasyPrefs prefs(prefsDir.path());
    SystemClock clock;
    const FontTextMeasurer measurer(QFont(globals.myfontname));
    RundownDocument doc(globals, prefs, clock, nullptr, &measurer);
    doc.Event_Open();
    if (!doc.opentable(QFileInfo(file).absoluteFilePath())) {
        const QString why = doc.lastError().simplified();
        io.err << "export: cannot read " << file << (why.isEmpty() ? QString() : QStringLiteral(": ") + why) << '\n';
        return 1;
    }

    StyleGridExcelExporter exporter;
    exporter.setUpForRundown(clock.now());
    QString error;
    if (!exporter.Export(doc.rundown(), out, &error)) {
        io.err << "export: cannot write " << error.simplified() << '\n';
        return 1;
    }
    return 0;
}
