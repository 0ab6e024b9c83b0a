#pragma once

#include <QString>
#include <QStringList>

#include <array>

class PrintSurface;
class StyleGrid;

// What a print job needs besides the grid: the printable size in 1/72 inch, the font size in the same
// units, and the texts of the title line.
struct PrintJob {
    int width = 0;
    int height = 0;
    int fontSize = 10;
    QString documentName; // the file's display name, empty for a rundown never saved
    QString shortTime;    // taken once per job
    QString totalTime;    // the total label as shown
};

struct PrintOutcome {
    bool ok = false;
    int pages = 0; // pages drawn (0 for an empty rundown)
    QString error;
};

// The printed rundown: a ruled table with a title line and column labels on every page, one row after
// another in grid order, page breaks only between rows. Written once against PrintSurface; it reads the
// grid and never changes it.
class PrintLayout {
public:
    static constexpr int kTop = 50;          // slot k has its baseline at k * pitch + kTop
    static constexpr int kTitleX = 10;
    static constexpr int kTitleY = 10;
    static constexpr int kLabelY = 48;
    static constexpr int kHeaderRuleY = 53;
    static inline const QString kFontName = QStringLiteral("Arial");
    static constexpr int kBreakGrey = 127;
    static constexpr int kSkipGrey = 170;

    PrintLayout(const StyleGrid& grid, PrintJob job);

    // Thirteen edges x1..x13 of the twelve printed columns for a printable width.
    using Edges = std::array<int, 13>;
    static Edges columnEdges(int width);
    static int pitch(int fontSize) { return fontSize + 6; }
    // Whole lines of one pitch that fit below the header; below 1 the page cannot be printed.
    static int linesPerPage(int height, int fontSize);
    // "Page,Slug,S,V,Writer,Video,Audio,GFX,Time,TRT, ,Back", one label per grid column.
    static const QStringList& labels();

    // x(j) for j = 1..13.
    int x(int j) const { return m_edges[size_t(j - 1)]; }
    int pitch() const { return pitch(m_job.fontSize); }
    int linesPerPage() const { return m_lines; }
    QString titleText(int page) const;

    // Whether the job can be printed at all; the reason when not. Nothing is drawn for a job that cannot.
    bool check(QString* error = nullptr) const;
    // Draws every page. A job that fails check() draws nothing and reports the reason.
    PrintOutcome print(PrintSurface& surface) const;

private:
    int baseline(qint64 slot) const;

    const StyleGrid& m_grid;
    PrintJob m_job;
    Edges m_edges;
    int m_lines;
};
