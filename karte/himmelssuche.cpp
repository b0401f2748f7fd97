#include "himmelssuche.h"

#include <cstdio>
#include <cstring>

#include "koerper.h"
#include "namensvergleich.h"
#include "suchtext.h"
#include "utf8.h"

namespace {

// A designation as typed: an HR number, or a Flamsteed number or Bayer
// letter (with its index digit, or '\0' for any) and a constellation's
// abbreviation.
struct Kennung {
    int32_t hr = 0, flamsteed = 0;
    const char* bayer = nullptr;
    char index = '\0';
    const char* sternbild = nullptr;
};

// Bytes of a designation's text ("α¹ Lyr", "HR 9999") and of one name of a
// constellation in UTF-8, NUL included (the longest name has 22 bytes).
constexpr size_t KENNUNG_TEXT = 16;
constexpr size_t SBNAME_TEXT = 32;

bool ziffer(char c) { return c >= '0' && c <= '9'; }

// The number of text when it is 1 to stellen digits and nothing else, else 0.
int32_t zahl(const char* text, size_t stellen) {
    int32_t n = 0;
    size_t i = 0;
    for (; ziffer(text[i]); ++i) {
        if (i == stellen) return 0;
        n = n * 10 + (text[i] - '0');
    }
    return text[i] == '\0' ? n : 0;
}

// The abbreviation of the constellation name names (abbreviation, Latin or
// German name), null when none.
const char* sternbild_abk(const Himmel& himmel, const char* name) {
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) {
        const SternbildSatz& s = himmel.sternbilder[i];
        if (s.abk[0] != '\0' && (namen_gleich(name, s.abk) || namen_gleich(name, s.name) ||
                                 namen_gleich(name, s.zweitname)))
            return s.abk;
    }
    return nullptr;
}

// Reads a designation from the prepared text t; false when t is none.
bool kennung_lesen(const Himmel& himmel, const char* t, Kennung& k) {
    if ((t[0] == 'H' || t[0] == 'h') && (t[1] == 'R' || t[1] == 'r')) {
        k.hr = zahl(t[2] == ' ' ? t + 3 : t + 2, 4);
        return k.hr > 0;
    }
    const char* rest = std::strchr(t, ' ');
    if (rest == nullptr || rest - t >= 16) return false;
    char wort[16];
    std::memcpy(wort, t, static_cast<size_t>(rest - t));
    wort[rest - t] = '\0';
    ++rest;
    if (ziffer(wort[0])) {
        k.flamsteed = zahl(wort, 3);
        if (k.flamsteed == 0) return false;
    } else {
        // The index digit follows the letter or stands alone before the constellation.
        size_t n = std::strlen(wort);
        if (n > 1 && ziffer(wort[n - 1])) {
            k.index = wort[--n];
            wort[n] = '\0';
        } else if (ziffer(rest[0]) && rest[1] == ' ') {
            k.index = rest[0];
            rest += 2;
        }
        k.bayer = bayer_abkuerzung(wort);
        if (k.bayer == nullptr || k.index == '0') return false;
    }
    k.sternbild = sternbild_abk(himmel, rest);
    return k.sternbild != nullptr;
}

// The Flamsteed number of a designation's first three characters, 0 none.
int32_t flamsteed_von(const char* bezeichnung) {
    int32_t n = 0;
    for (int i = KENNUNG_FLAMSTEED; i < KENNUNG_FLAMSTEED + KENNUNG_FLAMSTEED_LAENGE; ++i)
        if (ziffer(bezeichnung[i])) n = n * 10 + (bezeichnung[i] - '0');
    return n;
}

bool passt(const SternSatz& s, const Kennung& k) {
    if (k.hr > 0) return s.nummer == k.hr;
    const char* b = s.bezeichnung;
    if (std::strncmp(b + KENNUNG_STERNBILD, k.sternbild, KENNUNG_STERNBILD_LAENGE) != 0) return false;
    if (k.flamsteed > 0) return flamsteed_von(b) == k.flamsteed;
    return std::strncmp(b + KENNUNG_BAYER, k.bayer, 3) == 0 &&
           (k.index == '\0' || b[KENNUNG_BAYER_INDEX] == k.index);
}

// The star's designation as people write it, UTF-8: "α¹ Lyr", "10 UMa",
// "HR 7001".
void kennung_text(const SternSatz& s, char* ziel, size_t groesse) {
    const char* b = s.bezeichnung;
    char sternbild[KENNUNG_STERNBILD_LAENGE + 1] = {};
    std::memcpy(sternbild, b + KENNUNG_STERNBILD, KENNUNG_STERNBILD_LAENGE);
    const uint32_t griechisch = bayer_zeichen(b + KENNUNG_BAYER);
    const int32_t flamsteed = flamsteed_von(b);
    if (sternbild[0] == ' ' || (griechisch == 0 && flamsteed == 0)) {
        std::snprintf(ziel, groesse, "HR %d", s.nummer);
        return;
    }
    if (griechisch == 0) {
        std::snprintf(ziel, groesse, "%d %s", flamsteed, sternbild);
        return;
    }
    size_t laenge = 0;
    ziel[0] = '\0';
    utf8_anhaengen(griechisch, ziel, groesse, laenge);
    const char index = b[KENNUNG_BAYER_INDEX];
    if (index >= '1' && index <= '9') {
        // Superscript one to three are Latin-1's, the others U+2074 on.
        static const uint32_t HOCH[] = {0xB9, 0xB2, 0xB3, 0x2074, 0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
        utf8_anhaengen(HOCH[index - '1'], ziel, groesse, laenge);
    }
    std::snprintf(ziel + laenge, groesse - laenge, " %s", sternbild);
}

Fund stern_fund(const Himmel& himmel, int32_t k, int32_t i) {
    Fund f{Fundart::STERN, k, i, ""};
    const SternSatz& s = himmel.stern_saetze[k][i];
    char kennung[KENNUNG_TEXT];
    kennung_text(s, kennung, sizeof kennung);
    if (s.eigenname == nullptr) {
        std::snprintf(f.text, sizeof f.text, "%s", kennung);
        return f;
    }
    char name[FUND_TEXT];
    utf8_aus_1252(s.eigenname, name, sizeof name);
    std::snprintf(f.text, sizeof f.text, "%.40s (%s)", name, kennung);
    return f;
}

Fund sternbild_fund(const Himmel& himmel, int32_t i) {
    const SternbildSatz& s = himmel.sternbilder[i];
    Fund f{Fundart::STERNBILD, 0, i, ""};
    char name[SBNAME_TEXT], zweit[SBNAME_TEXT];
    utf8_aus_1252(s.name ? s.name : "", name, sizeof name);
    utf8_aus_1252(s.zweitname ? s.zweitname : "", zweit, sizeof zweit);
    if (zweit[0] == '\0' || std::strcmp(name, zweit) == 0)
        std::snprintf(f.text, sizeof f.text, "%s (%.3s)", name, s.abk);
    else
        std::snprintf(f.text, sizeof f.text, "%s, %s (%.3s)", name, zweit, s.abk);
    return f;
}

Fund koerper_fund(int32_t art) {
    Fund f{Fundart::KOERPER, 0, art, ""};
    std::snprintf(f.text, sizeof f.text, "%s", koerper_name(art));
    return f;
}

// Calls nimm(fund) for every object one of whose names passt(name) accepts,
// the bodies first, then the constellations, then the stars brightest
// first, until nimm returns false.
template <typename Passt, typename Nimm>
void namen_durchgehen(const Himmel& himmel, Passt passt_name, Nimm nimm) {
    for (int32_t art = 0; art < KOERPER_ANZAHL; ++art)
        if (passt_name(koerper_name(art)) && !nimm(koerper_fund(art))) return;
    for (int32_t i = 0; i < himmel.sternbild_anzahl; ++i) {
        const SternbildSatz& s = himmel.sternbilder[i];
        if ((s.abk[0] != '\0' && passt_name(s.abk)) || passt_name(s.name) || passt_name(s.zweitname))
            if (!nimm(sternbild_fund(himmel, i))) return;
    }
    for (int32_t k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < himmel.anzahl[k]; ++i) {
            const SternSatz& s = himmel.stern_saetze[k][i];
            if (s.eigenname != nullptr && (passt_name(s.eigenname) || passt_name(iau_name(s))))
                if (!nimm(stern_fund(himmel, k, i))) return;
        }
}

bool gleich(const Fund& a, const Fund& b) {
    return a.art == b.art && a.klasse == b.klasse && a.index == b.index;
}

}  // namespace

Fund himmel_finden(const Himmel& himmel, const char* text) {
    char t[SUCHTEXT];
    suchtext(text, t);
    Fund f{Fundart::KEINER, 0, 0, ""};
    if (t[0] == '\0') return f;
    namen_durchgehen(himmel, [&](const char* name) { return name != nullptr && namen_gleich(name, t); },
                     [&](const Fund& gefunden) {
                         f = gefunden;
                         return false;
                     });
    Kennung k;
    if (f.art != Fundart::KEINER || !kennung_lesen(himmel, t, k)) return f;
    for (int32_t kl = 0; kl < KLASSEN; ++kl)
        for (int32_t i = 0; i < himmel.anzahl[kl]; ++i)
            if (passt(himmel.stern_saetze[kl][i], k)) return stern_fund(himmel, kl, i);
    return f;
}

int32_t himmel_vorschlaege(const Himmel& himmel, const char* text, Fund* funde, int32_t max) {
    char t[SUCHTEXT];
    suchtext(text, t);
    if (t[0] == '\0' || max <= 0) return 0;
    int32_t n = 0;
    const Fund ganz = himmel_finden(himmel, text);
    if (ganz.art != Fundart::KEINER) funde[n++] = ganz;
    namen_durchgehen(himmel, [&](const char* name) { return name != nullptr && name_beginnt(name, t); },
                     [&](const Fund& f) {
                         if (n < max && !(n > 0 && gleich(f, funde[0]))) funde[n++] = f;
                         return n < max;
                     });
    return n;
}
