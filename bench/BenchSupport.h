#pragma once

#include "support/TestSupport.h"

// The rundown the benchmarks measure: timed stories, a break every `breakEvery` rows (0: none), a
// skipped row every 50, and (with longSlugs) every seventh slug long enough to wrap in print.
struct SampleRundown {
    int breakEvery = 12;
    bool pageNumbers = false;
    bool longSlugs = false;
};

inline QStringList sampleRundownRows(int n, const SampleRundown& shape = {}) {
    QStringList rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (shape.breakEvery > 0 && i % shape.breakEvery == 0) {
            rows.append(QStringLiteral("Break"));
            continue;
        }
        const QString slug = shape.longSlugs && i % 7 == 0
                                 ? QStringLiteral("Council votes on the harbour plan after a night of protests")
                                 : QStringLiteral("Story %1").arg(i);
        rows.append(QStringLiteral("%1|%2|n|d|Ann|VO|SOT|OTS|%3:%4||%5|")
                        .arg(shape.pageNumbers ? QString::number(i) : QString(), slug)
                        .arg(i % 4)
                        .arg(i % 60, 2, 10, QChar(u'0'))
                        .arg(i % 50 == 0 ? QStringLiteral("*SKIP") : QString()));
    }
    return rows;
}

// Fills a document with the sample rundown and times it from row 1.
inline void fillSampleRundown(DocFixture& f, int n, const SampleRundown& shape = {}) {
    f.addRows(sampleRundownRows(n, shape));
    f.doc->additup(1);
}
