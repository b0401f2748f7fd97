// The clocks of both programs: the saver's clock rule from the local clock,
// and the system clock's universal time.
#include <windows.h>

#include "weltzeit.h"
#include "zeitregeln.h"

namespace {

constexpr uint64_t TICKS_JE_SEKUNDE = 10000000;     // FILETIME counts 100 ns
constexpr int64_t SEKUNDEN_1601_BIS_1970 = 11644473600;

}  // namespace

double sternzeit_jetzt() {
    SYSTEMTIME jetzt;
    GetLocalTime(&jetzt);
    return sternzeit(jetzt.wMonth - 1, jetzt.wDay, jetzt.wHour, jetzt.wMinute, jetzt.wSecond);
}

int64_t utc_jetzt() {
    FILETIME f;
    GetSystemTimeAsFileTime(&f);
    const uint64_t ticks = (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    return static_cast<int64_t>(ticks / TICKS_JE_SEKUNDE) - SEKUNDEN_1601_BIS_1970;
}
