#include "cli/CliCommands.h"


// show [--show-length SECONDS] [--renumber] FILE: the rundown as Open reads it, one line per row.
int Cli::show(const QStringList& args, Streams io) {
    QString file;
    bool renumber = false;
    bool haveLength = false;
    qint32 showLength = 0;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            io.out << usage();
            return 0;
        }
        if (a == QLatin1String("--renumber")) {
            renumber = true;
        } else if (a == QLatin1String("--show-length")) {
            bool ok = false;
            showLength = i + 1 < args.size() ? args[i + 1].toInt(&ok) : 0;
            if (!ok || showLength < 0) {
                io.err << "kestrel-rundown-cli: --show-length needs a number of seconds\n" << usage();
                return 2;
            }
            haveLength = true;
            ++i;
        } else if (a.startsWith(u'-') && a != QLatin1String("-")) {
            io.err << "kestrel-rundown-cli: unknown option " << a << '\n' << usage();
            return 2;
        } else if (file.isEmpty()) {
            file = a;
        } else {
            io.err << usage();
            return 2;
        }
    }
    if (file.isEmpty()) {
        io.err << usage();
        return 2;
    }

    HeadlessRundown rundown;
    RundownDocument& doc = rundown.doc;
    if (haveLength)
        rundown.globals.showseconds = showLength;
    if (!rundown.open(file, io))
        return 1;
    if (renumber) {
        doc.autopage = true;
        doc.doautopage();
    }

    const StyleGrid& grid = doc.rundown();
    QString line;
    for (int y = 1; y <= grid.Rows(); ++y) {
        line.clear();
        for (int x = 1; x <= grid.Cols(); ++x) {
            if (x > 1)
                line += u'\t';
            line += grid.cellTextView(x, y);
        }
        line += u'\n';
        io.out << line;
    }
    io.out << "Total: " << doc.TotalTime() << '\n';
    io.out.flush();
    return 0;
}
