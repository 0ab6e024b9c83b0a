#include "cli/CliCommands.h"

namespace {
EasyPrefs readOnlyPrefs() {
    EasyPrefs prefs;
    prefs.readPrefFile(EasyPrefs::kFileName);
    return prefs;
}
} // namespace

Cli::HeadlessRundown::HeadlessRundown(const TextMeasurer* measurer)
    : prefs(readOnlyPrefs()), doc(globals, prefs, clock, &dialogs, measurer) {
    globals.prefsFolder = prefs.folder();
    globals.dialogs = &dialogs;
    doc.Event_Open();
}

bool Cli::HeadlessRundown::open(const QString& file, Streams io) {
    if (doc.opentable(file))
        return true;
    io.err << "kestrel-rundown-cli: " << doc.lastError().replace(u'\n', u' ') << '\n';
    return false;
}
