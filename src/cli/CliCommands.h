#pragma once

#include "files/EasyPrefs.h"
#include "model/Globals.h"
#include "model/RundownDocument.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"

#include <QStringList>
#include <QTextStream>

// Subcommands of kestrel-rundown-cli. Each gets the arguments after its name and returns the exit
// status: 0 done, 1 a file could not be read or written, 2 bad arguments.
namespace Cli {
struct Streams {
    QTextStream& out;
    QTextStream& err;
};
int show(const QStringList& args, Streams io);
int exportWorkbook(const QStringList& args, Streams io);
int print(const QStringList& args, Streams io);
QString usage();

// A rundown window's document without the window, opened as a window opens. The user's settings are
// read, never created or written: a look at a rundown leaves no trace.
struct HeadlessRundown {
    explicit HeadlessRundown(const TextMeasurer* measurer = nullptr);
    // Reads FILE as Open does; on failure tells the reason on one line of err and returns false.
    bool open(const QString& file, Streams io);

    EasyPrefs prefs;
    SilentDialogs dialogs;
    SystemClock clock;
    Globals globals;
    RundownDocument doc;
};
} // namespace Cli
