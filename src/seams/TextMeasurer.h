#pragma once

#include <QString>

// The height of a text wrapped to a width, in pixels (row heights). The real one uses QFontMetrics.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int textHeight(const QString& text, int wrapWidth) const = 0;
};

// Deterministic measuring for headless use: every line is `lineHeight` high and holds
// wrapWidth / charWidth characters; explicit line breaks start new lines.
class FixedTextMeasurer : public TextMeasurer {
public:
    explicit FixedTextMeasurer(int lineHeight = 15, int charWidth = 7) : m_line(lineHeight), m_char(charWidth) {}
    int textHeight(const QString& text, int wrapWidth) const override;

private:
    int m_line;
    int m_char;
};
