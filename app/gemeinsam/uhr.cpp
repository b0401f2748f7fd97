#include "gemeinsam/uhr.h"

#include <windows.h>

namespace {

constexpr uint64_t TICKS_JE_SEKUNDE = 10000000;     // FILETIME counts 100 ns
constexpr int64_t SEKUNDEN_1601_BIS_1970 = 11644473600;

}  // namespace

int64_t utc_jetzt() {
    FILETIME f;
    GetSystemTimeAsFileTime(&f);
    const uint64_t ticks = (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    return static_cast<int64_t>(ticks / TICKS_JE_SEKUNDE) - SEKUNDEN_1601_BIS_1970;
}

uint32_t ms_bis_zur_naechsten_minute() {
    SYSTEMTIME s;
    GetSystemTime(&s);
    return (60u - s.wSecond) * 1000u - s.wMilliseconds;
}

int32_t jahr_jetzt() {
    SYSTEMTIME s;
    GetLocalTime(&s);
    return s.wYear;
}
