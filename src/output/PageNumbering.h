#pragma once

#include <QStringView>

class StyleGrid;

// Automatic page numbers in the PG column (column 1). Break rows divide the rundown into blocks lettered
// A to P (bare numbers from the 17th block on); in a block, main pages take 1, 3, 5, ... and a follow-on
// page takes the even number just above the main page before it (0 when there is none yet).
namespace PageNumbering {

// Whether a PG text marks a main page: empty, or its last character is one of "1,3,5,7,9" (an odd digit
// or a comma). Anything else is a follow-on page.
bool isMainPage(QStringView pg);

// Renumbers column 1 of every row, passing over break rows. Only cells whose text changes are written,
// so an unchanged rundown costs no notification. Returns the number of cells rewritten.
int renumber(StyleGrid& grid);

} // namespace PageNumbering
