#pragma once

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QXmlStreamWriter;

// One element of the workbook's document tree. QDom keeps attributes in a hash and writes them in no
// fixed order; this small tree keeps them as given, and is written in one pass by QXmlStreamWriter.
class ExcelXmlElement {
public:
    explicit ExcelXmlElement(QString name) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }

    ExcelXmlElement& appendChild(const QString& name);
    ExcelXmlElement& appendChild(ExcelXmlElement&& element);
    // An element holding one text node (possibly empty), written as <name>text</name>.
    ExcelXmlElement& appendTextChild(const QString& name, const QString& text);
    // An element carrying one attribute.
    ExcelXmlElement& appendAttributeChild(const QString& name, const QString& attribute, const QString& value);
    // Removes and destroys a direct child; false when it is not one.
    bool removeChild(const ExcelXmlElement* child);

    // Replaces the value of an attribute already set (keeping its place) or appends a new one.
    void setAttribute(const QString& name, const QString& value);
    QString attribute(const QString& name) const;
    int attributeCount() const { return int(m_attributes.size()); }
    const std::vector<std::pair<QString, QString>>& attributes() const { return m_attributes; }

    void setText(const QString& text);
    bool hasText() const { return m_hasText; }
    const QString& text() const { return m_text; }

    int childCount() const { return int(m_children.size()); }
    ExcelXmlElement& child(int i) { return *m_children[size_t(i)]; }
    const ExcelXmlElement& child(int i) const { return *m_children[size_t(i)]; }

    void write(QXmlStreamWriter& writer) const;

    // The text without the characters XML 1.0 cannot carry (controls other than TAB, LF and CR,
    // unpaired surrogates, U+FFFE and U+FFFF): one such character would make the whole file unreadable.
    static QString xmlSafe(const QString& text);

private:
    QString m_name;
    QString m_text;
    bool m_hasText = false;
    std::vector<std::pair<QString, QString>> m_attributes;
    std::vector<std::unique_ptr<ExcelXmlElement>> m_children;
};
