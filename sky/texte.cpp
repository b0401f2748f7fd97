// The texts of the selected star and constellation, German number format.
#include <cstdio>
#include <cstring>

#include "himmel.h"

const SternSatz* Himmel::gewaehlter_stern() const {
    if (wahl_klasse < 0 || wahl_klasse >= KLASSEN) return nullptr;
    if (wahl_index < 0 || wahl_index >= anzahl[wahl_klasse]) return nullptr;
    return &stern_saetze[wahl_klasse][wahl_index];
}

const SternbildSatz* Himmel::gewaehltes_sternbild() const {
    if (wahl_sternbild < 0 || wahl_sternbild >= sternbild_anzahl) return nullptr;
    return &sternbilder[wahl_sternbild];
}

namespace {
// Magnitude x 100 as "+6,50" or "- 1,46".
void helligkeit_text(char* puffer, int16_t helligkeit) {
    if (helligkeit >= 0)
        std::snprintf(puffer, TEXT_PUFFER, "+%.2f", helligkeit * 0.01);
    else
        std::snprintf(puffer, TEXT_PUFFER, "- %.2f", -helligkeit * 0.01);
    char* punkt = std::strchr(puffer, '.');
    if (punkt != nullptr) *punkt = ',';
}
}  // namespace

const char* Himmel::stern_text(int32_t art) const {
    static char puffer[TEXT_PUFFER];
    puffer[0] = '\0';
    const SternSatz* s = gewaehlter_stern();
    if (s == nullptr) return puffer;
    switch (art) {
    case 1:
        std::snprintf(puffer, TEXT_PUFFER, "%d", s->nummer);
        break;
    case 2:
        std::snprintf(puffer, TEXT_PUFFER, "%.*s", static_cast<int>(sizeof s->bezeichnung),
                      s->bezeichnung);
        break;
    case 3:
        std::snprintf(puffer, TEXT_PUFFER, "%s", s->eigenname != nullptr ? s->eigenname : "");
        break;
    case 4:
        std::snprintf(puffer, TEXT_PUFFER, "+%02dh %02d' %02d,%d''", s->rekt_h, s->rekt_m,
                      s->rekt_s, s->rekt_z);
        break;
    case 5:  // 0xB0 is the degree sign of Windows-1252
        std::snprintf(puffer, TEXT_PUFFER, "%s%02d\xB0 %02d' %02d''",
                      (s->dekl_vz & 0x80) ? "- " : "+", s->dekl_g, s->dekl_m, s->dekl_s);
        break;
    case 6:
        helligkeit_text(puffer, s->helligkeit);
        break;
    case 7:
        std::snprintf(puffer, TEXT_PUFFER, "%c", s->spektrum);
        break;
    }
    return puffer;
}

const char* Himmel::sternbild_text(int32_t art) const {
    static char puffer[TEXT_PUFFER];
    puffer[0] = '\0';
    const SternbildSatz* s = gewaehltes_sternbild();
    if (s == nullptr) return puffer;
    const char* text = nullptr;
    switch (art) {
    case 1: text = s->abk; break;
    case 2: text = s->name; break;
    case 3: text = s->zweitname; break;
    }
    if (text != nullptr) std::snprintf(puffer, TEXT_PUFFER, "%s", text);
    return puffer;
}

char griechisch(char* abk) {
    // Only the Greek letters that share their first letter with another need
    // a row; every other one is its first letter in the Symbol typeface.
    static const struct {
        char abk[4];
        char zeichen;
    } tabelle[] = {
        {"eps", 'e'}, {"eta", 'h'}, {"phi", 'j'}, {"pi ", 'p'}, {"psi", 'y'},
        {"omi", 'o'}, {"ome", 'w'}, {"the", 'J'}, {"tau", 't'},
    };
    if (abk[0] >= 'A' && abk[0] <= 'Z') abk[0] = static_cast<char>(abk[0] - 'A' + 'a');
    for (const auto& zeile : tabelle)
        if (std::strncmp(abk, zeile.abk, 3) == 0) return zeile.zeichen;
    return abk[0];
}
