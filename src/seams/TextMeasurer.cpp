#include "seams/TextMeasurer.h"

#include <QList>

#include <algorithm>

int FixedTextMeasurer::textHeight(const QString& text, int wrapWidth) const {
    const qsizetype perLine = std::max<qsizetype>(1, wrapWidth / std::max(1, m_char));
    qint64 lines = 0;
    for (const QStringView part : QStringView(text).split(u'\n'))
        lines += std::max<qsizetype>(1, (part.size() + perLine - 1) / perLine);
    return int(std::min<qint64>(lines * m_line, 1 << 24));
}
