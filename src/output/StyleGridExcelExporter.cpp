#include "output/StyleGridExcelExporter.h"

#include "grid/StyleGrid.h"

namespace {
// The look of one grid cell (borders from the cell, font and colours from its style).
void copyLook(ExcelExporterStyle& to, const StyleGridCellLook& cell, const StyleGridStyle& style, int alignment) {
    to.BorderLeft = cell.borderLeft;
    to.BorderRight = cell.borderRight;
    to.BorderTop = cell.borderTop;
    to.BorderBottom = cell.borderBottom;
    to.BorderWidth = cell.borderWidth;
    to.FontName = style.FontName;
    to.FontSize = style.FontSize;
    to.FontBold = style.FontBold;
    to.FontItalic = style.FontItalic;
    to.FontUnderline = style.FontUnderline;
    to.FontColor = style.TextColor & 0xffffffu;
    to.BackColor = style.BackColor & 0xffffffu;
    to.HasBackColor = style.HasBackColor;
    to.HorizontalAlignment = StyleGridExcelExporter::horizontalAlignment(alignment);
    to.VerticalAlignment = QStringLiteral("Bottom");
}
} // namespace

StyleGridExcelExporter::StyleGridExcelExporter() : m_Workbook(std::make_unique<ExcelExporterWorkbook>()) {}

StyleGridExcelExporter::StyleGridExcelExporter(const QString& author, const QString& lastAuthor,
                                               const QString& company, const QDateTime& created)
    : StyleGridExcelExporter() {
    m_Workbook->Author = author;
    m_Workbook->LastAuthor = lastAuthor;
    m_Workbook->Company = company;
    m_Workbook->CreatedDate = created;
}

StyleGridExcelExporter::~StyleGridExcelExporter() = default;

QString StyleGridExcelExporter::horizontalAlignment(int code) {
    if (code == GridAlign::Center)
        return QStringLiteral("Center");
    if (code == GridAlign::Right)
        return QStringLiteral("Right");
    return QStringLiteral("Left");
}

void StyleGridExcelExporter::setUpForRundown(const QDateTime& now) {
    m_Workbook->Author = QStringLiteral("Kestrel Rundown");
    m_Workbook->LastAuthor = QStringLiteral("Kestrel Rundown");
    m_Workbook->Company = QStringLiteral("Orrin Software");
    m_Workbook->CreatedDate = now;
    ExportHeader = true;
    ExcelExporterSheet& sheet = m_Workbook->Sheet(1);
    sheet.Name = QStringLiteral("Sheet1");
    sheet.PageLayoutView = true;
    sheet.Column(1).DefineNumeric();
}

bool StyleGridExcelExporter::Export(const StyleGrid& grid, const QString& path, QString* error) {
    ExcelExporterSheet& sheet = m_Workbook->Sheet(1);
    if (sheet.Name.isEmpty())
        sheet.Name = QStringLiteral("Sheet 1");
    PopulateSheet(sheet, grid);
    return Save(path, error);
}

bool StyleGridExcelExporter::Save(const QString& path, QString* error) { return m_Workbook->Save(path, error); }

void StyleGridExcelExporter::PopulateSheet(ExcelExporterSheet& sheet, const StyleGrid& grid) {
    if (sheet.Name.isEmpty())
        sheet.Name = QStringLiteral("Sheet%1").arg(m_Workbook->SheetCount() + 1);
    WriteColumnInfo(sheet, grid);
    if (ExportHeader)
        WriteHeader(sheet, grid);
    WriteRows(sheet, grid);
    // The file counts the active cell from 0; the grid counts from 1 and has no header row.
    const int row = grid.Selection().FirstSelectedRow();
    const int column = grid.Selection().FirstSelectedColumn();
    sheet.SelectedRow = std::max(0, row - 1 + (ExportHeader ? 1 : 0));
    sheet.SelectedColumn = std::max(0, column - 1);
}

void StyleGridExcelExporter::WriteColumnInfo(ExcelExporterSheet& sheet, const StyleGrid& grid) {
    for (int x = 1; x <= grid.Cols(); ++x)
        sheet.Column(x).Width = grid.ColumnWidth(x);
}

void StyleGridExcelExporter::WriteHeader(ExcelExporterSheet& sheet, const StyleGrid& grid) {
    ExcelExporterRow& row = sheet.AppendRow();
    row.Index = 1;
    row.Height = grid.HeaderHeight();
    row.reserveCells(grid.Cols());
    for (int x = 1; x <= grid.Cols(); ++x) {
        const StyleGridCell& h = grid.Column(x).header;
        const StyleGridStylePtr& style = h.style ? h.style : grid.GetDefaultStyle();
        ExcelExporterCell& cell = row.Cell(x);
        copyLook(*cell.Style, h, *style, h.alignment);
        cell.Text = h.text;
    }
}

void StyleGridExcelExporter::WriteRows(ExcelExporterSheet& sheet, const StyleGrid& grid) {
    const int cols = grid.Cols();
    const int offset = ExportHeader ? 1 : 0;
    sheet.reserveRows(sheet.Rows() + grid.Rows());
    for (int y = 1; y <= grid.Rows(); ++y) {
        ExcelExporterRow& row = sheet.AppendRow();
        row.Index = y + offset;
        row.Height = grid.RowHeight(y);
        row.reserveCells(cols);
        for (int x = 1; x <= cols; ++x) {
            const StyleGridCellLook* g = grid.cellData(x, y);
            const QString text = grid.CellText(x, y);
            ExcelExporterCell& cell = row.Cell(x);
            copyLook(*cell.Style, *g, *grid.effectiveStyle(x, y), grid.effectiveAlignment(x, y));
            // A span never reaches past the last column: the merge would point outside the table.
            const int span = std::min<int>(g->colSpan, cols - x + 1);
            if (span > 1) {
                cell.MergeAcross = span - 1;
                x += span - 1;
            }
            cell.Text = text;
            if (sheet.Column(x).isNumeric() && ExcelExporterCell::isPlainNumber(cell.Text))
                cell.DataType = QStringLiteral("Number");
        }
    }
}
