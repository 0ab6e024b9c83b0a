#include "model/Globals.h"

// TODO(files issue): the inserts and writers list files.
void Globals::loadlists() {
    writerslist = QStringList{QString(), QStringLiteral("John Q. Writer")};
    Q_EMIT writerslistChanged();
}

bool Globals::savelists() { return false; }
