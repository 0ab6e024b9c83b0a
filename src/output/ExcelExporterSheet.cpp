#include "output/ExcelExporterSheet.h"

#include "output/ExcelXmlElement.h"

ExcelExporterRow& ExcelExporterSheet::AppendRow(std::unique_ptr<ExcelExporterRow> row) {
    m_Rows.push_back(std::move(row));
    return *m_Rows.back();
}

ExcelExporterRow& ExcelExporterSheet::Row(int index) {
    index = std::max(index, 1);
    while (int(m_Rows.size()) < index)
        m_Rows.push_back(std::make_unique<ExcelExporterRow>());
    return *m_Rows[size_t(index - 1)];
}

ExcelExporterColumn& ExcelExporterSheet::Column(int index) {
    index = std::max(index, 1);
    while (int(m_Columns.size()) < index)
        m_Columns.push_back(std::make_unique<ExcelExporterColumn>());
    return *m_Columns[size_t(index - 1)];
}

void ExcelExporterSheet::SetRowsToRepeatAtTop(int first, int last) {
    if (first < 1 || last < 1 || last < first)
        return;
    m_RowsToRepeatAtTop = first == last ? QStringLiteral("R%1").arg(first) : QStringLiteral("R%1:R%2").arg(first).arg(last);
}

void ExcelExporterSheet::SetColumnsToRepeatAtLeft(int first, int last) {
    if (first < 1 || last < 1 || last < first)
        return;
    m_ColumnsToRepeatAtLeft =
        first == last ? QStringLiteral("C%1").arg(first) : QStringLiteral("C%1:C%2").arg(first).arg(last);
}

QString ExcelExporterSheet::formulaSheetName(const QString& name) {
    bool plain = !name.isEmpty() && !name.front().isDigit();
    for (QChar c : name)
        plain = plain && c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_');
    if (plain)
        return name;
    // "=My Sheet!R1" is no formula at all; a spreadsheet program drops the print titles or the file.
    QString quoted = name;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

bool ExcelExporterSheet::HasPageSetup() const {
    return PageSetupLandscape || !HeaderLeft.isEmpty() || !HeaderCenter.isEmpty() || !HeaderRight.isEmpty() ||
           !FooterLeft.isEmpty() || !FooterCenter.isEmpty() || !FooterRight.isEmpty();
}

void ExcelExporterSheet::GenerateXml(ExcelXmlElement& parent, const ExcelExporterStyle& defaultStyle,
                                     ExcelExporterStyle::Registry& styles) {
    ExcelXmlElement& worksheet = parent.appendChild(QStringLiteral("Worksheet"));
    worksheet.setAttribute(QStringLiteral("ss:Name"), Name);

    if (!m_RowsToRepeatAtTop.isEmpty() || !m_ColumnsToRepeatAtLeft.isEmpty()) {
        const QString sheet = formulaSheetName(Name) + u'!';
        QString refersTo = QStringLiteral("=");
        if (!m_ColumnsToRepeatAtLeft.isEmpty() && !m_RowsToRepeatAtTop.isEmpty())
            refersTo += sheet + m_ColumnsToRepeatAtLeft + u',' + sheet + m_RowsToRepeatAtTop;
        else
            refersTo += sheet + (m_ColumnsToRepeatAtLeft.isEmpty() ? m_RowsToRepeatAtTop : m_ColumnsToRepeatAtLeft);
        ExcelXmlElement& range = worksheet.appendChild(QStringLiteral("Names")).appendChild(QStringLiteral("NamedRange"));
        range.setAttribute(QStringLiteral("ss:Name"), QStringLiteral("Print_Titles"));
        range.setAttribute(QStringLiteral("ss:RefersTo"), refersTo);
    }

    ExcelXmlElement& table = worksheet.appendChild(QStringLiteral("Table"));
    table.setAttribute(QStringLiteral("ss:ExpandedColumnCount"), QString::number(Cols()));
    table.setAttribute(QStringLiteral("ss:ExpandedRowCount"), QString::number(Rows()));
    table.setAttribute(QStringLiteral("x:FullColumns"), QStringLiteral("1"));
    table.setAttribute(QStringLiteral("x:FullRows"), QStringLiteral("1"));

    for (const auto& column : m_Columns)
        column->GenerateXml(table);

    // A spreadsheet program refuses the whole file when a row or a merge reaches past the expanded
    // counts, so they grow to what the rows reach (rows numbered past their count, merges past the end).
    int columnCount = Cols();
    int rowCount = Rows();
    ExcelCoveredSet covered;
    int previousIndex = 0;
    for (int position = 1; position <= Rows(); ++position) {
        ExcelExporterRow& row = *m_Rows[size_t(position - 1)];
        if (row.Index == 0)
            row.Index = previousIndex + 1;
        previousIndex = row.Index;
        columnCount = std::max(columnCount, row.lastColumnReached());
        rowCount = std::max(rowCount, row.lastRowReached());
        row.GenerateXml(table, defaultStyle, styles, covered, position);
    }
    table.setAttribute(QStringLiteral("ss:ExpandedColumnCount"), QString::number(columnCount));
    table.setAttribute(QStringLiteral("ss:ExpandedRowCount"), QString::number(rowCount));

    WriteWorksheetOptions(worksheet);
}

void ExcelExporterSheet::WriteWorksheetOptions(ExcelXmlElement& worksheet) const {
    ExcelXmlElement& options = worksheet.appendChild(QStringLiteral("WorksheetOptions"));
    options.setAttribute(QStringLiteral("xmlns"), QStringLiteral("urn:schemas-microsoft-com:office:excel"));

    if (FitToPage && PrintScale != 100)
        options.appendChild(QStringLiteral("FitToPage"));

    if (HasPageSetup()) {
        ExcelXmlElement& setup = options.appendChild(QStringLiteral("PageSetup"));
        ExcelXmlElement& layout = setup.appendChild(QStringLiteral("Layout"));
        if (PageSetupLandscape)
            layout.setAttribute(QStringLiteral("x:Orientation"), QStringLiteral("Landscape"));
        const auto parts = [](const QString& left, const QString& center, const QString& right) {
            QString data;
            if (!left.isEmpty())
                data += QStringLiteral("&L") + left;
            if (!center.isEmpty())
                data += QStringLiteral("&C") + center;
            if (!right.isEmpty())
                data += QStringLiteral("&R") + right;
            return data;
        };
        const QString header = parts(HeaderLeft, HeaderCenter, HeaderRight);
        if (!header.isEmpty())
            setup.appendAttributeChild(QStringLiteral("Header"), QStringLiteral("x:Data"), header);
        const QString footer = parts(FooterLeft, FooterCenter, FooterRight);
        if (!footer.isEmpty())
            setup.appendAttributeChild(QStringLiteral("Footer"), QStringLiteral("x:Data"), footer);
    }

    ExcelXmlElement& print = options.appendChild(QStringLiteral("Print"));
    if (PrintFitWidth > 1 || PrintFitHeight > 1) {
        print.appendTextChild(QStringLiteral("FitWidth"), QString::number(PrintFitWidth));
        print.appendTextChild(QStringLiteral("FitHeight"), QString::number(PrintFitHeight));
    }
    if (PrintScale != 100)
        print.appendTextChild(QStringLiteral("Scale"), QString::number(PrintScale));
    print.appendChild(QStringLiteral("ValidPrinterInfo"));
    print.appendTextChild(QStringLiteral("HorizontalResolution"), QStringLiteral("-4"));
    print.appendTextChild(QStringLiteral("VerticalResolution"), QStringLiteral("-4"));

    if (PageLayoutView)
        options.appendChild(QStringLiteral("ShowPageLayoutZoom"));
    options.appendTextChild(QStringLiteral("PageLayoutZoom"), QStringLiteral("100"));
    options.appendChild(QStringLiteral("Selected"));
    ExcelXmlElement& pane = options.appendChild(QStringLiteral("Panes")).appendChild(QStringLiteral("Pane"));
    pane.appendTextChild(QStringLiteral("Number"), QStringLiteral("3"));
    pane.appendTextChild(QStringLiteral("ActiveRow"), QString::number(SelectedRow));
    pane.appendTextChild(QStringLiteral("ActiveCol"), QString::number(SelectedColumn));
    options.appendTextChild(QStringLiteral("ProtectObjects"), QStringLiteral("False"));
    options.appendTextChild(QStringLiteral("ProtectScenarios"), QStringLiteral("False"));
}
