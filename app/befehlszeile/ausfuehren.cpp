#include "befehlszeile/ausfuehren.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ausgabe/bitmap_datei.h"
#include "ausgabe/vektor_datei.h"
#include "befehlszeile/ansicht.h"
#include "befehlszeile/konsole.h"
#include "befehlszeile/schalter.h"
#include "breit.h"
#include "bedienfeld/ansichtsregeln.h"
#include "datei_befund.h"
#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/uhr.h"
#include "leinwand.h"
#include "kartenschriften.h"
#include "kataloge.h"
#include "koerperstand.h"
#include "zeichnen/plan_ausfuehren.h"

namespace {

constexpr size_t ZEILE = PFAD_LAENGE + 200;  // a message with a whole path in it

__attribute__((format(printf, 2, 3))) int32_t melden(int32_t rueckgabe, const char* format, ...) {
    char zeile[ZEILE] = "Varnis: ";
    const size_t anfang = strlen(zeile);
    va_list argumente;
    va_start(argumente, format);
    vsnprintf(zeile + anfang, sizeof zeile - anfang, format, argumente);
    va_end(argumente);
    konsole_zeile(rueckgabe == FERTIG ? Kanal::AUSGABE : Kanal::FEHLER, zeile);
    return rueckgabe;
}

// Whether the folder a file name points into exists; a name without a
// folder lies in the current one.
bool zielordner_vorhanden(const char* datei) {
    char ordner[DATEINAME_LAENGE];
    snprintf(ordner, sizeof ordner, "%s", datei);
    char* ende = nullptr;
    for (char* p = ordner; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') ende = p;
    if (!ende) return true;
    ende[1] = '\0';  // "C:\" and "C:" stay themselves
    return ordner_vorhanden(ordner);
}

// Why a file could not be written, as far as the file system tells.
int32_t schreibfehler(const char* pfad) {
    if (ordner_vorhanden(pfad))
        return melden(NICHT_GESCHRIEBEN, "'%s' ist ein Ordner, keine Datei.", pfad);
    if (schreibgeschuetzt(pfad))
        return melden(NICHT_GESCHRIEBEN, "Die Datei '%s' ist schreibgesch\xFCtzt.", pfad);
    if (!zielordner_vorhanden(pfad))
        return melden(NICHT_GESCHRIEBEN, "Den Ordner f\xFCr '%s' gibt es nicht.", pfad);
    return melden(NICHT_GESCHRIEBEN,
                  "Die Datei '%s' konnte nicht geschrieben werden (kein Schreibrecht oder kein Platz).",
                  pfad);
}

// The settings of /einstellungen, which must exist, or the Varnis.ini that
// counts for the program's folder (varnis_ini), whose absence gives the
// defaults as at a first start.
int32_t einstellungen_holen(const Kartenauftrag& a, const char* ordner, Einstellungen& e) {
    char pfad[PFAD_LAENGE];
    if (a.einstellungen[0]) {
        if (!datei_vorhanden(a.einstellungen))
            return melden(DATEN_FEHLEN, "Die Einstellungsdatei '%s' gibt es nicht.", a.einstellungen);
        e = einstellungen_lesen(a.einstellungen, Programm::STERNKARTE);
    } else if (varnis_ini(ablage, ordner, pfad, sizeof pfad)) {
        e = einstellungen_lesen(pfad, Programm::STERNKARTE);
    } else {
        e = vorgaben(Programm::STERNKARTE);
    }
    return FERTIG;
}

int32_t datei_laden(Himmel& himmel, const char* ordner, const char* name,
                    int32_t (Himmel::*laden)(const char*)) {
    char pfad[PFAD_LAENGE];
    const int32_t ergebnis = pfad_bilden(pfad, sizeof pfad, ordner, name) == 0 ? (himmel.*laden)(pfad) : -1;
    if (ergebnis == -1) return melden(DATEN_FEHLEN, "Die Datei '%s' fehlt im Ordner '%s'.", name, ordner);
    if (datei_beschaedigt(ergebnis))
        return melden(DATEN_FEHLEN, "Die Datei '%s' im Ordner '%s' ist besch\xE4" "digt: %s.", name,
                      ordner, befund_text(ergebnis));
    return FERTIG;
}

int32_t himmel_laden(Himmel& himmel, const char* ordner) {
    const int32_t sterne = datei_laden(himmel, ordner, STERN_KATALOG, &Himmel::stern_datei_laden);
    if (sterne != FERTIG) return sterne;
    return datei_laden(himmel, ordner, STERNBILD_KATALOG, &Himmel::sternbild_datei_laden);
}

// The places and their zones, and the place of /ort; nummer -1 when none
// was asked for. Without Orte.dat only /ort fails; without Zonen.dat every
// place keeps the zone of its meridian, as in the window.
int32_t ort_holen(const Kartenauftrag& a, const char* ordner, Orte& orte, Zonen& zonen,
                  int32_t& nummer) {
    nummer = -1;
    // A file beyond the limit gives its first places (bedienfeld/orte.h).
    const bool orte_da = orte_laden(ordner, orte) != -1;
    zonen_laden(ordner, zonen);
    if (!a.ort[0]) return FERTIG;
    if (!orte_da) return melden(DATEN_FEHLEN, "Die Datei 'Orte.dat' fehlt im Ordner '%s'.", ordner);
    nummer = ort_index(orte, a.ort);
    if (nummer < 0) return melden(FALSCHE_SCHALTER, "Den Ort '%s' gibt es in Orte.dat nicht.", a.ort);
    return FERTIG;
}

// The chart pane's picture at the size of /groesse, as command 102 or 103
// would write it.
int32_t bitmap_erstellen(const Kartenauftrag& a, const Karteninhalt& inhalt) {
    DIB karte;
    if (leinwand_erzeugen(karte, a.groesse, a.groesse) != 0)
        return melden(NICHT_GESCHRIEBEN, "F\xFCr eine Bitmap von %d x %d Pixeln fehlt der Speicher.",
                      static_cast<int>(a.groesse), static_cast<int>(a.groesse));
    farbtabelle_schirm(karte, inhalt.werte);
    karte_ganz_zeichnen(karte, leinwand_radius(a.groesse), inhalt);
    return bitmap_schreiben(karte, a.schema.value_or(Farbschema::SCHIRM), a.karte) == 0 ? FERTIG : schreibfehler(a.karte);
}

int32_t vektorgrafik_erstellen(const Kartenauftrag& a, const Karteninhalt& inhalt) {
    switch (vektordatei_schreiben(a.karte, a.schema.value_or(Farbschema::SCHWARZ_AUF_WEISS), inhalt)) {
        case 0: return FERTIG;
        case -2: return melden(NICHT_GESCHRIEBEN, "F\xFCr die Vektorgrafik fehlt der Speicher.");
        default: return schreibfehler(a.karte);
    }
}

int32_t karte_erstellen(const Kartenauftrag& a, const char* ordner) {
    Einstellungen e{};
    const int32_t gelesen = einstellungen_holen(a, ordner, e);
    if (gelesen != FERTIG) return gelesen;
    Orte orte;
    Zonen zonen;
    int32_t ort_nummer = -1;
    const int32_t ort = ort_holen(a, ordner, orte, zonen, ort_nummer);
    if (ort != FERTIG) return ort;
    auto himmel = std::make_unique<Himmel>();
    const int32_t geladen = himmel_laden(*himmel, ordner);
    if (geladen != FERTIG) return geladen;

    const Kartenansicht k = ansicht_fuer(e, a, orte, ort_nummer, zonen, jahr_jetzt());
    himmel_ausrichten(*himmel, k.ansicht, zonen, k.moment, k.regel);
    Kartenschriften schriften;
    Koerperstand koerperstand;
    const Karteninhalt inhalt{*himmel, schriften.schriften(), e.darstellung, "",
                              koerper_des_moments(koerperstand, zonen, k.moment)};
    const int32_t ergebnis =
        a.art == Bildart::EMF ? vektorgrafik_erstellen(a, inhalt) : bitmap_erstellen(a, inhalt);
    if (ergebnis != FERTIG) return ergebnis;
    char voll[DATEINAME_LAENGE];
    return melden(FERTIG, "Karte geschrieben: %s", voller_pfad(a.karte, voll, sizeof voll) ? voll : a.karte);
}

}  // namespace

void programm_ordner(char* ziel, size_t groesse) {
    if (!ablage.ordner(Ordner::PROGRAMM, ziel, groesse) && groesse > 0) ziel[0] = '\0';
}

int32_t befehlszeile_ausfuehren(int argc, const char* const* argv, const char* ordner) {
    Kartenauftrag auftrag;
    char zeile[ZEILE];
    if (schalter_lesen(argc, argv, jahr_jetzt(), auftrag, zeile, sizeof zeile) != FERTIG)
        return melden(FALSCHE_SCHALTER, "%s", zeile);
    if (auftrag.hilfe) {
        konsole_text(Kanal::AUSGABE, HILFE_TEXT);
        return FERTIG;
    }
    if (!ordner || !*ordner)
        return melden(DATEN_FEHLEN, "Der Ordner des Programms ist nicht zu ermitteln oder l\xE4nger "
                                    "als %d Zeichen.", static_cast<int>(PFAD_LAENGE - 1));
    return karte_erstellen(auftrag, ordner);
}
