#pragma once

#include <QString>

class ExcelXmlElement;

// One worksheet column. DataType is advice for whoever fills the cells; the writer reads only the
// cells' own types.
class ExcelExporterColumn {
public:
    bool AutoFitWidth = false;
    int Width = 0;
    QString DataType = QStringLiteral("String");

    void GenerateXml(ExcelXmlElement& table) const;
    void DefineNumeric() { DataType = QStringLiteral("Number"); }
    bool isNumeric() const { return DataType == QLatin1String("Number"); }
};
