#pragma once

#include "seams/PrintSurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QTransform>

class QPagedPaintDevice;
class QPainter;

// The print surface on a QPainter that is active on a paged device (a QPrinter, or a QPdfWriter for
// PDF files). The painter is scaled so that one unit is 1/72 inch on any device, and fonts are sized in
// the same units, so the font size and the column edges keep their proportions on every printer.
class PainterPrintSurface : public PrintSurface {
public:
    // The painter must already be active on the device; the surface sets its scale.
    PainterPrintSurface(QPainter& painter, QPagedPaintDevice& device);

    void setFont(const QString& name, int size) override;
    void setBold(bool bold) override;
    void setPenColor(int red, int green, int blue) override;
    void drawText(const QString& text, int x, int y, int wrapWidth) override;
    int textHeight(const QString& text, int wrapWidth) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void fillRect(int x, int y, int width, int height) override;
    void nextPage() override;

    // False when the device refused a new page (for example a full disk).
    bool ok() const { return m_ok; }

private:
    void fontChanged();
    // Lays the text out (line i's baseline at i * m_linePitch) and draws it
    // when a painter position is given; returns the number of lines.
    int layoutText(const QString& text, int wrapWidth, const QPointF* drawAt);

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    QTransform m_scale;
    QFont m_font;
    QFontMetricsF m_metrics;
    qreal m_lineSpacing = 0;
    int m_linePitch = 16; // the print line pitch, font size + 6
    QColor m_pen = Qt::black;
    bool m_ok = true;

    // drawText and textHeight come in pairs for the same cell: lay each text out once.
    QString m_lastText;
    int m_lastWrap = 0;
    int m_lastLines = 0;
    bool m_lastValid = false;
};
