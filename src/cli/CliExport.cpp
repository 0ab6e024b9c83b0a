#include "cli/CliCommands.h"

// TODO: the exportWorkbook subcommand.
int Cli::exportWorkbook(const QStringList& args, Streams io) {
    (void)args;
    io.err << "not available yet\n";
    return 2;
}
