#include "timing/Timing.h"

#include "grid/StyleGrid.h"
#include "model/RowKinds.h"
#include "timing/TimeText.h"

#include <vector>

namespace Timing {

namespace {
const QString kInvalid = QStringLiteral("X:XX");

// The grid writes only when the text differs, so an unchanged rundown costs no notification.
void put(StyleGrid& grid, int x, int y, const QString& text) { grid.setCellText(x, y, text); }
void put(StyleGrid& grid, int x, int y, const ShortText& text) {
    grid.setCellTextView(x, y, text.view());
}
} // namespace

QString findstarttime(const StyleGrid& grid, int row, int sumcol) {
    for (int y = std::min(row - 1, grid.Rows()); y >= 1; --y) {
        const QStringView t = grid.cellTextView(sumcol, y);
        if (!t.isEmpty() && t.compare(kInvalid, Qt::CaseInsensitive) != 0)
            return t.toString();
    }
    return QStringLiteral("0:00");
}

QString additup(StyleGrid& grid, int first, int timecol, int sumcol, int backcol, qint64 showSeconds) {
    if (first < 1)
        first = 1;
    const int rows = grid.Rows();
    const int marker = grid.Cols() - 1;

    // Each row's time is read once, in the forward pass (rows above `first` only for the back times).
    // Kept between calls: a fresh large block each time makes malloc consolidate and trim its heap,
    // which costs more than the whole recomputation on a big rundown.
    static thread_local std::vector<TimeText::Reading> times;
    times.assign(size_t(rows) + 1, TimeText::Reading{});
    auto readRow = [&](int y) -> const TimeText::Reading& {
        TimeText::Reading& t = times[size_t(y)];
        if (!RowKinds::isSkipped(grid, y, marker))
            t = TimeText::read(grid.cellTextView(timecol, y));
        return t;
    };
    for (int y = 1; y < first && y <= rows; ++y)
        readRow(y);

    ShortText buf;
    qint64 running = TimeText::readDisplayed(findstarttime(grid, first, sumcol));
    for (int y = first; y <= rows; ++y) {
        const TimeText::Reading& t = readRow(y);
        switch (t.kind) {
        case TimeText::Kind::NoTime:
            put(grid, sumcol, y, QString());
            break;
        case TimeText::Kind::Invalid:
            put(grid, sumcol, y, kInvalid);
            break;
        case TimeText::Kind::Valid:
            running += t.seconds;
            buf.clear();
            TimeText::appendDisplay(buf, running);
            buf.append(u' ');
            put(grid, sumcol, y, buf);
            break;
        }
    }
    const QString total = TimeText::display(running);

    qint64 below = 0;
    for (int y = rows; y >= 1; --y) {
        const TimeText::Reading& t = times[size_t(y)];
        switch (t.kind) {
        case TimeText::Kind::NoTime:
            put(grid, backcol, y, QString());
            break;
        case TimeText::Kind::Invalid:
            put(grid, backcol, y, kInvalid);
            break;
        case TimeText::Kind::Valid:
            below += t.seconds;
            buf.clear();
            TimeText::appendBackTime(buf, showSeconds - below);
            put(grid, backcol, y, buf);
            break;
        }
    }
    return total;
}

QString overUnder(QStringView backText, int clockPosition) {
    if (backText.isEmpty())
        return QString();
    qint64 back = 0;
    if (backText.startsWith(u'-')) {
        back = -TimeText::read(backText.mid(1)).seconds;
    } else {
        back = TimeText::read(backText).seconds;
    }
    const qint64 d = back - clockPosition;
    if (d == 0)
        return QStringLiteral("EXACTLY ON TIME!!!!");
    const qint64 size = d > 0 ? d : -d;
    QString out = d > 0 ? QStringLiteral("LIGHT BY -") : QStringLiteral("HEAVY BY +");
    out += QString::number(size / 60) + u':' + QString::number(size % 60).rightJustified(2, u'0');
    return out;
}

} // namespace Timing
