#include "cli/CliCommands.h"

// TODO: the print subcommand.
int Cli::print(const QStringList& args, Streams io) {
    (void)args;
    io.err << "not available yet\n";
    return 2;
}
