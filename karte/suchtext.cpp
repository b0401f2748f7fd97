#include "suchtext.h"

#include <cstring>

#include "namensvergleich.h"
#include "utf8.h"

namespace {

// The Bayer letters: the small letter's code point, the catalogue's
// abbreviation, and the spellings people type besides it.
struct Buchstabe {
    uint32_t zeichen;
    char abk[4];
    const char* namen[3];
};
constexpr Buchstabe BUCHSTABEN[] = {
    {0x03B1, "Alp", {"alpha", "alf", nullptr}},  {0x03B2, "Bet", {"beta", nullptr, nullptr}},
    {0x03B3, "Gam", {"gamma", nullptr, nullptr}}, {0x03B4, "Del", {"delta", nullptr, nullptr}},
    {0x03B5, "Eps", {"epsilon", nullptr, nullptr}}, {0x03B6, "Zet", {"zeta", nullptr, nullptr}},
    {0x03B7, "Eta", {nullptr, nullptr, nullptr}}, {0x03B8, "The", {"theta", "tet", nullptr}},
    {0x03B9, "Iot", {"iota", nullptr, nullptr}},  {0x03BA, "Kap", {"kappa", nullptr, nullptr}},
    {0x03BB, "Lam", {"lambda", nullptr, nullptr}}, {0x03BC, "Mu ", {"my", nullptr, nullptr}},
    {0x03BD, "Nu ", {"ny", nullptr, nullptr}},    {0x03BE, "Xi ", {"ksi", nullptr, nullptr}},
    {0x03BF, "Omi", {"omicron", "omikron", nullptr}}, {0x03C0, "Pi ", {nullptr, nullptr, nullptr}},
    {0x03C1, "Rho", {nullptr, nullptr, nullptr}}, {0x03C3, "Sig", {"sigma", nullptr, nullptr}},
    {0x03C4, "Tau", {nullptr, nullptr, nullptr}}, {0x03C5, "Ups", {"upsilon", "ypsilon", nullptr}},
    {0x03C6, "Phi", {nullptr, nullptr, nullptr}}, {0x03C7, "Chi", {nullptr, nullptr, nullptr}},
    {0x03C8, "Psi", {nullptr, nullptr, nullptr}}, {0x03C9, "Ome", {"omega", nullptr, nullptr}},
};

// The row of a Greek code point: capitals lie 0x20 below the small
// letters; final sigma and the curly phi are sigma and phi.
const Buchstabe* buchstabe_von(uint32_t zeichen) {
    if (zeichen >= 0x0391 && zeichen <= 0x03A9) zeichen += 0x20;
    if (zeichen == 0x03C2) zeichen = 0x03C3;
    if (zeichen == 0x03D5) zeichen = 0x03C6;
    for (const Buchstabe& b : BUCHSTABEN)
        if (b.zeichen == zeichen) return &b;
    return nullptr;
}

// The digit of a superscript digit, else -1.
int32_t hochziffer(uint32_t zeichen) {
    if (zeichen == 0xB9) return 1;
    if (zeichen == 0xB2) return 2;
    if (zeichen == 0xB3) return 3;
    if (zeichen == 0x2070) return 0;
    if (zeichen >= 0x2074 && zeichen <= 0x2079) return static_cast<int32_t>(zeichen - 0x2070);
    return -1;
}

// Appends text to ziel at laenge, one blank for blanks in a row and none at
// the start, within SUCHTEXT - 1 bytes.
void anhaengen(char* ziel, size_t& laenge, const char* text) {
    for (; *text; ++text) {
        const bool leer = *text == ' ' || *text == '\t';
        if (leer && (laenge == 0 || ziel[laenge - 1] == ' ')) continue;
        if (laenge + 1 >= SUCHTEXT) return;
        ziel[laenge++] = leer ? ' ' : *text;
    }
}

}  // namespace

void suchtext(const char* text, char ziel[SUCHTEXT]) {
    size_t laenge = 0;
    const size_t gesamt = text ? std::strlen(text) : 0;
    for (size_t i = 0, n; i < gesamt; i += n) {
        uint32_t zeichen;
        n = utf8_zeichen(text, gesamt, i, zeichen);
        if (n == 0) {  // not UTF-8: the byte as Windows-1252
            n = 1;
            zeichen = static_cast<unsigned char>(text[i]);
        }
        char stueck[4] = {zeichen_1252(zeichen), '\0'};
        if (const Buchstabe* b = buchstabe_von(zeichen)) {
            std::memcpy(stueck, b->abk, sizeof stueck);
            if (stueck[2] == ' ') stueck[2] = '\0';
        } else if (hochziffer(zeichen) >= 0) {
            stueck[0] = static_cast<char>('0' + hochziffer(zeichen));
        } else if (n == 1) {
            stueck[0] = text[i];
        }
        anhaengen(ziel, laenge, stueck);
    }
    if (laenge > 0 && ziel[laenge - 1] == ' ') --laenge;
    ziel[laenge] = '\0';
}

const char* bayer_abkuerzung(const char* wort) {
    for (const Buchstabe& b : BUCHSTABEN) {
        char abk[4] = {b.abk[0], b.abk[1], b.abk[2] == ' ' ? '\0' : b.abk[2], '\0'};
        if (namen_gleich(wort, abk)) return b.abk;
        for (const char* name : b.namen)
            if (name && namen_gleich(wort, name)) return b.abk;
    }
    return nullptr;
}

uint32_t bayer_zeichen(const char* abk) {
    for (const Buchstabe& b : BUCHSTABEN)
        if (std::strncmp(abk, b.abk, 3) == 0) return b.zeichen;
    return 0;
}
