#include "output/PageNumbering.h"

#include "grid/StyleGrid.h"
#include "model/RowKinds.h"

#include <algorithm>

namespace PageNumbering {

namespace {
constexpr int kLetteredBlocks = 16; // "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P"
} // namespace

bool isMainPage(QStringView pg) {
    if (pg.isEmpty())
        return true;
    // The marks "1,3,5,7,9": the odd digits and the comma.
    switch (pg.back().unicode()) {
    case u'1':
    case u'3':
    case u'5':
    case u'7':
    case u'9':
    case u',':
        return true;
    default:
        return false;
    }
}

int renumber(StyleGrid& grid) {
    const int rows = grid.Rows();
    int written = 0;
    int block = 1;
    quint64 c = 2; // 64 bits: two per main page never overflows, whatever the row count
    ShortText text; // composed on the stack: the common case (the cell already holds it) allocates nothing
    for (int y = 1; y <= rows; ++y) {
        const QStringView pg = grid.cellTextView(RundownColumns::PG, y);
        // The length first: most PG texts are not five characters long.
        if (pg.size() == RowKinds::kBreak.size() && RowKinds::isBreakText(pg)) {
            block = std::min(block + 1, kLetteredBlocks + 1); // past P every block is bare numbers
            c = 2;
            continue;
        }
        // The row's kind comes from the text it holds before this visit writes it.
        quint64 number;
        if (isMainPage(pg)) {
            number = c - 1;
            c += 2;
        } else {
            number = c - 2;
        }
        text.clear();
        if (block <= kLetteredBlocks)
            text.append(char16_t(u'A' + block - 1));
        text.appendNumber(number);
        if (pg != text.view()) {
            grid.setCellTextView(RundownColumns::PG, y, text.view());
            ++written;
        }
    }
    return written;
}

} // namespace PageNumbering
