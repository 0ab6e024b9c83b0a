#include "output/ExcelExporterStyle.h"

#include "output/ExcelXmlElement.h"

QString ExcelExporterStyle::ColorToString(quint32 rgb) {
    static const char digits[] = "0123456789ABCDEF";
    QString s(7, u'#');
    for (int i = 0; i < 6; ++i)
        s[i + 1] = QLatin1Char(digits[(rgb >> (20 - 4 * i)) & 0xf]);
    return s;
}

QString ExcelExporterStyle::ID() const {
    return m_ID == -1 ? QStringLiteral("Default") : u's' + QString::number(m_ID);
}

QString ExcelExporterStyle::Key(const ExcelExporterStyle& defaultStyle) const {
    QString k;
    k.reserve(48 + FontName.size() + Format.size());
    if (FontBold)
        k += u'B';
    if (FontItalic)
        k += u'I';
    if (FontUnderline)
        k += u'U';
    if (WrapText && !defaultStyle.WrapText)
        k += u'W';
    k += QString::number(Rotate);
    k += u';';
    k += FontName;
    // "Arial1" at 2 points and "Arial" at 12 would otherwise give the same key and share a style.
    if (!FontName.isEmpty() && (FontName.back().isDigit() || FontName.back() == u'|'))
        k += u'|';
    k += QString::number(FontSize);
    k += ColorToString(FontColor);
    k += u';';
    if (anyBorder()) {
        if (BorderLeft)
            k += u'L';
        if (BorderRight)
            k += u'R';
        if (BorderTop)
            k += u'T';
        if (BorderBottom)
            k += u'B';
        k += QString::number(BorderWidth);
    }
    if (VerticalAlignment != defaultStyle.VerticalAlignment) {
        k += VerticalAlignment;
        k += u'+';
    }
    if (HorizontalAlignment != defaultStyle.HorizontalAlignment) {
        k += HorizontalAlignment;
        k += u';';
    }
    if (HasBackColor) {
        k += ColorToString(BackColor);
        k += u';';
    }
    k += Format;
    return k;
}

void ExcelExporterStyle::GenerateXml(ExcelXmlElement& styles, const ExcelExporterStyle& defaultStyle) const {
    ExcelXmlElement& style = styles.appendChild(QStringLiteral("Style"));
    style.setAttribute(QStringLiteral("ss:ID"), ID());
    const QString size = QString::number(FontSize) + QStringLiteral(".0");

    if (m_ID == -1) {
        style.setAttribute(QStringLiteral("ss:Name"), QStringLiteral("Normal"));
        ExcelXmlElement alignment(QStringLiteral("Alignment"));
        if (!HorizontalAlignment.isEmpty())
            alignment.setAttribute(QStringLiteral("ss:Horizontal"), HorizontalAlignment);
        if (!VerticalAlignment.isEmpty())
            alignment.setAttribute(QStringLiteral("ss:Vertical"), VerticalAlignment);
        if (WrapText)
            alignment.setAttribute(QStringLiteral("ss:WrapText"), QStringLiteral("1"));
        if (alignment.attributeCount() > 0)
            style.appendChild(std::move(alignment));
        style.appendChild(QStringLiteral("Borders"));
        ExcelXmlElement& font = style.appendChild(QStringLiteral("Font"));
        if (!FontName.isEmpty())
            font.setAttribute(QStringLiteral("ss:FontName"), FontName);
        if (FontSize != 0)
            font.setAttribute(QStringLiteral("ss:Size"), size);
        style.appendChild(QStringLiteral("Interior"));
        style.appendChild(QStringLiteral("NumberFormat"));
        style.appendChild(QStringLiteral("Protection"));
        return;
    }

    ExcelXmlElement alignment(QStringLiteral("Alignment"));
    if (!HorizontalAlignment.isEmpty() && HorizontalAlignment != defaultStyle.HorizontalAlignment)
        alignment.setAttribute(QStringLiteral("ss:Horizontal"), HorizontalAlignment);
    if (!VerticalAlignment.isEmpty() && VerticalAlignment != defaultStyle.VerticalAlignment)
        alignment.setAttribute(QStringLiteral("ss:Vertical"), VerticalAlignment);
    if (WrapText && !defaultStyle.WrapText)
        alignment.setAttribute(QStringLiteral("ss:WrapText"), QStringLiteral("1"));
    if (Rotate != 0)
        alignment.setAttribute(QStringLiteral("ss:Rotate"), QString::number(Rotate));
    if (alignment.attributeCount() > 0)
        style.appendChild(std::move(alignment));

    if (anyBorder()) {
        ExcelXmlElement& borders = style.appendChild(QStringLiteral("Borders"));
        const auto border = [&](bool on, const QString& position) {
            if (!on)
                return;
            ExcelXmlElement& b = borders.appendChild(QStringLiteral("Border"));
            b.setAttribute(QStringLiteral("ss:Position"), position);
            b.setAttribute(QStringLiteral("ss:LineStyle"), QStringLiteral("Continuous"));
            b.setAttribute(QStringLiteral("ss:Weight"), QString::number(BorderWidth));
        };
        border(BorderBottom, QStringLiteral("Bottom"));
        border(BorderTop, QStringLiteral("Top"));
        border(BorderLeft, QStringLiteral("Left"));
        border(BorderRight, QStringLiteral("Right"));
    }

    ExcelXmlElement& font = style.appendChild(QStringLiteral("Font"));
    if (!FontName.isEmpty())
        font.setAttribute(QStringLiteral("ss:FontName"), FontName);
    if (FontSize != 0)
        font.setAttribute(QStringLiteral("ss:Size"), size);
    if (FontBold)
        font.setAttribute(QStringLiteral("ss:Bold"), QStringLiteral("1"));
    if (FontItalic)
        font.setAttribute(QStringLiteral("ss:Italic"), QStringLiteral("1"));
    if (FontUnderline)
        font.setAttribute(QStringLiteral("ss:Underline"), QStringLiteral("Single"));
    font.setAttribute(QStringLiteral("ss:Color"), ColorToString(FontColor));

    if (!Format.isEmpty())
        style.appendAttributeChild(QStringLiteral("NumberFormat"), QStringLiteral("ss:Format"), Format);
    if (HasBackColor) {
        ExcelXmlElement& interior = style.appendChild(QStringLiteral("Interior"));
        interior.setAttribute(QStringLiteral("ss:Color"), ColorToString(BackColor));
        interior.setAttribute(QStringLiteral("ss:Pattern"), QStringLiteral("Solid"));
    }
}

void ExcelExporterStyle::Registry::add(const QString& key, std::shared_ptr<ExcelExporterStyle> style) {
    m_index.insert(key, int(m_styles.size()));
    m_styles.push_back(std::move(style));
}

std::shared_ptr<ExcelExporterStyle> ExcelExporterStyle::Registry::style(const QString& key) const {
    const auto it = m_index.constFind(key);
    return it == m_index.constEnd() ? nullptr : m_styles[size_t(*it)];
}
