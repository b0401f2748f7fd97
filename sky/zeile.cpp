#include "zeile.h"

#include <cstring>
#include <new>

namespace {
bool trenner(char c) {
    return c == ';' || c == '\r' || c == '\n';
}
}  // namespace

char* naechstes_feld(char*& rest) {
    while (*rest != '\0' && trenner(*rest)) ++rest;
    if (*rest == '\0') return nullptr;
    char* feld = rest;
    while (*rest != '\0' && !trenner(*rest)) ++rest;
    if (*rest != '\0') *rest++ = '\0';
    return feld;
}

char* feld_kopie(const char* feld) {
    if (!feld_vorhanden(feld)) return nullptr;
    const std::size_t laenge = std::strlen(feld);
    char* kopie = new (std::nothrow) char[laenge + 1];
    if (kopie != nullptr) std::memcpy(kopie, feld, laenge + 1);
    return kopie;
}

char* namen_kopie(const char* name, const char* zweiter) {
    if (!feld_vorhanden(name)) return nullptr;
    if (!feld_vorhanden(zweiter)) zweiter = "";
    const std::size_t a = std::strlen(name) + 1, b = std::strlen(zweiter) + 1;
    char* kopie = new (std::nothrow) char[a + b];
    if (kopie == nullptr) return nullptr;
    std::memcpy(kopie, name, a);
    std::memcpy(kopie + a, zweiter, b);
    return kopie;
}
