#include "platform/CTime.h"

#include <ctime>

namespace {
TimeSource g_source = nullptr;
}

void SetTimeSource(TimeSource source)
{
    g_source = source;
}

time_seconds TimeNow()
{
    if (g_source)
        return g_source();
    return static_cast<time_seconds>(std::time(nullptr));
}

CTime::CTime(time_seconds t)
{
    const std::time_t value = static_cast<std::time_t>(t);
    std::tm fields{};
#if defined(_WIN32)
    localtime_s(&fields, &value);
#else
    localtime_r(&value, &fields);
#endif
    m_day = fields.tm_mday;
    m_month = fields.tm_mon + 1;
    m_year = fields.tm_year + 1900;
}

CTime CTime::GetCurrentTime()
{
    return CTime(TimeNow());
}
