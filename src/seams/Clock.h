#pragma once

#include <QDateTime>

// Now, for the over/under check, the Save As name, the print time and the workbook date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that tells the time it was given.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime t = QDateTime(QDate(2026, 3, 7), QTime(12, 0))) : m_now(std::move(t)) {}
    QDateTime now() const override { return m_now; }
    void set(QDateTime t) { m_now = std::move(t); }

private:
    QDateTime m_now;
};
