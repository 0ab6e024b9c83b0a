#include "ui/PainterPrintSurface.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>

PainterPrintSurface::PainterPrintSurface(QPainter& painter, QPagedPaintDevice& device)
    : m_painter(painter), m_device(device), m_metrics(m_font, &device) {
    m_scale = QTransform::fromScale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    m_painter.setTransform(m_scale);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    setFont(QStringLiteral("Arial"), 10);
    setPenColor(0, 0, 0);
}

void PainterPrintSurface::setFont(const QString& name, int size) {
    m_font = QFont(name);
    // Pixel size in the painter's units (1/72 inch): the painter's scale takes it to the device.
    m_font.setPixelSize(std::max(1, size));
    // Wrapped lines keep to the printed line slots: a text's lines and the rows' rules never collide.
    m_linePitch = std::max(1, size) + 6;
    m_font.setHintingPreference(QFont::PreferNoHinting);
    fontChanged();
}

void PainterPrintSurface::setBold(bool bold) {
    if (m_font.bold() == bold)
        return;
    m_font.setBold(bold);
    fontChanged();
}

void PainterPrintSurface::fontChanged() {
    m_metrics = QFontMetricsF(m_font, &m_device);
    m_lineSpacing = m_metrics.lineSpacing();
    m_painter.setFont(m_font);
    m_lastValid = false;
}

void PainterPrintSurface::setPenColor(int red, int green, int blue) {
    m_pen = QColor(qBound(0, red, 255), qBound(0, green, 255), qBound(0, blue, 255));
    // Half a point: rules read clearly without running the double rule before Back into one bar.
    QPen pen(m_pen, 0.5);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
}

int PainterPrintSurface::layoutText(const QString& text, int wrapWidth, const QPointF* drawAt) {
    QString shown = text;
    // A cell cannot hold a line end, but a stray one must not vanish into a box glyph.
    shown.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(shown, m_font, &m_device);
    QTextOption option;
    option.setWrapMode(wrapWidth > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    int lines = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(wrapWidth > 0 ? qreal(wrapWidth) : qreal(1 << 24));
        line.setPosition(QPointF(0, qreal(lines) * m_linePitch - line.ascent()));
        ++lines;
    }
    layout.endLayout();
    if (drawAt)
        layout.draw(&m_painter, *drawAt);
    return std::max(1, lines);
}

void PainterPrintSurface::drawText(const QString& text, int x, int y, int wrapWidth) {
    m_lastText = text;
    m_lastWrap = wrapWidth;
    m_lastValid = true;
    if (text.isEmpty()) {
        m_lastLines = 1;
        return;
    }
    const QPointF at(x, y);
    m_lastLines = layoutText(text, wrapWidth, &at);
}

int PainterPrintSurface::textHeight(const QString& text, int wrapWidth) {
    int lines = 1;
    if (m_lastValid && m_lastWrap == wrapWidth && m_lastText == text)
        lines = m_lastLines;
    else if (!text.isEmpty())
        lines = layoutText(text, wrapWidth, nullptr);
    const qreal h = qreal(lines - 1) * m_linePitch + std::ceil(m_lineSpacing - 0.01);
    return h >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(h);
}

void PainterPrintSurface::drawLine(int x1, int y1, int x2, int y2) {
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterPrintSurface::fillRect(int x, int y, int width, int height) {
    m_painter.fillRect(QRectF(x, y, width, height), m_pen);
}

void PainterPrintSurface::nextPage() {
    if (!m_device.newPage())
        m_ok = false;
    // Not every paint engine keeps the painter's state across pages.
    m_painter.setTransform(m_scale);
    m_painter.setFont(m_font);
    setPenColor(m_pen.red(), m_pen.green(), m_pen.blue());
}
