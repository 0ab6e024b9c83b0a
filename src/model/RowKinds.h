#pragma once

#include "grid/StyleGrid.h"

// The rundown's vocabulary on the grid: column numbers, marker texts and row kinds. Every comparison
// with a fixed text ignores letter case.
namespace RundownColumns {
constexpr int PG = 1;
constexpr int Slug = 2;
constexpr int S = 3;
constexpr int V = 4;
constexpr int Writer = 5;
constexpr int Video = 6;
constexpr int Audio = 7;
constexpr int Graphics = 8;
constexpr int Time = 9;
constexpr int TRT = 10;
constexpr int Marker = 11;
constexpr int Back = 12;
constexpr int Count = 12;
} // namespace RundownColumns

namespace RowKinds {

inline const QString kBreak = QStringLiteral("Break");
inline const QString kSkip = QStringLiteral("*SKIP");

enum class Kind { Item, Break, Skipped };

inline bool isBreakText(QStringView pg) { return pg.compare(kBreak, Qt::CaseInsensitive) == 0; }
inline bool isSkipText(QStringView marker) { return marker.compare(kSkip, Qt::CaseInsensitive) == 0; }

inline bool isBreak(const StyleGrid& grid, int y) { return isBreakText(grid.cellTextView(1, y)); }
// The marker column is the one before the last.
inline bool isSkipped(const StyleGrid& grid, int y, int markerCol) {
    return isSkipText(grid.cellTextView(markerCol, y));
}
inline bool isSkipped(const StyleGrid& grid, int y) { return isSkipped(grid, y, grid.Cols() - 1); }

// A break row is tested before the skip marker.
inline Kind kind(const StyleGrid& grid, int y) {
    if (isBreak(grid, y))
        return Kind::Break;
    if (isSkipped(grid, y))
        return Kind::Skipped;
    return Kind::Item;
}

} // namespace RowKinds
