#pragma once

#include "grid/StyleGrid.h"

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QTableView>

// Shows a StyleGrid (itself the table model) and forwards gestures to it. The grid is the one place
// of truth: cell looks come from its styles, spans, widths and row heights are mirrored from it, and
// the selection shown is the grid's own. Clicks and arrow keys become grid.Selection().Set(x, y);
// the view never edits a text.
class StyleGridView : public QTableView {
    Q_OBJECT
public:
    // Cell font sizes are in pixels, as the grid's styles give them (0: this base size).
    static constexpr int kBaseFontPixels = 12;

    explicit StyleGridView(QWidget* parent = nullptr);
    ~StyleGridView() override;

    // Shows `grid` (not owned; it must outlive the view or be detached with setGrid(nullptr)).
    void setGrid(StyleGrid* grid);
    StyleGrid* grid() const { return m_grid; }

    // The font a cell of this style is drawn with: the style's name, else the grid's StartupMacFont,
    // falling back to the default sans when the family is not installed.
    QFont fontFor(const StyleGridStyle& style) const;

    // The cell (1-based column and row) under a viewport position, or (0, 0) outside the rows.
    QPoint cellAt(const QPoint& viewportPos) const;
    // The viewport rectangle of cell (x, y), its span included.
    QRect cellRect(int x, int y) const;

    // Applies pending span changes now (they are otherwise applied once, just before the next paint).
    void syncSpans();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void syncColumnWidths();
    void syncRowHeights(int first, int last);
    void syncAll();
    void scheduleSpanSync();
    void reflectSelection();
    void followSelection();
    void selectCell(int x, int y);

    QPointer<StyleGrid> m_grid;
    QList<QMetaObject::Connection> m_connections;
    QPoint m_shownSelection; // the grid cell last painted as selected (1-based), (0, 0) for none
    bool m_spansDirty = false;
    // Spans set on the view, as (Qt row, Qt column) → column count, so a resync touches only changes.
    QHash<quint64, int> m_spans;
    mutable QHash<QString, QString> m_familyCache; // requested family (lower case) → installed family
};
