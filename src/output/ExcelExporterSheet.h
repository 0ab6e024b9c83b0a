#pragma once

#include "output/ExcelExporterColumn.h"
#include "output/ExcelExporterRow.h"

#include <QString>

#include <memory>
#include <vector>

class ExcelXmlElement;

// One worksheet: columns, rows, print and view options.
class ExcelExporterSheet {
public:
    QString Name;
    int SelectedRow = 0;    // written as the active row (counted from 0, as the file counts it)
    int SelectedColumn = 0; // written as the active column (counted from 0)
    bool PageLayoutView = false;
    bool FitToPage = false;
    int PrintFitWidth = 1;
    int PrintFitHeight = 1;
    bool PageSetupLandscape = false;
    int PrintScale = 100;
    QString HeaderLeft, HeaderCenter, HeaderRight;
    QString FooterRight, FooterLeft, FooterCenter;

    // Codes for the header and footer parts.
    static inline const QString PageNumberMacro = QStringLiteral("&P");
    static inline const QString PageCountMacro = QStringLiteral("&N");
    static inline const QString FileNameMacro = QStringLiteral("&F");
    static inline const QString SheetNameMacro = QStringLiteral("&A");
    static inline const QString DateMacro = QStringLiteral("&D");
    static inline const QString TimeMacro = QStringLiteral("&T");

    ExcelExporterSheet() = default;
    explicit ExcelExporterSheet(const QString& name) : Name(name) {}

    // The index-th appended row (from 1). Asking for a row never appended is a caller's slip; it gets
    // empty rows appended up to index rather than a crash.
    ExcelExporterRow& Row(int index);
    ExcelExporterRow& AppendRow(std::unique_ptr<ExcelExporterRow> row);
    ExcelExporterRow& AppendRow() { return AppendRow(std::make_unique<ExcelExporterRow>()); }
    void reserveRows(int n) { m_Rows.reserve(size_t(std::max(n, 0))); }
    int Rows() const { return int(m_Rows.size()); }
    int Cols() const { return int(m_Columns.size()); }
    // Column index, appending columns until there are at least index. index >= 1.
    ExcelExporterColumn& Column(int index);

    // Print titles in R1C1 form; a call with first or last below 1, or last below first, is ignored.
    void SetRowsToRepeatAtTop(int first, int last);
    void SetColumnsToRepeatAtLeft(int first, int last);
    QString rowsToRepeatAtTop() const { return m_RowsToRepeatAtTop; }
    QString columnsToRepeatAtLeft() const { return m_ColumnsToRepeatAtLeft; }

    void GenerateXml(ExcelXmlElement& parent, const ExcelExporterStyle& defaultStyle,
                     ExcelExporterStyle::Registry& styles);

    // The sheet name as a formula refers to it: quoted when it is not a plain word.
    static QString formulaSheetName(const QString& name);

private:
    void WriteWorksheetOptions(ExcelXmlElement& worksheet) const;
    bool HasPageSetup() const;

    std::vector<std::unique_ptr<ExcelExporterRow>> m_Rows;
    std::vector<std::unique_ptr<ExcelExporterColumn>> m_Columns;
    QString m_RowsToRepeatAtTop;
    QString m_ColumnsToRepeatAtLeft;
};
