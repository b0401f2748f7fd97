#include "gemeinsam/uhr.h"

#include <windows.h>

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
