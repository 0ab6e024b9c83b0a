#pragma once

#include "grid/GridText.h"
#include "grid/StyleGridStyle.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

class StyleGrid;

// Alignment numbers of columns and cells: 0 left, 1 centre, -1 right; a cell's 20 means "as its column".
namespace GridAlign {
constexpr int Left = 0;
constexpr int Center = 1;
constexpr int Right = -1;
constexpr int AsColumn = 20;
} // namespace GridAlign

// How one cell looks. Indents of -1 take the column's default cell.
struct StyleGridCellLook {
    StyleGridStylePtr style; // null: the column's default cell style, else the grid's default style
    qint16 leftIndent = -1;
    qint16 rightIndent = -1;
    qint16 topIndent = -1;
    qint16 colSpan = 1;
    qint8 alignment = GridAlign::AsColumn;
    bool borderLeft = false;
    bool borderRight = false;
    bool borderTop = false;
    bool borderBottom = false;
    quint8 borderWidth = 0;
};

// A cell with its text: a column's header and default cell.
struct StyleGridCell : StyleGridCellLook {
    QString text;
};

struct StyleGridColumn {
    StyleGridCell header;      // Header: its text is the column's heading
    StyleGridCell defaultCell; // DefaultCell: indents and style a cell takes when it has none of its own
    int width = 80;
    int minWidth = 0;
    int alignment = GridAlign::Left;
};

// A handle on one cell (Cell / WritableCell): reads and writes go through the grid, which notifies.
class StyleGridCellRef {
public:
    StyleGridCellRef(StyleGrid* grid, int x, int y) : m_grid(grid), m_x(x), m_y(y) {}
    QString Text() const;
    void setText(const QString& text);
    StyleGridStylePtr Style() const;
    void setStyle(StyleGridStylePtr style);
    int LeftIndent() const;
    int RightIndent() const;
    int TopIndent() const;
    void setLeftIndent(int v);
    void setRightIndent(int v);
    void setTopIndent(int v);
    int Alignment() const;
    void setAlignment(int a);

private:
    StyleGrid* m_grid;
    int m_x;
    int m_y;
};

// Single-cell selection. Set() delivers StyleGrid::selectionChanged before it returns.
class StyleGridSelection {
public:
    explicit StyleGridSelection(StyleGrid* grid) : m_grid(grid) {}
    int FirstSelectedRow() const { return m_row; }
    int FirstSelectedColumn() const { return m_column; }
    void Set(int column, int row);

private:
    friend class StyleGrid;
    StyleGrid* m_grid;
    int m_column = 0;
    int m_row = 0;
};

// The grid control's model: rows and columns from 1, every value a cell text, looks carried by shared
// styles. It is also the Qt table model a view shows (Qt rows and columns are 0-based: row y is Qt row y-1).
//
// LockDrawing(true) batches notifications: while locked, cell changes only widen a dirty range and
// structural changes turn into one model reset; the last LockDrawing(false) emits once.
class StyleGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kMaxColumnWidth = 32000;

    explicit StyleGrid(int cols = 12, QObject* parent = nullptr);
    ~StyleGrid() override;

    // Counts.
    int Cols() const { return m_cols; }
    int Rows() const { return int(m_rows.size()); }
    void setRows(int n); // only shrinking (0 empties) or growing with empty rows
    void reserveRows(int n); // room for n rows, so appending them does not move the rows again and again

    // Rows.
    void AppendRow(const QString& col1Text = QString());
    void InsertRow(int row, const QString& col1Text = QString());
    void RemoveRow(int row);
    void SwapRows(int a, int b);
    void MoveRow(int from, int to); // the rows between shift by one toward from

    // Cells. Out-of-range reads give empty values; out-of-range writes are ignored.
    QString CellText(int x, int y) const;
    QStringView cellTextView(int x, int y) const;
    void setCellText(int x, int y, const QString& text);
    void setCellTextView(int x, int y, QStringView text); // for short computed texts: no allocation
    StyleGridCellRef Cell(int x, int y) { return StyleGridCellRef(this, x, y); }
    StyleGridCellRef WritableCell(int x, int y) { return StyleGridCellRef(this, x, y); }
    const StyleGridCellLook* cellData(int x, int y) const; // null out of range
    StyleGridStylePtr cellStyle(int x, int y) const;   // the explicit style, may be null
    StyleGridStylePtr effectiveStyle(int x, int y) const; // never null
    void setCellStyle(int x, int y, StyleGridStylePtr style);
    void setCellIndents(int x, int y, int left, int right, int top); // -1 keeps a value
    int cellLeftIndent(int x, int y) const;
    int cellRightIndent(int x, int y) const;
    int cellTopIndent(int x, int y) const;
    int cellAlignment(int x, int y) const; // the cell's own code (20 = as its column)
    void setCellAlignment(int x, int y, int alignment);
    int effectiveAlignment(int x, int y) const;
    int CellColSpan(int x, int y) const;
    void setCellColSpan(int x, int y, int span);

    // Columns.
    StyleGridColumn& Column(int x);
    const StyleGridColumn& Column(int x) const;
    int ColumnWidth(int x) const;
    void setColumnWidth(int x, int width); // clamped to [minimum width, kMaxColumnWidth]
    void setColumnMinWidth(int x, int width);
    void setColumnAlignment(int x, int alignment);
    void setColumnHeader(int x, const QString& text);
    void CopyDefaultCell(int x) { (void)x; } // columns always own their default cell here

    // Rows' heights.
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int h) { m_defaultRowHeight = h; }
    int RowHeight(int y) const;
    void setRowHeight(int y, int h);
    int HeaderHeight() const { return m_headerHeight; } // the grid's measure number 0
    void setHeaderHeight(int h) { m_headerHeight = h; }

    // Selection.
    StyleGridSelection& Selection() { return m_selection; }
    const StyleGridSelection& Selection() const { return m_selection; }
    void MoveSelectionDown();

    // Drawing.
    void LockDrawing(bool lock);
    bool isDrawingLocked() const { return m_lockDepth > 0; }
    void Refresh();

    // Looks.
    const StyleGridStylePtr& GetDefaultStyle() const { return m_defaultStyle; }
    GridColor SelectionColor = gridRgb(255, 255, 0);
    GridColor GridLineColor = gridRgb(180, 180, 180);
    GridColor EvenBackColor = gridRgb(222, 222, 222);
    GridColor OddBackColor = gridRgb(222, 222, 222);
    GridColor CellEvenColor = gridRgb(255, 255, 255);
    GridColor CellOddColor = gridRgb(255, 255, 255);
    QString StartupMacFont;
    int FreezeCols = 2;

    // QAbstractTableModel.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    void selectionChanged();        // synchronous: delivered before Selection().Set returns
    void columnWidthsChanged();     // any column width changed
    void rowHeightsChanged(int first, int last);
    void spansChanged();            // a cell's column span changed
    void refreshRequested();

private:
    friend class StyleGridSelection;
    // Texts are kept column by column (the hot scans, timing and page numbering, read one or two
    // columns of every row); the looks row by row.
    struct Row {
        std::vector<StyleGridCellLook> cells;
        int height = 0; // 0: default height
    };
    bool inRange(int x, int y) const { return x >= 1 && x <= m_cols && y >= 1 && y <= Rows(); }
    StyleGridCellLook* mutableCell(int x, int y);
    void insertRowAt(int row, const QString& col1Text);
    void eraseRowAt(int row);
    void cellChanged(int x, int y);
    template <typename Text>
    void writeText(int x, int y, const Text& text);
    void rowsChanged(int first, int last);
    void beginStructureChange();
    void endStructureChange();
    void afterRowCountDrop();

    int m_cols;
    std::vector<Row> m_rows;
    std::vector<std::vector<GridText>> m_text; // m_text[x - 1][y - 1]
    std::vector<StyleGridColumn> m_columns;
    StyleGridStylePtr m_defaultStyle;
    StyleGridSelection m_selection;
    int m_defaultRowHeight = 22;
    int m_headerHeight = 22;

    int m_lockDepth = 0;
    bool m_resetPending = false;
    int m_dirtyTop = 0, m_dirtyBottom = -1, m_dirtyLeft = 0, m_dirtyRight = -1;
    int m_heightTop = 0, m_heightBottom = -1;
    bool m_widthsDirty = false;
    bool m_spansDirty = false;
};

// LockDrawing(true) for a scope: the lock nests, so every way out of the scope must unlock.
class StyleGridDrawingLock {
public:
    explicit StyleGridDrawingLock(StyleGrid& grid) : m_grid(grid) { m_grid.LockDrawing(true); }
    ~StyleGridDrawingLock() { m_grid.LockDrawing(false); }
    StyleGridDrawingLock(const StyleGridDrawingLock&) = delete;
    StyleGridDrawingLock& operator=(const StyleGridDrawingLock&) = delete;

private:
    StyleGrid& m_grid;
};
