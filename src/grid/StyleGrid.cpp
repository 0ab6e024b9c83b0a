#include "grid/StyleGrid.h"

#include <algorithm>

// ---- StyleGridCellRef ----------------------------------------------------------------------------

QString StyleGridCellRef::Text() const { return m_grid->CellText(m_x, m_y); }
void StyleGridCellRef::setText(const QString& text) { m_grid->setCellText(m_x, m_y, text); }
StyleGridStylePtr StyleGridCellRef::Style() const { return m_grid->effectiveStyle(m_x, m_y); }
void StyleGridCellRef::setStyle(StyleGridStylePtr style) { m_grid->setCellStyle(m_x, m_y, std::move(style)); }
int StyleGridCellRef::LeftIndent() const { return m_grid->cellLeftIndent(m_x, m_y); }
int StyleGridCellRef::RightIndent() const { return m_grid->cellRightIndent(m_x, m_y); }
int StyleGridCellRef::TopIndent() const { return m_grid->cellTopIndent(m_x, m_y); }
void StyleGridCellRef::setLeftIndent(int v) { m_grid->setCellIndents(m_x, m_y, v, -1, -1); }
void StyleGridCellRef::setRightIndent(int v) { m_grid->setCellIndents(m_x, m_y, -1, v, -1); }
void StyleGridCellRef::setTopIndent(int v) { m_grid->setCellIndents(m_x, m_y, -1, -1, v); }
int StyleGridCellRef::Alignment() const { return m_grid->cellAlignment(m_x, m_y); }
void StyleGridCellRef::setAlignment(int a) { m_grid->setCellAlignment(m_x, m_y, a); }

// ---- StyleGridSelection --------------------------------------------------------------------------

void StyleGridSelection::Set(int column, int row) {
    // A request outside the grid selects nothing.
    if (column < 1 || row < 1 || column > m_grid->Cols() || row > m_grid->Rows()) {
        column = 0;
        row = 0;
    }
    m_column = column;
    m_row = row;
    Q_EMIT m_grid->selectionChanged();
}

// ---- StyleGrid -----------------------------------------------------------------------------------

StyleGrid::StyleGrid(int cols, QObject* parent)
    : QAbstractTableModel(parent), m_cols(std::max(1, cols)), m_text(size_t(m_cols)), m_columns(size_t(m_cols)),
      m_defaultStyle(std::make_shared<StyleGridStyle>()), m_selection(this) {}

StyleGrid::~StyleGrid() = default;

void StyleGrid::insertRowAt(int row, const QString& col1Text) {
    Row r;
    r.cells.resize(size_t(m_cols));
    m_rows.insert(m_rows.begin() + (row - 1), std::move(r));
    for (auto& column : m_text)
        column.insert(column.begin() + (row - 1), GridText());
    m_text[0][size_t(row - 1)].assign(col1Text);
}

void StyleGrid::eraseRowAt(int row) {
    m_rows.erase(m_rows.begin() + (row - 1));
    for (auto& column : m_text)
        column.erase(column.begin() + (row - 1));
}

void StyleGrid::beginStructureChange() {
    if (m_lockDepth > 0) {
        if (!m_resetPending) {
            beginResetModel();
            m_resetPending = true;
        }
        return;
    }
    beginResetModel();
}

void StyleGrid::endStructureChange() {
    if (m_lockDepth > 0)
        return;
    endResetModel();
    Q_EMIT spansChanged();
    Q_EMIT rowHeightsChanged(1, Rows());
}

void StyleGrid::afterRowCountDrop() {
    if (Rows() == 0) {
        // The selection vanished with the last row: report it, so the current cell reads 0.
        m_selection.Set(0, 0);
    } else if (m_selection.m_row > Rows()) {
        m_selection.m_row = Rows();
    }
}

void StyleGrid::setRows(int n) {
    n = std::max(0, n);
    if (n == Rows())
        return;
    const bool shrinking = n < Rows();
    if (m_lockDepth == 0 && !shrinking) {
        beginInsertRows(QModelIndex(), Rows(), n - 1);
        while (Rows() < n)
            insertRowAt(Rows() + 1, QString());
        endInsertRows();
        return;
    }
    beginStructureChange();
    if (shrinking) {
        m_rows.resize(size_t(n));
        for (auto& column : m_text)
            column.resize(size_t(n));
    } else {
        while (Rows() < n)
            insertRowAt(Rows() + 1, QString());
    }
    endStructureChange();
    if (shrinking)
        afterRowCountDrop();
}

void StyleGrid::reserveRows(int n) {
    if (n <= Rows())
        return;
    m_rows.reserve(size_t(n));
    for (auto& column : m_text)
        column.reserve(size_t(n));
}

void StyleGrid::AppendRow(const QString& col1Text) { InsertRow(Rows() + 1, col1Text); }

void StyleGrid::InsertRow(int row, const QString& col1Text) {
    row = std::clamp(row, 1, Rows() + 1);
    if (m_lockDepth > 0) {
        beginStructureChange();
        insertRowAt(row, col1Text);
        return;
    }
    beginInsertRows(QModelIndex(), row - 1, row - 1);
    insertRowAt(row, col1Text);
    endInsertRows();
    Q_EMIT rowHeightsChanged(row, Rows());
    Q_EMIT spansChanged();
}

void StyleGrid::RemoveRow(int row) {
    if (row < 1 || row > Rows())
        return;
    if (m_lockDepth > 0) {
        beginStructureChange();
        eraseRowAt(row);
    } else {
        beginRemoveRows(QModelIndex(), row - 1, row - 1);
        eraseRowAt(row);
        endRemoveRows();
        Q_EMIT rowHeightsChanged(row, Rows());
        Q_EMIT spansChanged();
    }
    afterRowCountDrop();
}

void StyleGrid::SwapRows(int a, int b) {
    if (a < 1 || b < 1 || a > Rows() || b > Rows() || a == b)
        return;
    std::swap(m_rows[size_t(a - 1)], m_rows[size_t(b - 1)]);
    for (auto& column : m_text)
        column[size_t(a - 1)].swap(column[size_t(b - 1)]);
    rowsChanged(std::min(a, b), std::max(a, b));
}

void StyleGrid::MoveRow(int from, int to) {
    if (from < 1 || to < 1 || from > Rows() || to > Rows() || from == to)
        return;
    auto move = [from, to](auto& items) {
        auto first = items.begin();
        if (from < to)
            std::rotate(first + (from - 1), first + from, first + to);
        else
            std::rotate(first + (to - 1), first + (from - 1), first + from);
    };
    move(m_rows);
    for (auto& column : m_text)
        move(column);
    rowsChanged(std::min(from, to), std::max(from, to));
}

void StyleGrid::rowsChanged(int first, int last) {
    if (m_lockDepth > 0) {
        if (m_resetPending)
            return;
        if (m_dirtyBottom < m_dirtyTop) {
            m_dirtyTop = first;
            m_dirtyBottom = last;
        } else {
            m_dirtyTop = std::min(m_dirtyTop, first);
            m_dirtyBottom = std::max(m_dirtyBottom, last);
        }
        m_dirtyLeft = 1;
        m_dirtyRight = m_cols;
        m_heightTop = m_heightBottom < m_heightTop ? first : std::min(m_heightTop, first);
        m_heightBottom = std::max(m_heightBottom, last);
        m_spansDirty = true;
        return;
    }
    Q_EMIT dataChanged(index(first - 1, 0), index(last - 1, m_cols - 1));
    Q_EMIT rowHeightsChanged(first, last);
    Q_EMIT spansChanged();
}

StyleGridCellLook* StyleGrid::mutableCell(int x, int y) {
    if (!inRange(x, y))
        return nullptr;
    return &m_rows[size_t(y - 1)].cells[size_t(x - 1)];
}

const StyleGridCellLook* StyleGrid::cellData(int x, int y) const {
    if (!inRange(x, y))
        return nullptr;
    return &m_rows[size_t(y - 1)].cells[size_t(x - 1)];
}

void StyleGrid::cellChanged(int x, int y) {
    if (m_lockDepth > 0) {
        if (m_resetPending)
            return;
        if (m_dirtyBottom < m_dirtyTop) {
            m_dirtyTop = m_dirtyBottom = y;
            m_dirtyLeft = m_dirtyRight = x;
        } else {
            m_dirtyTop = std::min(m_dirtyTop, y);
            m_dirtyBottom = std::max(m_dirtyBottom, y);
            m_dirtyLeft = std::min(m_dirtyLeft, x);
            m_dirtyRight = std::max(m_dirtyRight, x);
        }
        return;
    }
    const QModelIndex i = index(y - 1, x - 1);
    Q_EMIT dataChanged(i, i);
}

QString StyleGrid::CellText(int x, int y) const {
    return inRange(x, y) ? m_text[size_t(x - 1)][size_t(y - 1)].toString() : QString();
}

QStringView StyleGrid::cellTextView(int x, int y) const {
    return inRange(x, y) ? m_text[size_t(x - 1)][size_t(y - 1)].view() : QStringView();
}

template <typename Text>
void StyleGrid::writeText(int x, int y, const Text& text) {
    if (!inRange(x, y))
        return;
    GridText& t = m_text[size_t(x - 1)][size_t(y - 1)];
    if (t.view() == text)
        return;
    t.assign(text);
    cellChanged(x, y);
}

void StyleGrid::setCellText(int x, int y, const QString& text) { writeText(x, y, text); }
void StyleGrid::setCellTextView(int x, int y, QStringView text) { writeText(x, y, text); }

StyleGridStylePtr StyleGrid::cellStyle(int x, int y) const {
    const StyleGridCellLook* c = cellData(x, y);
    return c ? c->style : nullptr;
}

StyleGridStylePtr StyleGrid::effectiveStyle(int x, int y) const {
    if (const StyleGridCellLook* c = cellData(x, y); c && c->style)
        return c->style;
    if (x >= 1 && x <= m_cols && m_columns[size_t(x - 1)].defaultCell.style)
        return m_columns[size_t(x - 1)].defaultCell.style;
    return m_defaultStyle;
}

void StyleGrid::setCellStyle(int x, int y, StyleGridStylePtr style) {
    StyleGridCellLook* c = mutableCell(x, y);
    if (!c || c->style == style)
        return;
    c->style = std::move(style);
    cellChanged(x, y);
}

void StyleGrid::setCellIndents(int x, int y, int left, int right, int top) {
    StyleGridCellLook* c = mutableCell(x, y);
    if (!c)
        return;
    if (left >= 0)
        c->leftIndent = qint16(std::min(left, 32767));
    if (right >= 0)
        c->rightIndent = qint16(std::min(right, 32767));
    if (top >= 0)
        c->topIndent = qint16(std::min(top, 32767));
    cellChanged(x, y);
}

int StyleGrid::cellLeftIndent(int x, int y) const {
    const StyleGridCellLook* c = cellData(x, y);
    if (c && c->leftIndent >= 0)
        return c->leftIndent;
    return (x >= 1 && x <= m_cols) ? std::max<int>(0, m_columns[size_t(x - 1)].defaultCell.leftIndent) : 0;
}

int StyleGrid::cellRightIndent(int x, int y) const {
    const StyleGridCellLook* c = cellData(x, y);
    if (c && c->rightIndent >= 0)
        return c->rightIndent;
    return (x >= 1 && x <= m_cols) ? std::max<int>(0, m_columns[size_t(x - 1)].defaultCell.rightIndent) : 0;
}

int StyleGrid::cellTopIndent(int x, int y) const {
    const StyleGridCellLook* c = cellData(x, y);
    if (c && c->topIndent >= 0)
        return c->topIndent;
    return (x >= 1 && x <= m_cols) ? std::max<int>(0, m_columns[size_t(x - 1)].defaultCell.topIndent) : 0;
}

int StyleGrid::cellAlignment(int x, int y) const {
    const StyleGridCellLook* c = cellData(x, y);
    return c ? c->alignment : GridAlign::AsColumn;
}

void StyleGrid::setCellAlignment(int x, int y, int alignment) {
    StyleGridCellLook* c = mutableCell(x, y);
    if (!c || c->alignment == alignment)
        return;
    c->alignment = qint8(alignment);
    cellChanged(x, y);
}

int StyleGrid::effectiveAlignment(int x, int y) const {
    const int a = cellAlignment(x, y);
    if (a != GridAlign::AsColumn)
        return a;
    return (x >= 1 && x <= m_cols) ? m_columns[size_t(x - 1)].alignment : GridAlign::Left;
}

int StyleGrid::CellColSpan(int x, int y) const {
    const StyleGridCellLook* c = cellData(x, y);
    return c ? c->colSpan : 1;
}

void StyleGrid::setCellColSpan(int x, int y, int span) {
    StyleGridCellLook* c = mutableCell(x, y);
    if (!c)
        return;
    span = std::clamp(span, 1, m_cols - x + 1);
    if (c->colSpan == span)
        return;
    c->colSpan = qint16(span);
    cellChanged(x, y);
    if (m_lockDepth > 0)
        m_spansDirty = true;
    else
        Q_EMIT spansChanged();
}

StyleGridColumn& StyleGrid::Column(int x) { return m_columns[size_t(std::clamp(x, 1, m_cols) - 1)]; }
const StyleGridColumn& StyleGrid::Column(int x) const { return m_columns[size_t(std::clamp(x, 1, m_cols) - 1)]; }

int StyleGrid::ColumnWidth(int x) const { return (x >= 1 && x <= m_cols) ? m_columns[size_t(x - 1)].width : 0; }

void StyleGrid::setColumnWidth(int x, int width) {
    if (x < 1 || x > m_cols)
        return;
    StyleGridColumn& c = m_columns[size_t(x - 1)];
    width = std::clamp(width, std::max(0, c.minWidth), kMaxColumnWidth);
    if (c.width == width)
        return;
    c.width = width;
    if (m_lockDepth > 0)
        m_widthsDirty = true;
    else
        Q_EMIT columnWidthsChanged();
}

void StyleGrid::setColumnMinWidth(int x, int width) {
    if (x < 1 || x > m_cols)
        return;
    m_columns[size_t(x - 1)].minWidth = std::clamp(width, 0, kMaxColumnWidth);
}

void StyleGrid::setColumnAlignment(int x, int alignment) {
    if (x < 1 || x > m_cols)
        return;
    m_columns[size_t(x - 1)].alignment = alignment;
    if (Rows() > 0)
        rowsChanged(1, Rows());
}

void StyleGrid::setColumnHeader(int x, const QString& text) {
    if (x < 1 || x > m_cols)
        return;
    m_columns[size_t(x - 1)].header.text = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, x - 1, x - 1);
}

int StyleGrid::RowHeight(int y) const {
    if (y < 1 || y > Rows())
        return m_defaultRowHeight;
    const int h = m_rows[size_t(y - 1)].height;
    return h > 0 ? h : m_defaultRowHeight;
}

void StyleGrid::setRowHeight(int y, int h) {
    if (y < 1 || y > Rows())
        return;
    h = std::clamp(h, 1, kMaxColumnWidth);
    Row& r = m_rows[size_t(y - 1)];
    if (r.height == h)
        return;
    r.height = h;
    if (m_lockDepth > 0) {
        m_heightTop = m_heightBottom < m_heightTop ? y : std::min(m_heightTop, y);
        m_heightBottom = std::max(m_heightBottom, y);
        return;
    }
    Q_EMIT rowHeightsChanged(y, y);
}

void StyleGrid::MoveSelectionDown() {
    const int row = m_selection.FirstSelectedRow();
    if (row < 1 || row >= Rows())
        return; // nothing selected, or already on the last row
    m_selection.Set(std::max(1, m_selection.FirstSelectedColumn()), row + 1);
}

void StyleGrid::LockDrawing(bool lock) {
    if (lock) {
        ++m_lockDepth;
        return;
    }
    if (m_lockDepth == 0 || --m_lockDepth > 0)
        return;
    const bool hadReset = m_resetPending;
    if (m_resetPending) {
        m_resetPending = false;
        endResetModel();
    } else if (m_dirtyBottom >= m_dirtyTop) {
        const int top = std::min(m_dirtyTop, Rows()), bottom = std::min(m_dirtyBottom, Rows());
        if (top >= 1 && bottom >= top)
            Q_EMIT dataChanged(index(top - 1, m_dirtyLeft - 1), index(bottom - 1, m_dirtyRight - 1));
    }
    m_dirtyTop = 0;
    m_dirtyBottom = -1;
    if (hadReset || m_heightBottom >= m_heightTop)
        Q_EMIT rowHeightsChanged(hadReset ? 1 : m_heightTop, hadReset ? Rows() : std::min(m_heightBottom, Rows()));
    m_heightTop = 0;
    m_heightBottom = -1;
    if (hadReset || m_spansDirty)
        Q_EMIT spansChanged();
    m_spansDirty = false;
    if (m_widthsDirty)
        Q_EMIT columnWidthsChanged();
    m_widthsDirty = false;
}

void StyleGrid::Refresh() { Q_EMIT refreshRequested(); }

int StyleGrid::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Rows(); }
int StyleGrid::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_cols; }

QVariant StyleGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return CellText(index.column() + 1, index.row() + 1);
}

QVariant StyleGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_cols)
        return QVariant();
    return m_columns[size_t(section)].header.text;
}

Qt::ItemFlags StyleGrid::flags(const QModelIndex& index) const {
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}
