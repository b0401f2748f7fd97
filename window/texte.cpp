#include "texte.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

char* text_kopie(const char* text) {
    return text ? text_kopie(text, strlen(text)) : nullptr;
}

char* text_kopie(const char* text, size_t n) {
    char* kopie = static_cast<char*>(malloc(n + 1));
    if (!kopie) return nullptr;
    memcpy(kopie, text, n);
    kopie[n] = '\0';
    return kopie;
}

char* text_formatiert(const char* format, va_list argumente) {
    va_list zaehlen;
    va_copy(zaehlen, argumente);
    const int laenge = vsnprintf(nullptr, 0, format, zaehlen);
    va_end(zaehlen);
    if (laenge < 0) return nullptr;
    char* text = static_cast<char*>(malloc(static_cast<size_t>(laenge) + 1));
    if (text) vsnprintf(text, static_cast<size_t>(laenge) + 1, format, argumente);
    return text;
}

void text_freigeben(char*& text) {
    free(text);
    text = nullptr;
}
