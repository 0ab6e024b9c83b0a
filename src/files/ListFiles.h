#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// The two list files beside the preferences: the inserts ("KRDinserts.ini", one insert line per slot,
// 11 lines) and the writers (one name per line, empty lines skipped on reading). Pure functions over a
// folder and the lists' data, plus the load and store logic of the two list editors.
namespace ListFiles {

constexpr int kInsertSlots = 11;
using Inserts = std::array<QString, kInsertSlots>;

inline const QString kInsertsFileName = QStringLiteral("KRDinserts.ini");
// The writers file has two spellings that differ in one letter's case, and the program always treated
// them as one file. It has always been written as "KRDwriters.ini", so existing files carry that name:
// on a case-sensitive file system we read whichever exists (that one first) and write that one.
inline const QString kWritersFileName = QStringLiteral("KRDwriters.ini");
inline const QString kWritersOtherName = QStringLiteral("KRDWriters.ini");
inline const QString kDefaultWriter = QStringLiteral("John Q. Writer");

QString insertsPath(const QString& folder);
// The writers file to read: the one we write when it exists, else the other spelling; empty when none.
QString existingWritersPath(const QString& folder);

// ---- Inserts ----
// Puts line k of the text into slot k - 1, for the lines there are (at least one, so an empty file
// empties slot 0); slots past the last line keep their values, lines past slot 10 are ignored.
void parseInserts(const QByteArray& bytes, Inserts& inter);
QByteArray encodeInserts(const Inserts& inter);
// Reads the inserts file into inter. `found` tells whether there was one; false with a reason when it
// exists but cannot be read (the slots are then unchanged).
bool readInserts(const QString& folder, Inserts& inter, bool* found, QString* error);
bool writeInserts(const QString& folder, const Inserts& inter, QString* error);

// ---- Writers ----
// The writers list of a file's text: entry 0 empty, then every non-empty line in order.
QStringList parseWriters(const QByteArray& bytes);
// One line per entry (so the first is empty), then one more empty line.
QByteArray encodeWriters(const QStringList& writerslist);
// Reads the writers file; with none, the list holds the single default writer. False with a reason when
// a file exists but cannot be read (the list then holds the default writer).
bool readWriters(const QString& folder, QStringList* writerslist, QString* error);
// Writes the file under kWritersFileName and removes a separate file of the other spelling, which would
// otherwise be stale.
bool writeWriters(const QString& folder, const QStringList& writerslist, QString* error);

// ---- The inserts editor ----
// Editor columns: "Menu Name", "Slug", three hidden, "Video", "Audio", "GFX", "Time".
constexpr int kInsertEditorColumns = 9;
// The nine cells of an editor row for one slot: fields 1 to 9, or all empty when the name is empty.
QStringList insertEditorRow(const QString& insertLine);
// The slot text of an editor row: each of the nine cells followed by a comma. A comma, TAB or line end
// typed into a cell would shift the fields after it, so they become spaces.
QString insertLineFromEditorRow(const QStringList& cells);

// ---- The writers editor ----
// The editor's rows: every entry of the list, entry 0 (the empty text) included.
QStringList writersEditorRows(const QStringList& writerslist);
// The list from the editor's rows on closing: the empty entry 0, then every non-empty row in order.
QStringList writersFromEditorRows(const QStringList& rows);

} // namespace ListFiles
