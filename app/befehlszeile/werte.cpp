#include "befehlszeile/werte.h"

#include <cstring>


namespace {

constexpr int32_t MAX_ZIFFERN = 9;  // below 2^31 whatever the digits

}  // namespace

bool zahl_lesen(const char* text, int32_t laenge, int32_t minimum, int32_t maximum, int32_t& wert) {
    if (!text || laenge < 1 || laenge > MAX_ZIFFERN) return false;
    int32_t n = 0;
    for (int32_t i = 0; i < laenge; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = 10 * n + (text[i] - '0');
    }
    if (n < minimum || n > maximum) return false;
    wert = n;
    return true;
}

bool zahl_lesen(const char* text, int32_t minimum, int32_t maximum, int32_t& wert) {
    if (!text) return false;
    const size_t laenge = strnlen(text, MAX_ZIFFERN + 1);
    return zahl_lesen(text, static_cast<int32_t>(laenge), minimum, maximum, wert);
}
