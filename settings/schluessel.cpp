#include "schluessel.h"

#include <type_traits>

static_assert(std::is_standard_layout<Einstellungen>::value, "offsets into Einstellungen");
static_assert(std::is_standard_layout<Ansicht>::value && std::is_standard_layout<Darstellung>::value,
              "offsets into its parts");
static_assert(offsetof(Einstellungen, texte) == SCHLUESSEL_ANZAHL * sizeof(int32_t),
              "every number of Einstellungen has a key");
static_assert(sizeof(Momenttexte) == 2 * ZONE_TEXT + ORTSNAME_TEXT,
              "every text of Einstellungen has a key");

#define FELD(m) offsetof(Einstellungen, m)

const Schluessel SCHLUESSEL[SCHLUESSEL_ANZAHL] = {
    {"Allgemein", "Rek", 1990, REKT_BEREICH, FELD(ansicht.rek)},
    {"Allgemein", "Dek", -3933, DEKL_BEREICH, FELD(ansicht.dek)},
    {"Allgemein", "Gesichtsfeld", 37, FELD_BEREICH, FELD(ansicht.gesichtsfeld)},
    {"Allgemein", "Fest", 1, FEST_BEREICH, FELD(ansicht.fest)},
    {"Allgemein", "Monat", 2, MONAT_BEREICH, FELD(ansicht.monat)},
    {"Allgemein", "Zeit", 7, STUNDEN_BEREICH, FELD(ansicht.zeit)},
    {"Allgemein", "Ort", 15, ORT_BEREICH, FELD(ansicht.ort)},
    {"Anzeige", "Sternbilder", 70, STAERKE_BEREICH, FELD(darstellung.staerke_prozent[STERNBILDER])},
    {"Anzeige", "Sternbildnamen", 70, STAERKE_BEREICH, FELD(darstellung.staerke_prozent[STERNBILDNAMEN])},
    {"Anzeige", "Sternnamen", 95, STAERKE_BEREICH, FELD(darstellung.staerke_prozent[STERNNAMEN])},
    {"Anzeige", "Hilfslinien", 30, STAERKE_BEREICH, FELD(darstellung.staerke_prozent[HILFSLINIEN])},
    {"Farben", "Rot_Hintergrund", 0, FARB_BEREICH, FELD(darstellung.hintergrund.rot)},
    {"Farben", "Gruen_Hintergrund", 0, FARB_BEREICH, FELD(darstellung.hintergrund.gruen)},
    {"Farben", "Blau_Hintergrund", 48, FARB_BEREICH, FELD(darstellung.hintergrund.blau)},
    {"Farben", "Rot_Sternbilder", 56, FARB_BEREICH, FELD(darstellung.farbe[STERNBILDER].rot)},
    {"Farben", "Gruen_Sternbilder", 255, FARB_BEREICH, FELD(darstellung.farbe[STERNBILDER].gruen)},
    {"Farben", "Blau_Sternbilder", 255, FARB_BEREICH, FELD(darstellung.farbe[STERNBILDER].blau)},
    {"Farben", "Rot_Sternbildnamen", 48, FARB_BEREICH, FELD(darstellung.farbe[STERNBILDNAMEN].rot)},
    {"Farben", "Gruen_Sternbildnamen", 255, FARB_BEREICH, FELD(darstellung.farbe[STERNBILDNAMEN].gruen)},
    {"Farben", "Blau_Sternbildnamen", 255, FARB_BEREICH, FELD(darstellung.farbe[STERNBILDNAMEN].blau)},
    {"Farben", "Rot_Sternnamen", 160, FARB_BEREICH, FELD(darstellung.farbe[STERNNAMEN].rot)},
    {"Farben", "Gruen_Sternnamen", 204, FARB_BEREICH, FELD(darstellung.farbe[STERNNAMEN].gruen)},
    {"Farben", "Blau_Sternnamen", 240, FARB_BEREICH, FELD(darstellung.farbe[STERNNAMEN].blau)},
    {"Farben", "Rot_Hilfslinien", 255, FARB_BEREICH, FELD(darstellung.farbe[HILFSLINIEN].rot)},
    {"Farben", "Gruen_Hilfslinien", 243, FARB_BEREICH, FELD(darstellung.farbe[HILFSLINIEN].gruen)},
    {"Farben", "Blau_Hilfslinien", 255, FARB_BEREICH, FELD(darstellung.farbe[HILFSLINIEN].blau)},
    {"Moment", "Regel", REGEL_MOMENT, REGEL_BEREICH, FELD(moment.regel)},
    {"Moment", "Datum", 0, DATUM_BEREICH, FELD(moment.datum)},
    {"Moment", "Uhrzeit", 0, UHRZEIT_BEREICH, FELD(moment.uhrzeit)},
    // The default place's (the 16th of Orte.dat, Baltimore) longitude.
    {"Moment", "Laenge", -7661, LAENGE_BEREICH, FELD(moment.laenge)},
    {"Eigener Ort", "Ort_Breite", 0, DEKL_BEREICH, FELD(moment.ort_breite)},
    {"Eigener Ort", "Ort_Laenge", 0, LAENGE_BEREICH, FELD(moment.ort_laenge)},
    {"Anzeige", "Planeten", 1, SCHALTER_BEREICH, FELD(darstellung.koerper)},
    {"Anzeige", "Nachtmodus", 0, SCHALTER_BEREICH, FELD(darstellung.nacht)},
};

#define TEXT(m) offsetof(Einstellungen, texte.m), sizeof(Momenttexte::m)

const Textschluessel TEXTSCHLUESSEL[TEXTSCHLUESSEL_ANZAHL] = {
    {"Moment", "Zone", TEXT(zone)},
    {"Eigener Ort", "Name", TEXT(ort_name)},
    {"Eigener Ort", "Zone", TEXT(ort_zone)},
};

const int32_t SCHONER_STAERKE[EBENEN] = {71, 81, 99, 51};
