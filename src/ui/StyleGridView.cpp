#include "ui/StyleGridView.h"

#include "grid/StyleGrid.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

QColor toQColor(GridColor c) { return QColor::fromRgba(c); }

quint64 spanKey(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }

// Draws one cell from the grid's own description of it: style colours and font, alignment, indents,
// the grid line on its right and bottom edge, and the grid's selection colour.
class StyleGridCellDelegate : public QStyledItemDelegate {
public:
    explicit StyleGridCellDelegate(StyleGridView* view) : QStyledItemDelegate(view), m_view(view) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const StyleGrid* grid = m_view->grid();
        if (!grid || !index.isValid())
            return;
        const int x = index.column() + 1;
        const int y = index.row() + 1;
        const StyleGridStylePtr style = grid->effectiveStyle(x, y);
        const QRect r = option.rect;

        const bool selected =
            grid->Selection().FirstSelectedColumn() == x && grid->Selection().FirstSelectedRow() == y;
        GridColor back;
        if (selected)
            back = grid->SelectionColor;
        else if (style->HasBackColor)
            back = style->BackColor;
        else
            back = (y % 2 == 0) ? grid->CellEvenColor : grid->CellOddColor;
        p->fillRect(r, toQColor(back));

        const QString text = grid->CellText(x, y);
        if (!text.isEmpty()) {
            p->save();
            p->setClipRect(r.adjusted(0, 0, -1, -1));
            const QFont font = m_view->fontFor(*style);
            const QFontMetrics metrics(font);
            p->setFont(font);
            p->setPen(toQColor(style->TextColor));
            const int left = grid->cellLeftIndent(x, y), right = grid->cellRightIndent(x, y);
            // One line sits in the middle of a row of the default height; taller rows hold wrapped
            // text, which starts at the cell's top indent.
            const int top = std::max(grid->cellTopIndent(x, y), (grid->DefaultRowHeight() - metrics.height()) / 2);
            QRect textRect = r.adjusted(left, top, -right, 0);
            // Narrow columns (the trackers) have less room than their indents: their letter is then
            // placed in the whole cell rather than squeezed out.
            if (textRect.width() < metrics.horizontalAdvance(text) && r.width() < left + right + metrics.height())
                textRect = QRect(r.left(), textRect.top(), r.width(), textRect.height());
            Qt::Alignment h = Qt::AlignLeft;
            switch (grid->effectiveAlignment(x, y)) {
            case GridAlign::Center:
                h = Qt::AlignHCenter;
                break;
            case GridAlign::Right:
                h = Qt::AlignRight;
                break;
            default:
                break;
            }
            p->drawText(textRect, int(h | Qt::AlignTop | Qt::TextWordWrap), text);
            p->restore();
        }

        p->setPen(toQColor(grid->GridLineColor));
        p->drawLine(r.topRight(), r.bottomRight());
        p->drawLine(r.bottomLeft(), r.bottomRight());
    }

private:
    StyleGridView* m_view;
};

// Column headings: the grid's header texts, centred, ruled in the grid line colour.
class StyleGridHeader : public QHeaderView {
public:
    explicit StyleGridHeader(StyleGridView* view) : QHeaderView(Qt::Horizontal, view), m_view(view) {}

protected:
    void paintSection(QPainter* p, const QRect& r, int logicalIndex) const override {
        const StyleGrid* grid = m_view->grid();
        p->save();
        p->fillRect(r, QColor(238, 238, 238));
        if (grid) {
            p->setPen(Qt::black);
            p->setFont(font());
            p->setClipRect(r);
            p->drawText(r, Qt::AlignCenter, grid->Column(logicalIndex + 1).header.text);
            p->setPen(toQColor(grid->GridLineColor));
        }
        p->drawLine(r.topRight(), r.bottomRight());
        p->drawLine(r.bottomLeft(), r.bottomRight());
        p->restore();
    }

private:
    StyleGridView* m_view;
};

} // namespace

StyleGridView::StyleGridView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new StyleGridHeader(this));
    setItemDelegate(new StyleGridCellDelegate(this));
    setShowGrid(false); // the delegate rules the cells in the grid's own line colour
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Column widths are the grid's; dragging a border is a later gesture layer's business.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    QFont f = font();
    f.setPixelSize(kBaseFontPixels);
    horizontalHeader()->setFont(f);
}

StyleGridView::~StyleGridView() = default;

void StyleGridView::setGrid(StyleGrid* grid) {
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_grid = grid;
    setModel(grid);
    clearSpans();
    m_spans.clear();
    m_shownSelection = QPoint();
    if (!grid)
        return;

    m_connections << connect(grid, &StyleGrid::columnWidthsChanged, this, &StyleGridView::syncColumnWidths)
                  << connect(grid, &StyleGrid::rowHeightsChanged, this, &StyleGridView::syncRowHeights)
                  << connect(grid, &StyleGrid::spansChanged, this, &StyleGridView::scheduleSpanSync)
                  << connect(grid, &StyleGrid::selectionChanged, this, &StyleGridView::reflectSelection)
                  << connect(grid, &StyleGrid::refreshRequested, viewport(), qOverload<>(&QWidget::update));
    // The view moves its spans along with inserted or removed rows and keeps them over a reset: after
    // any of these the spans are set again from the grid.
    auto forgetSpans = [this] {
        clearSpans();
        m_spans.clear();
        scheduleSpanSync();
    };
    // A reset also clears the view's current index: it follows the grid's selection again.
    m_connections << connect(grid, &QAbstractItemModel::modelReset, this, &StyleGridView::followSelection,
                             Qt::QueuedConnection);
    m_connections << connect(grid, &QAbstractItemModel::modelReset, this, forgetSpans)
                  << connect(grid, &QAbstractItemModel::rowsInserted, this, forgetSpans)
                  << connect(grid, &QAbstractItemModel::rowsRemoved, this, forgetSpans)
                  << connect(grid, &QAbstractItemModel::rowsMoved, this, forgetSpans)
                  << connect(grid, &QAbstractItemModel::layoutChanged, this, forgetSpans);
    syncAll();
}

void StyleGridView::syncAll() {
    verticalHeader()->setDefaultSectionSize(m_grid->DefaultRowHeight());
    horizontalHeader()->setFixedHeight(m_grid->HeaderHeight());
    syncColumnWidths();
    syncRowHeights(1, m_grid->Rows());
    m_spansDirty = true;
    syncSpans();
    reflectSelection();
}

void StyleGridView::syncColumnWidths() {
    if (!m_grid)
        return;
    for (int x = 1; x <= m_grid->Cols(); ++x)
        if (columnWidth(x - 1) != m_grid->ColumnWidth(x))
            setColumnWidth(x - 1, m_grid->ColumnWidth(x));
}

void StyleGridView::syncRowHeights(int first, int last) {
    if (!m_grid)
        return;
    verticalHeader()->setDefaultSectionSize(m_grid->DefaultRowHeight());
    first = std::max(1, first);
    last = std::min(last, m_grid->Rows());
    QHeaderView* header = verticalHeader();
    // With updates on, every resizeSection asks for the section's position, which recounts all the
    // positions above it: thousands of taller rows would cost seconds. Off, the view lays out once.
    const bool wasEnabled = header->updatesEnabled();
    header->setUpdatesEnabled(false);
    bool changed = false;
    for (int y = first; y <= last; ++y) {
        const int h = m_grid->RowHeight(y);
        if (header->sectionSize(y - 1) != h) {
            header->resizeSection(y - 1, h);
            changed = true;
        }
    }
    header->setUpdatesEnabled(wasEnabled);
    if (changed)
        viewport()->update();
}

void StyleGridView::scheduleSpanSync() {
    if (m_spansDirty)
        return;
    m_spansDirty = true;
    // Many span changes in one go cost one pass over the grid, made before the next paint.
    QMetaObject::invokeMethod(this, &StyleGridView::syncSpans, Qt::QueuedConnection);
}

void StyleGridView::syncSpans() {
    if (!m_spansDirty || !m_grid)
        return;
    m_spansDirty = false;
    QHash<quint64, int> wanted;
    const int rows = m_grid->Rows(), cols = m_grid->Cols();
    for (int y = 1; y <= rows; ++y)
        for (int x = 1; x < cols; ++x)
            if (const StyleGridCellLook* c = m_grid->cellData(x, y); c->colSpan > 1)
                wanted.insert(spanKey(y - 1, x - 1), c->colSpan);
    if (wanted == m_spans)
        return;
    for (auto it = m_spans.cbegin(); it != m_spans.cend(); ++it)
        if (!wanted.contains(it.key()))
            setSpan(int(it.key() >> 32), int(it.key() & 0xffffffffu), 1, 1);
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
        if (m_spans.value(it.key()) != it.value())
            setSpan(int(it.key() >> 32), int(it.key() & 0xffffffffu), 1, it.value());
    m_spans = std::move(wanted);
}

QFont StyleGridView::fontFor(const StyleGridStyle& style) const {
    const QString requested = style.FontName.isEmpty() ? (m_grid ? m_grid->StartupMacFont : QString()) : style.FontName;
    const QString key = requested.toLower();
    auto it = m_familyCache.constFind(key);
    if (it == m_familyCache.constEnd()) {
        // Font names compare without regard to case; a family that is not installed (a newsroom's
        // Mac font on Linux) falls back to the system's general sans.
        QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        const QStringList installed = QFontDatabase::families();
        for (const QString& f : installed)
            if (!requested.isEmpty() && f.compare(requested, Qt::CaseInsensitive) == 0) {
                family = f;
                break;
            }
        it = m_familyCache.insert(key, family);
    }
    QFont f(*it);
    f.setPixelSize(style.FontSize > 0 ? style.FontSize : kBaseFontPixels);
    f.setBold(style.FontBold);
    f.setItalic(style.FontItalic);
    f.setUnderline(style.FontUnderline);
    return f;
}

QPoint StyleGridView::cellAt(const QPoint& viewportPos) const {
    const QModelIndex i = indexAt(viewportPos);
    return i.isValid() ? QPoint(i.column() + 1, i.row() + 1) : QPoint();
}

QRect StyleGridView::cellRect(int x, int y) const {
    if (!m_grid || x < 1 || y < 1 || x > m_grid->Cols() || y > m_grid->Rows())
        return QRect();
    const_cast<StyleGridView*>(this)->syncSpans();
    return visualRect(m_grid->index(y - 1, x - 1));
}

void StyleGridView::selectCell(int x, int y) {
    if (m_grid)
        m_grid->Selection().Set(x, y);
}

void StyleGridView::reflectSelection() {
    if (!m_grid)
        return;
    const QPoint sel(m_grid->Selection().FirstSelectedColumn(), m_grid->Selection().FirstSelectedRow());
    if (sel != m_shownSelection) {
        const QPoint old = m_shownSelection;
        m_shownSelection = sel;
        if (m_grid->isDrawingLocked()) {
            // Rows may be half changed under a pending reset: no positions can be asked for now.
            viewport()->update();
        } else {
            if (!old.isNull())
                viewport()->update(cellRect(old.x(), old.y()));
            if (!sel.isNull())
                viewport()->update(cellRect(sel.x(), sel.y()));
        }
    }
    if (m_grid->isDrawingLocked())
        QMetaObject::invokeMethod(this, &StyleGridView::followSelection, Qt::QueuedConnection);
    else
        followSelection();
}

void StyleGridView::followSelection() {
    if (!m_grid || m_grid->isDrawingLocked())
        return;
    // The view's own current index follows the grid's selection, for keyboard focus and scrolling;
    // what shows as selected is painted from the grid.
    const int x = m_grid->Selection().FirstSelectedColumn(), y = m_grid->Selection().FirstSelectedRow();
    if (x >= 1 && y >= 1 && x <= m_grid->Cols() && y <= m_grid->Rows()) {
        const QModelIndex i = m_grid->index(y - 1, x - 1);
        if (currentIndex() != i)
            selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        scrollTo(i);
    } else if (selectionModel()->hasSelection() || currentIndex().isValid()) {
        selectionModel()->clear();
    }
}

void StyleGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint cell = cellAt(event->position().toPoint());
    if (!cell.isNull())
        selectCell(cell.x(), cell.y());
    event->accept();
}

// A second click in quick succession is one more click: clicking a tracker twice steps it twice.
void StyleGridView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// Dragging selects nothing: the selection is a single cell.
void StyleGridView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void StyleGridView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void StyleGridView::keyPressEvent(QKeyEvent* event) {
    if (!m_grid || m_grid->Rows() == 0) {
        event->ignore();
        return;
    }
    const int rows = m_grid->Rows(), cols = m_grid->Cols();
    int x = m_grid->Selection().FirstSelectedColumn();
    int y = m_grid->Selection().FirstSelectedRow();
    const bool none = x < 1 || y < 1;
    if (none) {
        x = 1;
        y = 1;
    }
    // The first cell of row y that covers column x (a break row's bar covers columns 2 to 11).
    auto owner = [this](int col, int row) {
        for (int c = 1; c < col; ++c)
            if (c + m_grid->CellColSpan(c, row) > col)
                return c;
        return col;
    };
    const int page = std::max(1, viewport()->height() / std::max(1, m_grid->DefaultRowHeight()) - 1);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        y = none ? 1 : std::max(1, y - 1);
        break;
    case Qt::Key_Down:
        y = none ? 1 : std::min(rows, y + 1);
        break;
    case Qt::Key_Left:
        x = none ? 1 : std::max(1, owner(x, y) - 1);
        break;
    case Qt::Key_Right:
        if (!none && x + m_grid->CellColSpan(x, y) <= cols)
            x += m_grid->CellColSpan(x, y);
        break;
    case Qt::Key_PageUp:
        y = std::max(1, y - page);
        break;
    case Qt::Key_PageDown:
        y = std::min(rows, y + page);
        break;
    case Qt::Key_Home:
        if (ctrl)
            y = 1;
        else
            x = 1;
        break;
    case Qt::Key_End:
        if (ctrl)
            y = rows;
        else
            x = cols;
        break;
    default:
        // Return, Tab, Escape and text belong to the window and its editors.
        event->ignore();
        return;
    }
    selectCell(owner(x, y), y);
    event->accept();
}

void StyleGridView::paintEvent(QPaintEvent* event) {
    syncSpans();
    QTableView::paintEvent(event);
}
