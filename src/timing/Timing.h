#pragma once

#include <QString>
#include <QStringView>

class StyleGrid;

// The timing engine on a grid: running totals (TRT), back times and the show's total.
namespace Timing {

// The TRT text a partial recomputation from `row` starts from: the first TRT cell above `row` that is
// neither empty nor "X:XX", else "0:00".
QString findstarttime(const StyleGrid& grid, int row, int sumcol);

// Rewrites the TRT cells from `first` (below 1 means 1) and the Back cells of every row; returns the
// total text. The marker column is Cols - 1. Does not lock drawing: the caller does.
QString additup(StyleGrid& grid, int first, int timecol, int sumcol, int backcol, qint64 showSeconds);

// The verdict of Time Me for a Back text and the clock's position past the hour (0..3599);
// an empty Back text gives an empty verdict.
QString overUnder(QStringView backText, int clockPosition);

} // namespace Timing
