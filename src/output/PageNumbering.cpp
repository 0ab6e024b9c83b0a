#include "output/PageNumbering.h"

#include "grid/StyleGrid.h"
#include "model/RowKinds.h"

#include <algorithm>

namespace PageNumbering {

namespace {
constexpr int kLetteredBlocks = 16; // "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P"
const QString kMainPageMarks = QStringLiteral("1,3,5,7,9");

// Decimal digits without leading zeros, appended without a temporary string (the numbering runs after
// every row operation, over every row).
void appendNumber(QString& out, quint64 v) {
    char16_t digits[20];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (count > 0)
        out.append(QChar(digits[--count]));
}
} // namespace

bool isMainPage(QStringView pg) { return pg.isEmpty() || kMainPageMarks.contains(pg.back()); }

QString blockLetter(int block) {
    if (block < 1 || block > kLetteredBlocks)
        return QString();
    return QString(QChar(u'A' + (block - 1)));
}

int renumber(StyleGrid& grid) {
    const int rows = grid.Rows();
    int written = 0;
    int block = 1;
    quint64 c = 2; // 64 bits: two per main page never overflows, whatever the row count
    QString letter = blockLetter(block);
    QString buf;
    buf.reserve(24);
    for (int y = 1; y <= rows; ++y) {
        const QStringView pg = grid.cellTextView(RundownColumns::PG, y);
        if (RowKinds::isBreakText(pg)) {
            block = std::min(block + 1, kLetteredBlocks + 1); // past P every block is bare numbers
            c = 2;
            letter = blockLetter(block);
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
        buf.clear();
        buf.append(letter);
        appendNumber(buf, number);
        if (pg != buf) {
            grid.setCellText(RundownColumns::PG, y, buf);
            ++written;
        }
    }
    return written;
}

} // namespace PageNumbering
