#include "files/ListFiles.h"

#include "files/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ListFiles {

QString insertsPath(const QString& folder) { return QDir(folder).filePath(kInsertsFileName); }

QString existingWritersPath(const QString& folder) {
    for (const QString& name : {kWritersFileName, kWritersOtherName}) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

// ---- Inserts -------------------------------------------------------------------------------------

void parseInserts(const QByteArray& bytes, Inserts& inter) {
    const QString text = TextFile::decode(bytes);
    const QList<QStringView> lines = TextFile::lines(text);
    if (lines.isEmpty()) {
        inter[0] = QString();
        return;
    }
    for (qsizetype k = 0; k < std::min<qsizetype>(lines.size(), kInsertSlots); ++k)
        inter[size_t(k)] = lines[k].toString();
}

QByteArray encodeInserts(const Inserts& inter) {
    QString out;
    for (const QString& slot : inter) {
        TextFile::appendOneLine(out, slot, true);
        out += u'\r';
    }
    return TextFile::encode(out);
}

bool readInserts(const QString& folder, Inserts& inter, bool* found, QString* error) {
    const QString path = insertsPath(folder);
    *found = QFileInfo::exists(path);
    if (!*found)
        return true;
    QByteArray bytes;
    if (!TextFile::read(path, TextFile::kMaxSettingsBytes, &bytes, error))
        return false;
    parseInserts(bytes, inter);
    return true;
}

bool writeInserts(const QString& folder, const Inserts& inter, QString* error) {
    return TextFile::write(insertsPath(folder), encodeInserts(inter), error);
}

// ---- Writers -------------------------------------------------------------------------------------

QStringList parseWriters(const QByteArray& bytes) {
    QStringList list{QString()};
    const QString text = TextFile::decode(bytes);
    for (const QStringView line : TextFile::lines(text))
        if (!line.isEmpty())
            list.append(line.toString());
    return list;
}

QByteArray encodeWriters(const QStringList& writerslist) {
    QString out;
    for (const QString& name : writerslist) {
        TextFile::appendOneLine(out, name, true);
        out += u'\r';
    }
    out += u'\r';
    return TextFile::encode(out);
}

bool readWriters(const QString& folder, QStringList* writerslist, QString* error) {
    *writerslist = QStringList{QString(), kDefaultWriter};
    const QString path = existingWritersPath(folder);
    if (path.isEmpty())
        return true;
    QByteArray bytes;
    if (!TextFile::read(path, TextFile::kMaxSettingsBytes, &bytes, error))
        return false;
    *writerslist = parseWriters(bytes);
    return true;
}

bool writeWriters(const QString& folder, const QStringList& writerslist, QString* error) {
    const QDir dir(folder);
    if (!TextFile::write(dir.filePath(kWritersFileName), encodeWriters(writerslist), error))
        return false;
    // Only a separate file of the other spelling is removed: the folder's listing shows both names
    // only on a file system that tells them apart (elsewhere they are the one file just written).
    const QStringList present = dir.entryList({kWritersFileName}, QDir::Files | QDir::Hidden | QDir::System);
    if (present.contains(kWritersFileName, Qt::CaseSensitive) && present.contains(kWritersOtherName, Qt::CaseSensitive))
        QFile::remove(dir.filePath(kWritersOtherName));
    return true;
}

// ---- The inserts editor --------------------------------------------------------------------------

QStringList insertEditorRow(const QString& insertLine) {
    QStringList cells(kInsertEditorColumns);
    const QStringList fields = insertLine.split(u',');
    if (fields.value(0).isEmpty())
        return cells;
    for (int k = 0; k < kInsertEditorColumns; ++k)
        cells[k] = fields.value(k);
    return cells;
}

QString insertLineFromEditorRow(const QStringList& cells) {
    QString line;
    for (int k = 0; k < kInsertEditorColumns; ++k) {
        QString cell = TextFile::oneLine(cells.value(k));
        cell.replace(u',', u' ');
        line += cell;
        line += u',';
    }
    return line;
}

// ---- The writers editor --------------------------------------------------------------------------

QStringList writersEditorRows(const QStringList& writerslist) { return writerslist; }

QStringList writersFromEditorRows(const QStringList& rows) {
    QStringList list{QString()};
    for (const QString& row : rows)
        if (!row.isEmpty())
            list.append(TextFile::oneLine(row, true));
    return list;
}

} // namespace ListFiles
