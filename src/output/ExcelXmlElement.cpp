#include "output/ExcelXmlElement.h"

#include <QXmlStreamWriter>

#include <algorithm>

namespace {
bool forbidden(const QChar* s, qsizetype i, qsizetype n, qsizetype* width) {
    const char16_t c = s[i].unicode();
    *width = 1;
    if (c < 0x20)
        return c != u'\t' && c != u'\n' && c != u'\r';
    if (c == 0xFFFE || c == 0xFFFF)
        return true;
    if (QChar::isHighSurrogate(c)) {
        if (i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
            *width = 2;
            return false;
        }
        return true;
    }
    return QChar::isLowSurrogate(c);
}
} // namespace

QString ExcelXmlElement::xmlSafe(const QString& text) {
    const QChar* s = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    qsizetype w = 1;
    // Nearly every text is clean: hand it back shared, without a copy.
    while (i < n && !forbidden(s, i, n, &w))
        i += w;
    if (i == n)
        return text;
    QString out;
    out.reserve(n);
    out.append(s, i);
    while (i < n) {
        if (!forbidden(s, i, n, &w))
            out.append(s + i, w);
        i += w;
    }
    return out;
}

ExcelXmlElement& ExcelXmlElement::appendChild(const QString& name) {
    m_children.push_back(std::make_unique<ExcelXmlElement>(name));
    return *m_children.back();
}

ExcelXmlElement& ExcelXmlElement::appendChild(ExcelXmlElement&& element) {
    m_children.push_back(std::make_unique<ExcelXmlElement>(std::move(element)));
    return *m_children.back();
}

ExcelXmlElement& ExcelXmlElement::appendTextChild(const QString& name, const QString& text) {
    ExcelXmlElement& e = appendChild(name);
    e.setText(text);
    return e;
}

ExcelXmlElement& ExcelXmlElement::appendAttributeChild(const QString& name, const QString& attribute,
                                                       const QString& value) {
    ExcelXmlElement& e = appendChild(name);
    e.setAttribute(attribute, value);
    return e;
}

bool ExcelXmlElement::removeChild(const ExcelXmlElement* child) {
    auto it = std::find_if(m_children.begin(), m_children.end(), [child](const auto& c) { return c.get() == child; });
    if (it == m_children.end())
        return false;
    m_children.erase(it);
    return true;
}

void ExcelXmlElement::setAttribute(const QString& name, const QString& value) {
    for (auto& a : m_attributes) {
        if (a.first == name) {
            a.second = xmlSafe(value);
            return;
        }
    }
    m_attributes.emplace_back(name, xmlSafe(value));
}

QString ExcelXmlElement::attribute(const QString& name) const {
    for (const auto& a : m_attributes)
        if (a.first == name)
            return a.second;
    return QString();
}

void ExcelXmlElement::setText(const QString& text) {
    m_text = xmlSafe(text);
    m_hasText = true;
}

void ExcelXmlElement::write(QXmlStreamWriter& writer) const {
    // Names carry their prefixes ("ss:Index", "xmlns:x"): the tree is written as plain names.
    writer.writeStartElement(m_name);
    for (const auto& a : m_attributes)
        writer.writeAttribute(a.first, a.second);
    if (m_hasText)
        writer.writeCharacters(m_text); // an empty text still gives <name></name>
    for (const auto& c : m_children)
        c->write(writer);
    writer.writeEndElement();
}
