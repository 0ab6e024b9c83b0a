#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The rundown every CLI test reads.
inline const QString kSampleRundown = QStringLiteral(KESTREL_TEST_DATA_DIR "/sample.rdk");

struct CliRun {
    int status = -1; // -1: did not finish in time; -2: crashed
    QByteArray out;
    QByteArray err;
};

// Runs kestrel-rundown-cli with its own configuration folder, so the user's settings play no part.
CliRun runCli(const QStringList& args, const QString& configHome);
