#pragma once

#include "output/ExcelExporterSheet.h"
#include "output/ExcelExporterStyle.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;
class ExcelXmlElement;

// A spreadsheet workbook in the XML format of Excel 2003 (SpreadsheetML): filled by the caller,
// written by Save in one go.
class ExcelExporterWorkbook {
public:
    QString Author;
    QString Company;
    QDateTime CreatedDate;
    QString LastAuthor;

    ExcelExporterWorkbook();
    ExcelExporterWorkbook(const QString& author, const QString& lastAuthor, const QString& company,
                          const QDateTime& created);
    ~ExcelExporterWorkbook();

    // Writes the whole workbook to the file through a temporary file, so a failed save leaves an
    // earlier file as it was. False with the reason in *error when the file could not be written.
    bool Save(const QString& path, QString* error = nullptr);
    // Writes the whole workbook to an open device.
    bool Save(QIODevice& device, QString* error = nullptr);

    // Sheet index (from 1), appending empty sheets until there are at least index.
    ExcelExporterSheet& Sheet(int index);
    int SheetCount() const { return int(m_Sheets.size()); }
    ExcelExporterStyle& DefaultStyle() { return *m_DefaultStyle; }

    // The document tree Save writes (numbers rows, settles cell types and style IDs, as Save does).
    std::unique_ptr<ExcelXmlElement> buildTree();

    // "2007-03-05T09:04:07Z" from the time's own fields.
    static QString createdText(const QDateTime& t);

private:
    std::vector<std::unique_ptr<ExcelExporterSheet>> m_Sheets;
    std::shared_ptr<ExcelExporterStyle> m_DefaultStyle;
};
