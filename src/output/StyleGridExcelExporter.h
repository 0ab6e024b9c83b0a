#pragma once

#include "output/ExcelExporterWorkbook.h"

#include <QDateTime>
#include <QString>

#include <memory>

class StyleGrid;

// Copies a grid, as it shows, into a workbook: one sheet column per grid column, optionally a header
// row with the column labels, then one sheet row per grid row with texts, fonts, colours, borders,
// alignment and horizontal spans. Reads the grid, never changes it.
class StyleGridExcelExporter {
public:
    bool ExportHeader = false;

    StyleGridExcelExporter();
    StyleGridExcelExporter(const QString& author, const QString& lastAuthor, const QString& company,
                           const QDateTime& created);
    ~StyleGridExcelExporter();

    // The set-up of "Export to Excel": the program as author and last author, its maker as company,
    // created now, the header row on, sheet 1 named "Sheet1" in page-layout view, and page numbers
    // that are plain numbers written as numbers.
    void setUpForRundown(const QDateTime& now);

    // Fills sheet 1 from the grid and saves the workbook. False with the reason when the file could
    // not be written.
    bool Export(const StyleGrid& grid, const QString& path, QString* error = nullptr);
    bool Save(const QString& path, QString* error = nullptr);
    void PopulateSheet(ExcelExporterSheet& sheet, const StyleGrid& grid);
    ExcelExporterWorkbook& Workbook() { return *m_Workbook; }

    // "Center" for 1, "Right" for -1, "Left" for anything else.
    static QString horizontalAlignment(int code);

private:
    void WriteColumnInfo(ExcelExporterSheet& sheet, const StyleGrid& grid);
    void WriteHeader(ExcelExporterSheet& sheet, const StyleGrid& grid);
    void WriteRows(ExcelExporterSheet& sheet, const StyleGrid& grid);

    std::unique_ptr<ExcelExporterWorkbook> m_Workbook;
};
