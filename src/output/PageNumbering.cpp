#include "output/PageNumbering.h"

#include "grid/StyleGrid.h"
#include "model/RowKinds.h"

#include <algorithm>

namespace PageNumbering {

namespace {
constexpr int kLetteredBlocks = 16; // "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P"

// A PG text as it is composed: the block letter (if any) and the decimal digits, on the stack, so that the
// common case (the cell already holds it) costs no allocation. The numbering runs after every row
// operation, over every row.
struct PageText {
    char16_t chars[24];
    qsizetype size = 0;

    void set(char16_t letter, quint64 number) {
        char16_t digits[20];
        int count = 0;
        do {
            digits[count++] = char16_t(u'0' + number % 10);
            number /= 10;
        } while (number != 0);
        size = 0;
        if (letter != 0)
            chars[size++] = letter;
        while (count > 0)
            chars[size++] = digits[--count];
    }
    QStringView view() const { return QStringView(chars, size); }
};
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
    PageText text;
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
        text.set(block <= kLetteredBlocks ? char16_t(u'A' + block - 1) : char16_t(0), number);
        if (pg != text.view()) {
            grid.setCellText(RundownColumns::PG, y, text.view().toString());
            ++written;
        }
    }
    return written;
}

} // namespace PageNumbering
