#pragma once

#include "output/ExcelExporterStyle.h"

#include <QSet>
#include <QString>
#include <QStringView>

#include <memory>

class ExcelXmlElement;

// Positions hidden by merged cells while one sheet is written: column and row packed in one number.
using ExcelCoveredSet = QSet<quint64>;
inline quint64 excelCoveredKey(int column, int row) { return (quint64(quint32(column)) << 32) | quint32(row); }

// One worksheet cell: its text, its type, its own style object and its merges.
class ExcelExporterCell {
public:
    std::shared_ptr<ExcelExporterStyle> Style = std::make_shared<ExcelExporterStyle>(0);
    QString Text;
    QString DataType = QStringLiteral("String");
    int MergeAcross = 0;
    int MergeDown = 0;
    QString Formula;

    // Writes the cell into the row unless a merge above or to the left covers it. needIndex says the
    // previous position was skipped, so this cell must name its column.
    void GenerateXml(ExcelXmlElement& row, const ExcelExporterStyle& defaultStyle, ExcelExporterStyle::Registry& styles,
                     ExcelCoveredSet& covered, int column, int rowPosition, bool& needIndex);

    // True when the text is exactly how the number read from its start is written back: 12, -3 and
    // 1.5 pass; 07, 1.50, A1, 12a and an empty text do not.
    static bool isPlainNumber(QStringView text);
};
