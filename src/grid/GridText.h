#pragma once

#include <QString>
#include <QStringView>

#include <cstring>
#include <iterator>
#include <new>
#include <utility>

// A cell's text. Short texts (times, page numbers, markers, tracker letters: most cells) live inside
// the object, so scanning a column touches no heap memory and writing one allocates nothing; longer
// texts are an implicitly shared QString.
class GridText {
public:
    static constexpr qsizetype kInline = 11;

    GridText() noexcept : m_len(0), m_heap(false) {}
    explicit GridText(const QString& s) : m_len(0), m_heap(false) { assign(s); }
    GridText(const GridText& o) : m_len(o.m_len), m_heap(o.m_heap) {
        if (m_heap)
            new (&m_str) QString(o.m_str);
        else
            std::memcpy(m_buf, o.m_buf, size_t(m_len) * sizeof(char16_t));
    }
    GridText(GridText&& o) noexcept : m_len(0), m_heap(false) { moveFrom(std::move(o)); }
    GridText& operator=(const GridText& o) {
        if (this != &o) {
            GridText copy(o);
            swap(copy);
        }
        return *this;
    }
    GridText& operator=(GridText&& o) noexcept {
        if (this != &o) {
            clear();
            moveFrom(std::move(o));
        }
        return *this;
    }
    ~GridText() { clear(); }

    void assign(QStringView s) {
        if (s.size() <= kInline) {
            clear();
            if (!s.isEmpty())
                std::memcpy(m_buf, s.utf16(), size_t(s.size()) * sizeof(char16_t));
            m_len = quint8(s.size());
            return;
        }
        assign(s.toString());
    }
    void assign(const QString& s) {
        if (s.size() <= kInline) {
            assign(QStringView(s));
            return;
        }
        if (m_heap) {
            m_str = s;
        } else {
            new (&m_str) QString(s); // shares the text's data: no copy
            m_heap = true;
        }
    }
    void clear() noexcept {
        if (m_heap) {
            m_str.~QString();
            m_heap = false;
        }
        m_len = 0;
    }

    QStringView view() const noexcept { return m_heap ? QStringView(m_str) : QStringView(m_buf, m_len); }
    QString toString() const {
        return m_heap ? m_str : QString(reinterpret_cast<const QChar*>(m_buf), m_len);
    }
    bool isEmpty() const noexcept { return m_heap ? m_str.isEmpty() : m_len == 0; }

    void swap(GridText& o) noexcept {
        GridText tmp(std::move(o));
        o.clear();
        o.moveFrom(std::move(*this));
        clear();
        moveFrom(std::move(tmp));
    }

private:
    // Requires this to be clear.
    void moveFrom(GridText&& o) noexcept {
        m_len = o.m_len;
        m_heap = o.m_heap;
        if (m_heap)
            new (&m_str) QString(std::move(o.m_str));
        else
            std::memcpy(m_buf, o.m_buf, size_t(m_len) * sizeof(char16_t));
    }

    union {
        QString m_str;
        char16_t m_buf[kInline];
    };
    quint8 m_len;
    bool m_heap;
};

inline void swap(GridText& a, GridText& b) noexcept { a.swap(b); }

// A short text composed on the stack (times, page numbers): written to a cell with
// StyleGrid::setCellTextView, it costs no allocation at all.
struct ShortText {
    char16_t data[32];
    qsizetype size = 0;

    void clear() { size = 0; }
    void append(char16_t c) {
        if (size < qsizetype(std::size(data)))
            data[size++] = c;
    }
    // Decimal digits, no leading zeros.
    void appendNumber(quint64 v) {
        char16_t digits[20];
        int n = 0;
        do {
            digits[n++] = char16_t(u'0' + v % 10);
            v /= 10;
        } while (v > 0);
        while (n > 0)
            append(digits[--n]);
    }
    QStringView view() const { return QStringView(data, size); }
    QString toString() const { return view().toString(); }
};
