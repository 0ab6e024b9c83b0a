#pragma once

#include "seams/TextMeasurer.h"

#include <QFont>
#include <QFontMetrics>

// Measures wrapped text with a font, as the window does for row heights.
class FontTextMeasurer : public TextMeasurer {
public:
    explicit FontTextMeasurer(const QFont& font = QFont()) : m_metrics(font) {}
    int textHeight(const QString& text, int wrapWidth) const override;

private:
    QFontMetrics m_metrics;
};
