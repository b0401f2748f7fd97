#include "bedienfeld/momenttext.h"

#include <cstdio>
#include <cstring>

#include "gemeinsam/ui_texte.h"
#include "kalender.h"

namespace {

struct Abkuerzung {
    const char* tzdata;
    const char* deutsch;
};
constexpr Abkuerzung DEUTSCH[] = {
    {"CET", "MEZ"}, {"CEST", "MESZ"}, {"EET", "OEZ"}, {"EEST", "OESZ"}, {"WET", "WEZ"}, {"WEST", "WESZ"},
};

}  // namespace

const char* zone_deutsch(const char* abk) {
    for (const Abkuerzung& a : DEUTSCH)
        if (std::strcmp(a.tzdata, abk) == 0) return a.deutsch;
    return abk;
}

void moment_in_worten(char* ziel, size_t groesse, const Moment& m, const char* abk) {
    if (groesse == 0) return;
    ziel[0] = '\0';
    if (datum_pruefen(m.datum) != ZEIT_OK || uhrzeit_pruefen(m.zeit) != ZEIT_OK) return;
    snprintf(ziel, groesse, "%s, %d. %s %d, %d:%02d %s", ui_text(UI_WOCHENTAG + wochentag(m.datum)),
             static_cast<int>(m.datum.tag), ui_text(UI_MONATSNAME + m.datum.monat - 1),
             static_cast<int>(m.datum.jahr), static_cast<int>(m.zeit.stunde),
             static_cast<int>(m.zeit.minute), zone_deutsch(abk));
}
