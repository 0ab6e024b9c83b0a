#include "timing/TimeText.h"

#include <algorithm>
#include <limits>

namespace TimeText {

qint32 leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Digits beyond the 32-bit range only keep the value saturated; the fraction is dropped,
    // which truncates toward zero.
    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 value = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = std::min(limit, value * 10 + (text[i].unicode() - u'0'));
        ++i;
    }
    if (negative)
        value = -value;
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

Reading read(QStringView text) {
    if (text.isEmpty())
        return {Kind::NoTime, 0};
    const qsizetype p = text.indexOf(u':');
    if (p < 0)
        return {Kind::Invalid, 0};
    const qint64 minutes = leadingNumber(text.left(p));
    const qint64 seconds = leadingNumber(text.mid(p + 1));
    return {Kind::Valid, minutes * 60 + seconds};
}

qint64 dayClock(qint64 value) {
    const qint64 r = value % kDay;
    return r < 0 ? r + kDay : r;
}

namespace {
void appendTwoDigits(ShortText& out, qint64 v) {
    out.append(char16_t(u'0' + (v / 10) % 10));
    out.append(char16_t(u'0' + v % 10));
}
// Short form of m and s: minutes without leading zeros, seconds in two digits.
void appendShort(ShortText& out, qint64 m, qint64 s) {
    out.appendNumber(quint64(m));
    out.append(u':');
    appendTwoDigits(out, s);
}
} // namespace

void appendDisplay(ShortText& out, qint64 value) {
    const qint64 v = dayClock(value);
    const qint64 h = v / 3600, m = (v % 3600) / 60, s = v % 60;
    if (h == 0) {
        appendShort(out, m, s);
        return;
    }
    out.appendNumber(quint64(h));
    out.append(u':');
    appendTwoDigits(out, m);
    out.append(u':');
    appendTwoDigits(out, s);
}

QString display(qint64 value) {
    ShortText out;
    appendDisplay(out, value);
    return out.toString();
}

void appendBackTime(ShortText& out, qint64 value) {
    const qint64 r = dayClock(value);
    const qint64 h = r / 3600;
    if (h <= 10) {
        appendDisplay(out, r);
    } else if (h == 23) {
        const qint64 early = kDay - r; // 1 .. 3600 seconds before the show starts
        out.append(u'-');
        appendShort(out, early / 60, early % 60);
    } else {
        out.append(u'?');
        appendShort(out, (r % 3600) / 60, r % 60);
    }
}

QString backTime(qint64 value) {
    ShortText out;
    appendBackTime(out, value);
    return out.toString();
}

qint64 readDisplayed(QStringView text) {
    text = text.trimmed();
    const qsizetype first = text.indexOf(u':');
    if (first >= 0) {
        const qsizetype second = text.indexOf(u':', first + 1);
        if (second >= 0) {
            return qint64(leadingNumber(text.left(first))) * 3600 +
                   qint64(leadingNumber(text.mid(first + 1, second - first - 1))) * 60 +
                   leadingNumber(text.mid(second + 1));
        }
    }
    const Reading r = read(text);
    return r.kind == Kind::Valid ? r.seconds : 0;
}

KeyAction timeEditorKey(QStringView text, int caret, QChar key) {
    const char16_t k = key.unicode();
    if (k == 8 || k == 28 || k == 29)
        return KeyAction::Accept;
    if (k == 13)
        return KeyAction::Commit;
    if (k == 9)
        return KeyAction::NextCell;
    const qsizetype colon = text.indexOf(u':'); // 0-based; the caret sits right after it at colon + 1
    if (k >= u'0' && k <= u'5')
        return KeyAction::Accept;
    if (k >= u'6' && k <= u'9')
        return (colon < 0 || caret != colon + 1) ? KeyAction::Accept : KeyAction::Reject;
    if (k == u':')
        return colon < 0 ? KeyAction::Accept : KeyAction::Reject;
    return KeyAction::Reject;
}

QString showMinutesField(qint64 showSeconds) {
    return QString::number(showSeconds / 60).rightJustified(2, u'0');
}

QString showSecondsField(qint64 showSeconds) {
    return QString::number(showSeconds % 60).rightJustified(2, u'0');
}

QString clampSecondsField(const QString& text) { return leadingNumber(text) > 59 ? QStringLiteral("59") : text; }

bool showFieldKeyAccepted(QChar key) { return key.unicode() == 8 || (key >= u'0' && key <= u'9'); }

qint32 showLengthFromFields(QStringView minutes, QStringView seconds) {
    const qint64 total = qint64(leadingNumber(minutes)) * 60 + leadingNumber(seconds);
    return qint32(std::clamp<qint64>(total, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

} // namespace TimeText
