#include "ui/FontTextMeasurer.h"

#include <algorithm>

int FontTextMeasurer::textHeight(const QString& text, int wrapWidth) const {
    if (text.isEmpty())
        return m_metrics.height();
    const QRect r = m_metrics.boundingRect(QRect(0, 0, std::max(1, wrapWidth), 1 << 20),
                                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return r.height();
}
