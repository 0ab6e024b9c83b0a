#include "files/DocumentFile.h"

#include "files/TextFile.h"
#include "model/RowKinds.h"
#include "timing/TimeText.h"

#include <algorithm>

namespace DocumentFile {

namespace {
// Splits at TAB into exactly `count` fields appended to out; missing fields are empty. Only the fields
// used are looked at, so a line of 10,000 values costs no more than one of twelve.
template <typename Out>
void fieldsOf(QStringView line, int count, Out& out) {
    qsizetype start = 0;
    for (int k = 0; k < count; ++k) {
        if (start > line.size()) {
            out.push_back(QStringView());
            continue;
        }
        qsizetype tab = line.indexOf(u'\t', start);
        if (tab < 0)
            tab = line.size();
        out.push_back(line.sliced(start, tab - start));
        start = tab + 1;
    }
}
} // namespace

bool parse(const QByteArray& bytes, int cols, Contents* out, QString* error) {
    cols = std::max(1, cols);
    Contents c;
    c.cols = cols;
    c.text = TextFile::decode(bytes);
    const QList<QStringView> lines = TextFile::lines(c.text);
    // Past the end a line reads as the empty text, as a stream at its end would give.
    auto line = [&lines](qsizetype k) { return k < lines.size() ? lines[k] : QStringView(); };

    // The row loop reads once before it tests for the end, so a document always has a row.
    const qsizetype rowCount = std::max<qsizetype>(1, lines.size() - 2);
    if (rowCount > kMaxRows) {
        if (error)
            *error = QStringLiteral("It has more than %1 rows, more than a rundown can hold.").arg(kMaxRows);
        return false;
    }

    std::vector<QStringView> fields;
    fieldsOf(line(0), 2, fields);
    c.windowWidth = std::clamp<int>(TimeText::leadingNumber(fields[0]), kMinWindowWidth, kMaxWindowSize);
    c.windowHeight = std::clamp<int>(TimeText::leadingNumber(fields[1]), kMinWindowHeight, kMaxWindowSize);

    // Every value present counts, an empty one as 0; values beyond the grid's columns are ignored.
    const QStringView widthLine = line(1);
    const int widthCount = int(std::min<qsizetype>(widthLine.count(u'\t') + 1, cols));
    fields.clear();
    fieldsOf(widthLine, widthCount, fields);
    c.widths.reserve(widthCount);
    for (QStringView w : fields)
        c.widths.append(TimeText::leadingNumber(w));

    c.cells.reserve(size_t(rowCount) * size_t(cols));
    for (qsizetype k = 0; k < rowCount; ++k)
        fieldsOf(line(k + 2), cols, c.cells);
    *out = std::move(c);
    return true;
}

bool readFile(const QString& path, int cols, Contents* out, QString* error) {
    QByteArray bytes;
    if (!TextFile::read(path, kMaxBytes, &bytes, error))
        return false;
    return parse(bytes, cols, out, error);
}

QByteArray encode(const StyleGrid& grid, int windowWidth, int windowHeight) {
    const int cols = grid.Cols();
    QString out;
    out.reserve(qsizetype(grid.Rows() + 2) * cols * 8);
    out += QString::number(windowWidth);
    out += u'\t';
    out += QString::number(windowHeight);
    out += u'\r';
    for (int x = 1; x <= cols; ++x) {
        if (x > 1)
            out += u'\t';
        out += QString::number(grid.ColumnWidth(x));
    }
    out += u'\r';
    for (int y = 1; y <= grid.Rows(); ++y) {
        for (int x = 1; x <= cols; ++x) {
            TextFile::appendOneLine(out, grid.cellTextView(x, y));
            out += u'\t';
        }
        out += u'\r';
    }
    return TextFile::encode(out);
}

void fillGrid(StyleGrid& grid, const Contents& contents, const RowStyles& styles) {
    const int cols = grid.Cols();
    const int marker = cols - 1;
    grid.setRows(0);
    for (int k = 0; k < std::min<int>(int(contents.widths.size()), cols); ++k)
        grid.setColumnWidth(k + 1, contents.widths[k]);
    const qsizetype rows = contents.rowCount();
    auto field = [&contents](qsizetype y, int x) { return x <= contents.cols ? contents.field(y, x) : QStringView(); };
    grid.reserveRows(int(rows));
    for (qsizetype k = 1; k <= rows; ++k) {
        grid.AppendRow();
        const int y = grid.Rows();
        const QStringView pg = field(k, 1);
        grid.setCellTextView(1, y, pg);
        const bool isBreak = RowKinds::isBreakText(pg);
        if (isBreak) {
            grid.setCellStyle(1, y, styles.breakstyle);
            grid.setCellStyle(2, y, styles.breakstyle);
            grid.setCellColSpan(2, y, 10);
        }
        for (int x = 2; x <= cols; ++x) {
            grid.setCellTextView(x, y, field(k, x));
            if (!(isBreak && x == 2))
                grid.setCellStyle(x, y, styles.mystyle);
        }
        if (marker >= 1 && RowKinds::isSkipText(field(k, marker)))
            for (int x = 1; x <= cols; ++x)
                grid.setCellStyle(x, y, styles.skipstyle);
    }
}

} // namespace DocumentFile
