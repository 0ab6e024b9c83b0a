#pragma once

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
} // namespace Cli
