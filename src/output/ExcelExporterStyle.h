#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

class ExcelXmlElement;

// The look of a workbook cell. Cells start with a style of their own; on save, cells whose styles give
// the same Key share one registered style and one "Style" element.
class ExcelExporterStyle {
public:
    bool FontBold = false;
    bool FontItalic = false;
    int FontSize = 0; // 0: not given
    QString FontName;
    bool FontUnderline = false;
    quint32 FontColor = 0x000000; // 24-bit RGB
    bool HasBackColor = false;
    quint32 BackColor = 0x000000;
    bool BorderRight = false;
    bool BorderLeft = false;
    bool BorderTop = false;
    bool BorderBottom = false;
    QString VerticalAlignment;
    QString HorizontalAlignment;
    int BorderWidth = 0;
    bool WrapText = false;
    int Rotate = 0;
    QString Format;

    explicit ExcelExporterStyle(int id = 0) : m_ID(id) {}

    // What tells two styles apart in the file, measured against the default style.
    QString Key(const ExcelExporterStyle& defaultStyle) const;
    void GenerateXml(ExcelXmlElement& styles, const ExcelExporterStyle& defaultStyle) const;
    // "Default" for the default style (ID -1), else "s" and the number.
    QString ID() const;
    int id() const { return m_ID; }
    void setID(int id) { m_ID = id; }

    // True when the style gives a fill, a border or a number format.
    bool decoratesCell() const { return HasBackColor || anyBorder() || !Format.isEmpty(); }

    // "#RRGGBB" in upper-case hexadecimal.
    static QString ColorToString(quint32 rgb);

    // The styles met while saving, in order of first use, found by key.
    class Registry {
    public:
        bool contains(const QString& key) const { return m_index.contains(key); }
        void add(const QString& key, std::shared_ptr<ExcelExporterStyle> style);
        std::shared_ptr<ExcelExporterStyle> style(const QString& key) const;
        int count() const { return int(m_styles.size()); }
        const std::vector<std::shared_ptr<ExcelExporterStyle>>& styles() const { return m_styles; }

    private:
        QHash<QString, int> m_index;
        std::vector<std::shared_ptr<ExcelExporterStyle>> m_styles;
    };

private:
    bool anyBorder() const { return BorderLeft || BorderRight || BorderTop || BorderBottom; }

    int m_ID;
};
