#pragma once

#include <QString>

#include <memory>

// A colour as 0xAARRGGBB, the same layout as QRgb (which lives in QtGui, outside the core).
using GridColor = quint32;
constexpr GridColor gridRgb(int r, int g, int b) {
    return 0xff000000u | (quint32(r & 0xff) << 16) | (quint32(g & 0xff) << 8) | quint32(b & 0xff);
}
constexpr int gridRed(GridColor c) { return int((c >> 16) & 0xff); }
constexpr int gridGreen(GridColor c) { return int((c >> 8) & 0xff); }
constexpr int gridBlue(GridColor c) { return int(c & 0xff); }

// A cell look that many cells share: cells hold a std::shared_ptr to one object, so changing the
// object changes every cell that carries it at the next redraw.
class StyleGridStyle {
public:
    GridColor TextColor = gridRgb(0, 0, 0);
    GridColor BackColor = gridRgb(255, 255, 255);
    bool HasBackColor = false; // false: the grid's own row colours show through
    QString FontName;          // empty: the grid's font
    int FontSize = 0;          // 0: the grid's size
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;

    // Sets the back colour and marks it as given.
    void setBackColor(GridColor c) {
        BackColor = c;
        HasBackColor = true;
    }
    // Commits a change; kept for the domain's vocabulary. Views redraw on the grid's Refresh.
    void Mutate() { ++m_generation; }
    quint64 generation() const { return m_generation; }

    std::shared_ptr<StyleGridStyle> copy() const { return std::make_shared<StyleGridStyle>(*this); }

private:
    quint64 m_generation = 0;
};

using StyleGridStylePtr = std::shared_ptr<StyleGridStyle>;
