#pragma once

#include "grid/StyleGrid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The rundown document: a window line (content width TAB height), a line of column widths separated by
// TAB, then one line per row with every cell's text followed by a TAB. UTF-8 without a byte-order mark,
// CR after every line; the reader takes CR, LF or CR LF and is lenient about everything else.
namespace DocumentFile {

// The window's limits: a stored size outside them is clamped, so no file can ask for a window the
// desktop cannot make.
constexpr int kMinWindowWidth = 640;
constexpr int kMinWindowHeight = 64;
constexpr int kMaxWindowSize = 32000;

// A rundown is a few hundred rows; these bounds keep a hostile or mistaken file from taking all memory.
constexpr qint64 kMaxBytes = qint64(64) << 20;
constexpr int kMaxRows = 200000;

// A parsed document. The cell texts are views into one decoded text (a QString per field would cost
// a million allocations for a large rundown); moving a Contents keeps them valid.
struct Contents {
    int windowWidth = 640;
    int windowHeight = 423;
    QList<qint32> widths; // the values of the widths line, at most one per column
    int cols = 0;
    QString text;
    std::vector<QStringView> cells; // row by row, exactly `cols` per row

    qsizetype rowCount() const { return cols > 0 ? qsizetype(cells.size()) / cols : 0; }
    // Field x (from 1) of row y (from 1).
    QStringView field(qsizetype y, int x) const { return cells[size_t((y - 1) * cols + (x - 1))]; }
};

// Reads the document's bytes for a grid of `cols` columns. Every content is accepted (missing fields
// are empty, extra ones ignored, a size that is no number reads as 0 and is then clamped); only a
// document beyond kMaxRows is refused, with a reason.
bool parse(const QByteArray& bytes, int cols, Contents* out, QString* error = nullptr);

// Reads and parses a file; false with a reason when it cannot be read (missing, a folder, too large).
bool readFile(const QString& path, int cols, Contents* out, QString* error = nullptr);

// The bytes of the document for the grid and the window's content size.
QByteArray encode(const StyleGrid& grid, int windowWidth, int windowHeight);

// The looks a row read from a document gets from its marker texts.
struct RowStyles {
    StyleGridStylePtr mystyle;
    StyleGridStylePtr breakstyle;
    StyleGridStylePtr skipstyle;
};

// Replaces the grid's rows with the document's rows and sets the column widths it holds (clamped by
// the grid to each column's limits). Break rows get breakstyle on cells 1 and 2 and a span of ten
// over cell 2; skipped rows get skipstyle everywhere; every other cell from column 2 on gets mystyle.
// The caller locks drawing around it.
void fillGrid(StyleGrid& grid, const Contents& contents, const RowStyles& styles);

} // namespace DocumentFile
