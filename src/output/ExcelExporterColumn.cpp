#include "output/ExcelExporterColumn.h"

#include "output/ExcelXmlElement.h"

void ExcelExporterColumn::GenerateXml(ExcelXmlElement& table) const {
    ExcelXmlElement& column = table.appendChild(QStringLiteral("Column"));
    if (AutoFitWidth) {
        column.setAttribute(QStringLiteral("ss:AutoFitWidth"), QStringLiteral("1"));
    } else {
        column.setAttribute(QStringLiteral("ss:AutoFitWidth"), QStringLiteral("0"));
        column.setAttribute(QStringLiteral("ss:Width"), QString::number(Width));
    }
}
