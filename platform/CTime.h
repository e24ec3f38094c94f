// Calendar time: the current time in whole seconds and its local calendar
// fields. The framework takes the time from the window backend, so that
// tests can set the date.
#pragma once

#include <cstdint>

using time_seconds = std::int64_t;

// The current calendar time in whole seconds since 1970.
time_seconds TimeNow();

// Where TimeNow reads the time; null: the system clock.
using TimeSource = time_seconds (*)();
void SetTimeSource(TimeSource source);

class CTime {
  public:
    explicit CTime(time_seconds t);
    static CTime GetCurrentTime();

    int GetDay() const { return m_day; }     // 1..31
    int GetMonth() const { return m_month; } // 1..12
    int GetYear() const { return m_year; }

  private:
    int m_day = 1;
    int m_month = 1;
    int m_year = 1970;
};
