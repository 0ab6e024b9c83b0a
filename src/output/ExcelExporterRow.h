#pragma once

#include "output/ExcelExporterCell.h"

#include <memory>
#include <vector>

class ExcelXmlElement;

// One worksheet row and its cells, numbered from 1.
class ExcelExporterRow {
public:
    int Index = 0; // 0: one after the previous row
    bool AutoFitHeight = false;
    int Height = 0;

    // Cell index, appending empty cells until there are at least index. index >= 1.
    ExcelExporterCell& Cell(int index);
    int CellCount() const { return int(m_Cells.size()); }
    void reserveCells(int n) { m_Cells.reserve(size_t(std::max(n, 0))); }

    // The last column and the last row this row's cells reach, merges included (Index must be set).
    int lastColumnReached() const;
    int lastRowReached() const;

    void GenerateXml(ExcelXmlElement& table, const ExcelExporterStyle& defaultStyle,
                     ExcelExporterStyle::Registry& styles, ExcelCoveredSet& covered, int rowPosition);

private:
    std::vector<std::unique_ptr<ExcelExporterCell>> m_Cells;
};
