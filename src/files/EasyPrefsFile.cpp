#include "files/EasyPrefs.h"

#include "seams/Dialogs.h"

#include <QDir>

// File side of the store. TODO(files issue): reading, reset offer and writing through QSaveFile.
void EasyPrefs::InitPrefFile(const QString& name, Dialogs* dialogs, bool resetRequested) {
    (void)dialogs;
    (void)resetRequested;
    m_prefFile = QDir(m_folder).filePath(name);
}

bool EasyPrefs::WritePrefsFile(QString* error) {
    if (error)
        *error = QStringLiteral("not written yet");
    return false;
}
