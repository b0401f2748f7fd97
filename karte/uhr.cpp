// The saver's clock rule from the local clock.
#include <windows.h>

#include "zeitregeln.h"

double sternzeit_jetzt() {
    SYSTEMTIME jetzt;
    GetLocalTime(&jetzt);
    return sternzeit(jetzt.wMonth - 1, jetzt.wDay, jetzt.wHour, jetzt.wMinute, jetzt.wSecond);
}
