#include "cli/CliCommands.h"

// TODO: the show subcommand.
int Cli::show(const QStringList& args, Streams io) {
    (void)args;
    io.err << "not available yet\n";
    return 2;
}
