#include "output/ExcelExporterRow.h"

#include "output/ExcelXmlElement.h"

ExcelExporterCell& ExcelExporterRow::Cell(int index) {
    index = std::max(index, 1);
    while (int(m_Cells.size()) < index)
        m_Cells.push_back(std::make_unique<ExcelExporterCell>());
    return *m_Cells[size_t(index - 1)];
}

void ExcelExporterRow::GenerateXml(ExcelXmlElement& table, const ExcelExporterStyle& defaultStyle,
                                   ExcelExporterStyle::Registry& styles, ExcelCoveredSet& covered, int rowPosition) {
    ExcelXmlElement& row = table.appendChild(QStringLiteral("Row"));
    row.setAttribute(QStringLiteral("ss:Index"), QString::number(Index));
    if (AutoFitHeight || Height == 0) {
        row.setAttribute(QStringLiteral("ss:AutoFitHeight"), QStringLiteral("1"));
    } else {
        row.setAttribute(QStringLiteral("ss:AutoFitHeight"), QStringLiteral("0"));
        row.setAttribute(QStringLiteral("ss:Height"), QString::number(Height));
    }
    bool needIndex = false;
    for (int c = 1; c <= int(m_Cells.size()); ++c) {
        if (!covered.isEmpty() && covered.contains(excelCoveredKey(c, rowPosition))) {
            needIndex = true;
            continue;
        }
        m_Cells[size_t(c - 1)]->GenerateXml(row, defaultStyle, styles, covered, c, rowPosition, needIndex);
    }
}

int ExcelExporterRow::lastColumnReached() const {
    int last = int(m_Cells.size());
    for (int c = 1; c <= int(m_Cells.size()); ++c)
        last = std::max(last, c + m_Cells[size_t(c - 1)]->MergeAcross);
    return last;
}

int ExcelExporterRow::lastRowReached() const {
    int down = 0;
    for (const auto& cell : m_Cells)
        down = std::max(down, cell->MergeDown);
    return Index + down;
}
