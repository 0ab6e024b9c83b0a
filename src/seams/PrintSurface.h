#pragma once

#include <QString>

// The drawing surface of one print job, in units of 1/72 inch with the origin at the top-left corner of
// the printable area and y growing downwards. The real one paints on a printer; tests record the calls.
//
// Text is placed by its baseline. A wrapped text's further lines follow downwards one print line pitch
// (font size + 6) apart, so that each takes one line slot of the page; a wrap width of 0 or less means no
// wrapping. Lines and filled rectangles use the pen colour.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual void setFont(const QString& name, int size) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setPenColor(int red, int green, int blue) = 0;

    virtual void drawText(const QString& text, int x, int y, int wrapWidth) = 0;
    // The height the text takes when wrapped to the width: a pitch for each line but the last, and the
    // font's line height for the last (an empty text takes one line).
    virtual int textHeight(const QString& text, int wrapWidth) = 0;

    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void fillRect(int x, int y, int width, int height) = 0;

    virtual void nextPage() = 0;
};
