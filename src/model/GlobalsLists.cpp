#include "model/Globals.h"

#include "files/ListFiles.h"
#include "seams/Dialogs.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString listsFolder(const QString& prefsFolder) {
    return prefsFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                 : prefsFolder;
}
} // namespace

void Globals::loadlists() {
    const QString folder = listsFolder(prefsFolder);
    QString error;
    bool found = false;
    if (!ListFiles::readInserts(folder, inter, &found, &error) && dialogs)
        dialogs->inform(QStringLiteral("Could not read the inserts file."),
                        ListFiles::insertsPath(folder) + QStringLiteral(": ") + error);
    if (!ListFiles::readWriters(folder, &writerslist, &error) && dialogs)
        dialogs->inform(QStringLiteral("Could not read the writers file."),
                        ListFiles::existingWritersPath(folder) + QStringLiteral(": ") + error);
    Q_EMIT writerslistChanged();
}

bool Globals::savelists() {
    const QString folder = listsFolder(prefsFolder);
    QString error;
    if (!ListFiles::writeInserts(folder, inter, &error)) {
        if (dialogs)
            dialogs->inform(QStringLiteral("Error: Could not create inserts file. Please check permissions."),
                            ListFiles::insertsPath(folder) + QStringLiteral(": ") + error);
        return false;
    }
    if (!ListFiles::writeWriters(folder, writerslist, &error)) {
        if (dialogs)
            dialogs->inform(QStringLiteral("Error: Could not create writers file. Please check permissions."),
                            QDir(folder).filePath(ListFiles::kWritersFileName) + QStringLiteral(": ") + error);
        return false;
    }
    return true;
}
