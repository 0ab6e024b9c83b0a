#include "model/RundownDocument.h"

#include "files/EasyPrefs.h"
#include "output/PageNumbering.h"

#include <algorithm>
#include <iterator>

// The row operations of the window: add, delete, shift up and down, canned inserts, dragging a row,
// and the automatic page numbering they all end with. Each works on the current row `currenty`, which
// the selection handler keeps equal to the grid's selection.

namespace {
const QString kBreakLine = QStringLiteral("Break,,,,,");

// The five default insert lines of slots 0 to 4.
const QString kDefaultInters[5] = {
    QStringLiteral("Open,Open,,,,VTR,SOT,,:15"),
    QStringLiteral("Commercial,Commercial,,,,,,,2:05"),
    QStringLiteral("Disclaimer,Disclaimer,,,,VTR,SOT,,:30"),
    QStringLiteral("Tease,Tease,,,,,,,:30"),
    QStringLiteral("Bump,Bump,,,,,,,:05"),
};

// Tags of the Insert menu: 0 is the break, 2..12 the slots 0..10; 1 is never used.
constexpr int kFirstSlotTag = 2;
constexpr int kSlotCount = 11;

// The column a row operation selects in: the current column, or the Slug when none is known (a current
// column of 0 would select nothing and lose the current row).
int selectColumn(int currentx, int cols) {
    return (currentx >= 1 && currentx <= cols) ? currentx : RundownColumns::Slug;
}

// A pending Time edit (`timeedit`) is cleared by every recomputation, so a recomputation that starts
// below the edited row would drop it: start from the edited row when it lies higher. Rows above the
// first changed row keep their places, so its number still names it.
int startWithPending(int first, int timeedit) {
    return timeedit > 0 ? std::min(first, timeedit) : first;
}
} // namespace

// ---- Add and delete ------------------------------------------------------------------------------

void RundownDocument::myaddrow() {
    StyleGridDrawingLock lock(m_rundown);
    int r;
    if (currenty < 1) {
        m_rundown.AppendRow();
        r = m_rundown.Rows();
        m_rundown.Selection().Set(RundownColumns::Slug, r);
    } else {
        // A current row beyond the grid (it cannot normally happen) adds after the last row.
        r = std::min(currenty, m_rundown.Rows()) + 1;
        m_rundown.InsertRow(r);
        m_rundown.Selection().Set(selectColumn(currentx, m_rundown.Cols()), r);
    }
    m_rundown.setCellStyle(RundownColumns::TRT, r, m_globals.mystyle);
    m_rundown.setCellStyle(RundownColumns::Back, r, m_globals.mystyle);
    m_rundown.setCellStyle(RundownColumns::Marker, r, blackstyle);
    initrow(r);
    doautopage(1);
    // No recomputation: the new row has no time.
}

void RundownDocument::myadd() {
    myaddrow();
}

void RundownDocument::mydeleterow() {
    StyleGridDrawingLock lock(m_rundown);
    const int rows = m_rundown.Rows();
    if (rows < currenty)
        currenty = rows;
    if (rows < 2) {
        // Emptying the grid reports the vanished selection, so the current cell reads 0 and the next Add
        // creates row 1. The total must not keep showing the deleted row's time.
        m_rundown.setRows(0);
        additup(1);
    } else if (currenty < 1) {
        // No current row: the last row goes. Its time leaves the total and every back time above it.
        m_rundown.RemoveRow(rows);
        additup(startWithPending(rows, timeedit));
    } else {
        m_rundown.RemoveRow(currenty);
        if (m_rundown.Rows() < currenty)
            currenty = m_rundown.Rows();
        additup(startWithPending(currenty, timeedit));
        m_rundown.Selection().Set(selectColumn(currentx, m_rundown.Cols()), currenty);
    }
    doautopage(1);
}

// ---- Shift up and down ---------------------------------------------------------------------------

void RundownDocument::shiftup() {
    if (currenty <= 1 || currenty > m_rundown.Rows())
        return;
    StyleGridDrawingLock lock(m_rundown);
    const int r = currenty;
    const int start = startWithPending(r - 2, timeedit); // the row above the moved row's new place
    m_rundown.SwapRows(r, r - 1);
    doautopage(1);
    additup(start);
    m_rundown.Selection().Set(selectColumn(currentx, m_rundown.Cols()), r - 1);
}

void RundownDocument::shiftdown() {
    if (currenty < 1 || currenty >= m_rundown.Rows())
        return;
    StyleGridDrawingLock lock(m_rundown);
    const int r = currenty;
    const int start = startWithPending(r, timeedit); // the row swapped upward
    m_rundown.SwapRows(r, r + 1);
    doautopage(1);
    additup(start);
    m_rundown.Selection().Set(selectColumn(currentx, m_rundown.Cols()), r + 1);
}

// ---- Inserts -------------------------------------------------------------------------------------

void RundownDocument::myinsert(int kind) {
    if (currenty < 1 || currenty > m_rundown.Rows())
        return;
    // Tag 0 is the break; 2..12 name slots 0..10. Anything else names no slot and does nothing.
    if (kind != 0 && (kind < kFirstSlotTag || kind >= kFirstSlotTag + kSlotCount))
        return;
    const QString line = kind == 0 ? kBreakLine : m_globals.inter[size_t(kind - kFirstSlotTag)];
    const QStringList fields = line.split(u',');
    const int pending = timeedit;

    StyleGridDrawingLock lock(m_rundown);
    QString joined;
    for (int x = RundownColumns::PG; x <= RundownColumns::V; ++x)
        joined += m_rundown.cellTextView(x, currenty);
    const bool blank = joined.trimmed().isEmpty();
    if (!blank) {
        m_rundown.InsertRow(currenty + 1);
        ++currenty;
        m_rundown.Selection().Set(selectColumn(currentx, m_rundown.Cols()), currenty);
    }
    const int y = currenty;

    // Field 1 is the menu name; it reaches column 1 only for a break line. Fields 2..12 fill columns
    // 2..12, missing ones empty; fields beyond the last column are ignored.
    if (RowKinds::isBreakText(fields.value(0))) {
        m_rundown.setCellText(RundownColumns::PG, y, RowKinds::kBreak);
        m_rundown.setCellStyle(RundownColumns::PG, y, m_globals.mystyle);
    }
    for (int x = 2; x <= m_rundown.Cols(); ++x) {
        m_rundown.setCellText(x, y, fields.value(x - 1));
        m_rundown.setCellStyle(x, y, m_globals.mystyle);
    }
    if (kind == 0) {
        m_rundown.setCellStyle(RundownColumns::PG, y, m_globals.breakstyle);
        m_rundown.setCellStyle(RundownColumns::Slug, y, m_globals.breakstyle);
        m_rundown.setCellColSpan(RundownColumns::Slug, y, 10);
    }
    additup(startWithPending(y, pending));
    doautopage(1);
}

void RundownDocument::initinters() {
    for (size_t i = 0; i < std::size(kDefaultInters); ++i)
        m_globals.inter[i] = kDefaultInters[i];
}

void RundownDocument::buildinters() {
    QVector<InsertMenuItem> items{{RowKinds::kBreak, QStringLiteral("0")}};
    for (int i = 0; i < kSlotCount; ++i) {
        const QString name = m_globals.inter[size_t(i)].section(u',', 0, 0);
        if (!name.isEmpty())
            items.append({name, QString::number(i + kFirstSlotTag)});
    }
    m_insertMenu = items;
    Q_EMIT insertMenuChanged();
}

// ---- Dragging a row ------------------------------------------------------------------------------

void RundownDocument::DragRow(int from, int to) {
    const int rows = m_rundown.Rows();
    if (from < 1 || to < 1 || from > rows || to > rows)
        return;
    StyleGridDrawingLock lock(m_rundown);
    const int start = startWithPending(std::min(from, to), timeedit);
    m_rundown.MoveRow(from, to);
    // Unlike a bare reorder, a drop leaves the rundown as Shift Up and Shift Down do: numbered and timed.
    doautopage(1);
    additup(start);
    m_rundown.Selection().Set(RundownColumns::PG, to);
}

// ---- Page numbering ------------------------------------------------------------------------------

void RundownDocument::doautopage(int) {
    if (!autopage)
        return;
    StyleGridDrawingLock lock(m_rundown);
    PageNumbering::renumber(m_rundown);
}

void RundownDocument::switchautopage(bool on) {
    autopage = on;
    m_prefs.SetPrefBoolean(QStringLiteral("AutoPage"), on);
    Q_EMIT autopageChanged(on);
}

void RundownDocument::MenuAutoPage() {
    switchautopage(autoPageMenuText().compare(QStringLiteral("Turn Autopage Off"), Qt::CaseInsensitive) != 0);
}
