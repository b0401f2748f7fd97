// The saver's sidereal time from the local clock.
#include <windows.h>

#include "rahmen.h"

double ScrSternzeit() {
    SYSTEMTIME jetzt;
    GetLocalTime(&jetzt);
    return sternzeit(jetzt.wMonth - 1, jetzt.wDay, jetzt.wHour, jetzt.wMinute, jetzt.wSecond);
}
