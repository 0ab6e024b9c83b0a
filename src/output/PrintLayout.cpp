#include "output/PrintLayout.h"

#include "grid/StyleGrid.h"
#include "model/RowKinds.h"
#include "seams/PrintSurface.h"

#include <algorithm>
#include <limits>

PrintLayout::PrintLayout(const StyleGrid& grid, PrintJob job)
    : m_grid(grid), m_job(std::move(job)), m_edges(columnEdges(m_job.width)),
      m_lines(linesPerPage(m_job.height, m_job.fontSize)) {}

PrintLayout::Edges PrintLayout::columnEdges(int width) {
    // Page 39 wide, Slug about half the width less 120, S and V 20 each, Writer about a quarter less
    // 75, Video/Audio/GFX share the rest, Time and TRT 45 each, the 1-unit marker column (a double rule
    // before Back), and Back up to the right edge.
    Edges e{};
    e[0] = 1;
    e[1] = 40;
    e[2] = width / 2 - 120 + e[1];
    e[3] = e[2] + 20;
    e[4] = e[3] + 20;
    e[5] = e[4] + width / 4 - 75;
    const int d = (width - e[5] - 135) / 3;
    e[6] = e[5] + d;
    e[7] = e[6] + d;
    e[8] = e[7] + d;
    e[9] = e[8] + 45;
    e[10] = e[9] + 45;
    e[11] = e[10] + 1;
    e[12] = width;
    return e;
}

int PrintLayout::linesPerPage(int height, int fontSize) {
    if (fontSize < 1 || height <= kTop)
        return 0;
    // (H - 50) / P as real numbers, cut to a whole number; both are positive here.
    return int((qint64(height) - kTop) / pitch(fontSize));
}

const QStringList& PrintLayout::labels() {
    static const QStringList l = QStringLiteral("Page,Slug,S,V,Writer,Video,Audio,GFX,Time,TRT, ,Back").split(u',');
    return l;
}

QString PrintLayout::titleText(int page) const {
    return QStringLiteral("Rundown   ") + m_job.documentName + QStringLiteral(" @ ") + m_job.shortTime +
           QStringLiteral(" Page ") + QString::number(page) + QStringLiteral("  Total Time: ") + m_job.totalTime;
}

bool PrintLayout::check(QString* error) const {
    QString why;
    if (m_job.fontSize < 1)
        why = QStringLiteral("The print font size must be at least 1 (it is %1).").arg(m_job.fontSize);
    else if (m_job.width < 1)
        why = QStringLiteral("The page has no printable width.");
    else if (m_lines < 1)
        // A page that holds no line would otherwise start new pages for ever.
        why = QStringLiteral("The page is too short to print: a printable height of %1 holds no line at "
                             "font size %2 (at least %3 is needed).")
                  .arg(m_job.height)
                  .arg(m_job.fontSize)
                  .arg(qint64(pitch()) + kTop);
    if (error)
        *error = why;
    return why.isEmpty();
}

int PrintLayout::baseline(qint64 slot) const {
    // A row of absurdly many wrapped lines must not overflow the coordinates.
    const qint64 y = slot * pitch() + kTop;
    return int(std::min<qint64>(y, std::numeric_limits<int>::max() / 2));
}

PrintOutcome PrintLayout::print(PrintSurface& surface) const {
    PrintOutcome out;
    if (!check(&out.error))
        return out;
    out.ok = true;
    const int rows = m_grid.Rows();
    if (rows < 1)
        return out;

    const int W = m_job.width;
    const int P = pitch();
    const QStringList& label = labels();
    surface.setFont(kFontName, m_job.fontSize);
    surface.setBold(false);
    surface.setPenColor(0, 0, 0);

    int r = 1;
    int page = 1;
    while (r <= rows) {
        // The title, labels and rules take whatever pen colour the last row left (grey after a
        // skipped row at the foot of the previous page).
        surface.drawText(titleText(page), kTitleX, kTitleY, 0);
        surface.drawLine(1, kHeaderRuleY, W, kHeaderRuleY);
        for (int j = 1; j <= RundownColumns::Count; ++j)
            surface.drawText(label[j - 1], x(j) + 5, kLabelY, x(j + 1) - x(j) - 10);

        qint64 k = 1;
        int b = kHeaderRuleY - 3;
        while (k <= m_lines && r <= rows) {
            if (RowKinds::isBreak(m_grid, r)) {
                surface.setPenColor(kBreakGrey, kBreakGrey, kBreakGrey);
                surface.fillRect(1, baseline(k) - 15, W - 1, P);
                surface.setPenColor(0, 0, 0);
                b = baseline(k);
                k += 1;
            } else {
                if (RowKinds::isSkipped(m_grid, r))
                    surface.setPenColor(kSkipGrey, kSkipGrey, kSkipGrey);
                else
                    surface.setPenColor(0, 0, 0);
                const int y = baseline(k);
                int tallest = 0;
                for (int j = 1; j <= RundownColumns::Count; ++j) {
                    if (j == RundownColumns::Marker)
                        continue;
                    surface.setBold(j == RundownColumns::TRT);
                    const QString text = m_grid.CellText(j, r);
                    const int wrap = x(j + 1) - x(j) - 10;
                    surface.drawText(text, x(j) + 5, y, wrap);
                    tallest = std::max(tallest, surface.textHeight(text, wrap));
                }
                // The extra lines the row needs; a row started in the last slot runs on below it.
                const qint64 extra = tallest / P;
                b = baseline(k + extra);
                k += extra + 1;
            }
            surface.drawLine(1, b + 3, W, b + 3);
            ++r;
        }

        surface.drawLine(1, kHeaderRuleY, 1, b + 3);
        for (int j = 1; j <= RundownColumns::Count; ++j)
            surface.drawLine(x(j), kHeaderRuleY, x(j), b + 3);
        surface.drawLine(W, kHeaderRuleY, W, b + 3);

        if (r <= rows) {
            surface.nextPage();
            ++page;
        }
    }
    out.pages = page;
    return out;
}
