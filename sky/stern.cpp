#include "stern.h"

#include <cstring>

int32_t klasse_von(int32_t helligkeit) {
    const int32_t k = (helligkeit + 200) / 10;  // C++ division truncates toward zero
    if (k < 0) return 0;
    if (k > KLASSEN - 1) return KLASSEN - 1;
    return k;
}

bool links_beschriftet(const char* eigenname) {
    static const char* const NAMEN[] = {"Alcor", "Alkor", "Alchor"};
    if (eigenname == nullptr) return false;
    for (const char* name : NAMEN)
        if (std::strcmp(eigenname, name) == 0) return true;
    return false;
}

const char* iau_name(const SternSatz& s) {
    if (s.eigenname == nullptr) return "";
    return s.eigenname + std::strlen(s.eigenname) + 1;
}
