#include "cli/CliCommands.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

QString Cli::usage() {
    return QStringLiteral("usage: kestrel-rundown-cli show [--show-length SECONDS] [--renumber] FILE\n"
                          "       kestrel-rundown-cli export FILE OUT\n"
                          "       kestrel-rundown-cli print [--font-size N] [--page-setup TEXT] FILE OUT.pdf\n"
                          "       kestrel-rundown-cli --help\n");
}

int main(int argc, char** argv) {
    // Printing needs fonts and a paint device, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << Cli::usage();
        return 2;
    }
    const QString command = args.takeFirst();
    Cli::Streams io{out, err};
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << Cli::usage();
        return 0;
    }
    if (command == QLatin1String("show"))
        return Cli::show(args, io);
    if (command == QLatin1String("export"))
        return Cli::exportWorkbook(args, io);
    if (command == QLatin1String("print"))
        return Cli::print(args, io);
    err << Cli::usage();
    return 2;
}
