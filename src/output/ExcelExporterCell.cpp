#include "output/ExcelExporterCell.h"

#include "output/ExcelXmlElement.h"

#include <QLocale>

bool ExcelExporterCell::isPlainNumber(QStringView text) {
    // The shape first: an optional minus, digits, and optional decimals. A leading zero, a trailing
    // zero after the point, a lone point, blanks, a plus sign or an exponent never survive a round
    // trip, so they fail here without converting anything.
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && text[i] == u'-')
        ++i;
    const qsizetype intStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    const qsizetype intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && text[intStart] == u'0'))
        return false;
    if (i < n) {
        if (text[i] != u'.')
            return false;
        ++i;
        const qsizetype fracStart = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        if (i != n || i == fracStart || text[n - 1] == u'0')
            return false;
    }
    // A spreadsheet keeps 15 significant digits and silently drops the rest: such a number stays text.
    // Zeros in front, and behind a whole number, are not significant.
    const bool whole = !text.contains(u'.');
    qsizetype first = 0;
    while (first < n && (text[first] == u'0' || text[first] == u'-' || text[first] == u'.'))
        ++first;
    if (first < n) {
        qsizetype last = n - 1;
        while (whole && text[last] == u'0')
            --last;
        qsizetype significant = last - first + 1;
        if (!whole && text.indexOf(u'.') > first && text.indexOf(u'.') < last)
            --significant; // the point itself
        if (significant > 15)
            return false;
    }
    // Then the value must come back as the same text.
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        return false;
    if (value == 0) // "-0" reads as 0, written "0"
        return text == u"0";
    return QString::number(value, 'f', QLocale::FloatingPointShortest) == text;
}

void ExcelExporterCell::GenerateXml(ExcelXmlElement& row, const ExcelExporterStyle& defaultStyle,
                                    ExcelExporterStyle::Registry& styles, ExcelCoveredSet& covered, int column,
                                    int rowPosition, bool& needIndex) {
    if (DataType == QLatin1String("Number") && !isPlainNumber(Text))
        DataType = QStringLiteral("String");

    ExcelXmlElement& cell = row.appendChild(QStringLiteral("Cell"));

    const QString key = Style->Key(defaultStyle);
    if (std::shared_ptr<ExcelExporterStyle> known = styles.style(key)) {
        Style = std::move(known);
    } else {
        styles.add(key, Style);
        Style->setID(styles.count());
    }

    cell.setAttribute(QStringLiteral("ss:StyleID"), Style->ID());
    if (MergeAcross != 0)
        cell.setAttribute(QStringLiteral("ss:MergeAcross"), QString::number(MergeAcross));
    if (MergeDown != 0)
        cell.setAttribute(QStringLiteral("ss:MergeDown"), QString::number(MergeDown));
    if (needIndex) {
        cell.setAttribute(QStringLiteral("ss:Index"), QString::number(column));
        needIndex = false;
    }
    if (!Formula.isEmpty())
        cell.setAttribute(QStringLiteral("ss:Formula"), Formula);

    cell.appendAttributeChild(QStringLiteral("Data"), QStringLiteral("ss:Type"), DataType).setText(Text);

    if (MergeAcross > 0 || MergeDown > 0) {
        for (int i = column; i <= column + std::max(MergeAcross, 0); ++i)
            for (int j = rowPosition; j <= rowPosition + std::max(MergeDown, 0); ++j)
                if (i != column || j != rowPosition)
                    covered.insert(excelCoveredKey(i, j));
    }
}
