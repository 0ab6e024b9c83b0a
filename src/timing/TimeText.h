#pragma once

#include "grid/GridText.h"

#include <QString>
#include <QStringView>

// Durations written as text: reading a Time cell, the display forms of computed times, the Time
// editor's key filter and the show-length fields. Pure functions.
namespace TimeText {

constexpr qint64 kDay = 86400;

// The number at the start of a text (optional blanks, sign, digits, fraction), made whole by
// truncation toward zero and saturated to the 32-bit range; 0 when the text starts with no number.
qint32 leadingNumber(QStringView text);

enum class Kind { NoTime, Invalid, Valid };
struct Reading {
    Kind kind = Kind::NoTime;
    qint64 seconds = 0;
};

// Reads a Time cell: empty = no time, no ":" = invalid, else minutes * 60 + seconds.
Reading read(QStringView text);


// The value reduced to one day: 0 .. 86,399 (negative values turn late in the day).
qint64 dayClock(qint64 value);

// "M:SS" below one hour, else "H:MM:SS", of the value reduced by the day clock.
QString display(qint64 value);
// The same, appended to a buffer (no allocation for the common short forms).
void appendDisplay(ShortText& out, qint64 value);

// The Back cell text of a back time value (show length minus the sums below), reduced by the day clock:
// hour 0 short form, 1..10 long form, 23 "-" and the short form of the rest of the day, else "?M:SS".
QString backTime(qint64 value);
void appendBackTime(ShortText& out, qint64 value);

// A displayed running total read back: "H:MM:SS" (two ":") or minutes and seconds; a trailing blank
// is ignored.
qint64 readDisplayed(QStringView text);

// What the Time cell editor does with a key, given its text and caret position.
enum class KeyAction { Accept, Reject, Commit, NextCell };
KeyAction timeEditorKey(QStringView text, int caret, QChar key);

// Show length fields of the preferences: minutes with at least two digits, seconds in two digits.
QString showMinutesField(qint64 showSeconds);
QString showSecondsField(qint64 showSeconds);
// The seconds field after a change: a number above 59 becomes "59".
QString clampSecondsField(const QString& text);
// Whether a key may be typed into either show length field (digits and Backspace).
bool showFieldKeyAccepted(QChar key);
// The show length from the two fields, saturated to the 32-bit range.
qint32 showLengthFromFields(QStringView minutes, QStringView seconds);

} // namespace TimeText
