#include "befehlszeile/schalter.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "befehlszeile/werte.h"
#include "breit.h"
#include "eingabe.h"
#include "gemeinsam/geraetename.h"
#include "namensvergleich.h"
#include "utf8.h"

const char HILFE_TEXT[] =
    "Varnis32 /karte DATEI [/datum TT.MM.JJJJ] [/zeit HH:MM] [/ort NAME] [/feld GRAD]\r\n"
    "         [/groesse PIXEL] [/schema NAME] [/einstellungen INI]\r\n"
    "\r\n"
    "Schreibt eine Sternkarte als Bitmap (.bmp) oder Vektorgrafik (.emf), ohne ein\r\n"
    "Fenster zu \xF6" "ffnen. Was nicht angegeben ist, kommt aus der Einstellungsdatei.\r\n"
    "\r\n"
    "  /karte DATEI        die Datei, die geschrieben wird: *.bmp oder *.emf\r\n"
    "  /datum TT.MM.JJJJ   das Datum von 1800 bis 2200, auch JJJJ-MM-TT oder TT.MM.\r\n"
    "                      (im laufenden Jahr)\r\n"
    "  /zeit HH:MM         die Uhrzeit am Ort, auf die Minute\r\n"
    "  /stunde H           die volle Stunde, 0 bis 23 (wie /zeit H:00)\r\n"
    "  /ort NAME           ein Ort aus Orte.dat, etwa /ort M\xFCnchen oder\r\n"
    "                      /ort \"Frankfurt am Main\" (\xE4, \xF6, \xFC, \xDF auch als ae, oe, ue, ss)\r\n"
    "  /feld GRAD          das Gesichtsfeld, 3 bis 180 Grad\r\n"
    "  /groesse PIXEL      die Seite der Bitmap, 100 bis 4000 (Vorgabe 600; nur .bmp)\r\n"
    "  /schema NAME        bildschirm, schwarz-auf-weiss, weiss-auf-schwarz (nur .emf)\r\n"
    "                      oder nacht (rot auf schwarz, nur .bmp); Vorgabe: .bmp in den\r\n"
    "                      Bildschirmfarben, .emf schwarz auf wei\xDF\r\n"
    "  /einstellungen INI  die Einstellungsdatei; Vorgabe: Varnis.ini beim Programm\r\n"
    "\r\n"
    "R\xFC" "ckgabewert: 0 geschrieben, 1 Befehlszeile fehlerhaft, 2 Datendatei fehlt\r\n"
    "oder ist besch\xE4" "digt, 3 Datei nicht geschrieben.\r\n";

namespace {

enum class Art { KARTE, DATUM, ZEIT, STUNDE, ORT, FELD, GROESSE, SCHEMA, EINSTELLUNGEN, HILFE, ANZAHL };

// Every switch but the help takes a value.
struct Schalter {
    const char* name;  // as namen_gleich compares: "größe" is "groesse"
    Art art;
};

constexpr Schalter SCHALTER[] = {
    {"karte", Art::KARTE},   {"datum", Art::DATUM},       {"zeit", Art::ZEIT},
    {"stunde", Art::STUNDE},
    {"ort", Art::ORT},       {"feld", Art::FELD},         {"groesse", Art::GROESSE},
    {"schema", Art::SCHEMA}, {"einstellungen", Art::EINSTELLUNGEN},
    {"?", Art::HILFE},       {"hilfe", Art::HILFE},
};

constexpr size_t NAME_LAENGE = 24;  // longer than every switch's name

struct Schema_Name {
    const char* name;
    Farbschema schema;
};
constexpr Schema_Name SCHEMATA[] = {
    {"bildschirm", Farbschema::SCHIRM},
    {"schwarz-auf-weiss", Farbschema::SCHWARZ_AUF_WEISS},
    {"weiss-auf-schwarz", Farbschema::WEISS_AUF_SCHWARZ},
    {"nacht", Farbschema::NACHT},
};

// The line for the user; every value in it is cut, so it always fits.
class Meldung {
public:
    Meldung(char* ziel, size_t groesse) : ziel(ziel), groesse(groesse) {}
    int32_t fehler(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list argumente;
        va_start(argumente, format);
        if (groesse) vsnprintf(ziel, groesse, format, argumente);
        va_end(argumente);
        return FALSCHE_SCHALTER;
    }

private:
    char* ziel;
    size_t groesse;
};

// The switch that an argument names ("/Karte", "-feld:37"), or null. laenge
// receives the length of "/name" in the argument.
const Schalter* schalter_von(const char* argument, size_t& laenge) {
    if (argument[0] != '/' && argument[0] != '-') return nullptr;
    const size_t n = strcspn(argument + 1, ":=");
    if (n == 0 || n >= NAME_LAENGE) return nullptr;
    char name[NAME_LAENGE];
    snprintf(name, sizeof name, "%.*s", static_cast<int>(n), argument + 1);
    laenge = n + 1;
    for (const Schalter& s : SCHALTER)
        if (namen_gleich(name, s.name)) return &s;
    return nullptr;
}

// The ending of a file name, "" when it has none.
const char* endung(const char* datei) {
    const char* name = datei;
    for (const char* p = datei; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    const char* punkt = strrchr(name, '.');
    return punkt ? punkt : "";
}

int32_t karte_lesen(const char* wert, Kartenauftrag& a, Meldung& m) {
    if (strlen(wert) >= sizeof a.karte)
        return m.fehler("Der Dateiname nach /karte ist zu lang (h\xF6" "chstens %d Zeichen).",
                        static_cast<int>(sizeof a.karte - 1));
    if (geraetename(wert))
        return m.fehler("'%.80s' ist ein Ger\xE4tename von Windows (NUL, CON, PRN, AUX, COM1-9, LPT1-9), "
                        "keine Datei.", wert);
    if (namen_gleich(endung(wert), ".bmp")) {
        a.art = Bildart::BMP;
    } else if (namen_gleich(endung(wert), ".emf")) {
        a.art = Bildart::EMF;
    } else {
        return m.fehler("Die Datei '%.80s' endet weder auf .bmp noch auf .emf.", wert);
    }
    snprintf(a.karte, sizeof a.karte, "%s", wert);
    return FERTIG;
}

int32_t einstellungsdatei_lesen(const char* wert, Kartenauftrag& a, Meldung& m) {
    // A profile file named without a folder would be looked for in the
    // Windows directory: the name is made whole against the current one.
    if (!voller_pfad(wert, a.einstellungen, sizeof a.einstellungen)) {
        return m.fehler("Der Name der Einstellungsdatei ist zu lang (h\xF6" "chstens %d Zeichen "
                        "mit dem Ordner).", static_cast<int>(sizeof a.einstellungen - 1));
    }
    return FERTIG;
}

int32_t schema_lesen(const char* wert, Kartenauftrag& a, Meldung& m) {
    for (const Schema_Name& s : SCHEMATA) {
        if (namen_gleich(wert, s.name)) {
            a.schema = s.schema;
            return FERTIG;
        }
    }
    return m.fehler("Das Schema '%.40s' gibt es nicht; es gibt bildschirm, schwarz-auf-weiss, "
                    "weiss-auf-schwarz und nacht.", wert);
}

int32_t wert_lesen(Art art, const char* wert, int32_t jahr, Kartenauftrag& a, Meldung& m) {
    switch (art) {
        case Art::KARTE: return karte_lesen(wert, a, m);
        case Art::EINSTELLUNGEN: return einstellungsdatei_lesen(wert, a, m);
        case Art::SCHEMA: return schema_lesen(wert, a, m);
        case Art::DATUM:
            if (datum_lesen(wert, jahr, a.datum) != ZEIT_OK)
                return m.fehler("Das Datum '%.40s' gibt es nicht; erwartet wird ein Tag von 1800 "
                                "bis 2200 als TT.MM.JJJJ, TT.MM. oder JJJJ-MM-TT.", wert);
            a.mit_datum = true;
            return FERTIG;
        case Art::ZEIT:
            if (uhrzeit_lesen(wert, a.zeit) != ZEIT_OK)
                return m.fehler("Die Uhrzeit '%.40s' gibt es nicht; erwartet wird HH:MM von 0:00 "
                                "bis 23:59.", wert);
            a.mit_zeit = true;
            return FERTIG;
        case Art::STUNDE:
            if (!zahl_lesen(wert, 0, 23, a.zeit.stunde))
                return m.fehler("Die Stunde '%.40s' ist keine volle Stunde von 0 bis 23.", wert);
            a.zeit.minute = 0;
            a.mit_zeit = true;
            return FERTIG;
        case Art::ORT: {
            // The line comes in UTF-8; the places' names are Windows-1252.
            char name[sizeof a.ort + 1];
            if (!utf8_nach_1252(wert, strlen(wert), name, sizeof name))
                snprintf(name, sizeof name, "%s", wert);
            if (strlen(name) >= sizeof a.ort)
                return m.fehler("Den Ort '%.60s' gibt es in Orte.dat nicht (ein Ortsname hat "
                                "h\xF6" "chstens %d Zeichen).", wert, MAX_ORTSNAME);
            snprintf(a.ort, sizeof a.ort, "%s", name);
            return FERTIG;
        }
        case Art::FELD:
            if (!zahl_lesen(wert, 3, 180, a.feld))
                return m.fehler("Das Gesichtsfeld '%.40s' liegt nicht zwischen 3 und 180 Grad.", wert);
            return FERTIG;
        case Art::GROESSE:
            if (!zahl_lesen(wert, GROESSE_MIN, GROESSE_MAX, a.groesse))
                return m.fehler("Die Gr\xF6\xDF" "e '%.40s' liegt nicht zwischen %d und %d Pixeln.", wert,
                                static_cast<int>(GROESSE_MIN), static_cast<int>(GROESSE_MAX));
            return FERTIG;
        case Art::HILFE:
        case Art::ANZAHL: break;
    }
    return FERTIG;
}

// What only the whole line can tell.
int32_t zusammen_pruefen(const Kartenauftrag& a, const bool* gegeben, Meldung& m) {
    if (!gegeben[static_cast<int>(Art::KARTE)])
        return m.fehler("Es fehlt /karte DATEI, die Datei f\xFCr die Karte (/? zeigt alle Schalter).");
    if (a.art == Bildart::EMF && gegeben[static_cast<int>(Art::GROESSE)])
        return m.fehler("/groesse gilt nur f\xFC" "r .bmp; eine Vektorgrafik ist immer 20 cm gro\xDF.");
    if (gegeben[static_cast<int>(Art::ZEIT)] && gegeben[static_cast<int>(Art::STUNDE)])
        return m.fehler("/zeit und /stunde geben beide die Uhrzeit; bitte nur einen der beiden.");
    if (a.art == Bildart::BMP && a.schema == Farbschema::WEISS_AUF_SCHWARZ)
        return m.fehler("Das Schema weiss-auf-schwarz gibt es nur f\xFC" "r .emf.");
    if (a.art == Bildart::EMF && a.schema == Farbschema::NACHT)
        return m.fehler("Das Schema nacht gibt es nur f\xFC" "r .bmp.");
    return FERTIG;
}

}  // namespace

int32_t schalter_lesen(int argc, const char* const* argv, int32_t jahr, Kartenauftrag& a,
                       char* meldung, size_t groesse) {
    Meldung m(meldung, groesse);
    if (groesse) meldung[0] = '\0';
    a = Kartenauftrag{};
    // Asked for help, the user gets it, whatever else the line holds.
    for (int i = 1; i < argc; ++i) {
        size_t l = 0;
        const Schalter* s = argv[i] ? schalter_von(argv[i], l) : nullptr;
        if (s && s->art == Art::HILFE) {
            a.hilfe = true;
            return FERTIG;
        }
    }
    bool gegeben[static_cast<int>(Art::ANZAHL)] = {};
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i] ? argv[i] : "";
        size_t name_laenge = 0;
        const Schalter* s = schalter_von(argument, name_laenge);
        if (!s) {
            if (argument[0] == '/' || argument[0] == '-')
                return m.fehler("Den Schalter '%.40s' gibt es nicht (/? zeigt alle Schalter).", argument);
            return m.fehler("'%.60s' steht ohne Schalter da; vor jedem Wert steht sein Schalter "
                            "(/? zeigt alle).", argument);
        }
        const int nummer = static_cast<int>(s->art);
        if (gegeben[nummer]) return m.fehler("Der Schalter /%s steht zweimal da.", s->name);
        gegeben[nummer] = true;
        const char* wert = "";
        if (argument[name_laenge]) {
            wert = argument + name_laenge + 1;  // after ':' or '='
        } else if (i + 1 < argc && argv[i + 1]) {
            // The next argument, unless it is the next switch.
            size_t l = 0;
            if (!schalter_von(argv[i + 1], l)) wert = argv[++i];
        }
        if (!*wert) return m.fehler("Dem Schalter /%s fehlt sein Wert.", s->name);
        const int32_t ergebnis = wert_lesen(s->art, wert, jahr, a, m);
        if (ergebnis != FERTIG) return ergebnis;
    }
    return zusammen_pruefen(a, gegeben, m);
}
