#include "schluessel.h"

#include <type_traits>

static_assert(std::is_standard_layout<Einstellungen>::value, "offsets into Einstellungen");
static_assert(sizeof(Einstellungen) == SCHLUESSEL_ANZAHL * sizeof(int32_t),
              "every member of Einstellungen has a key");

#define FELD(m) offsetof(Einstellungen, m)

const Schluessel SCHLUESSEL[SCHLUESSEL_ANZAHL] = {
    {"Allgemein", "Rek", 1990, FELD(rek)},
    {"Allgemein", "Dek", -3933, FELD(dek)},
    {"Allgemein", "Gesichtsfeld", 37, FELD(gesichtsfeld)},
    {"Allgemein", "Fest", 1, FELD(fest)},
    {"Allgemein", "Monat", 2, FELD(monat)},
    {"Allgemein", "Zeit", 7, FELD(zeit)},
    {"Allgemein", "Ort", 15, FELD(ort)},
    {"Anzeige", "Sternbilder", 70, FELD(staerke[STERNBILDER])},
    {"Anzeige", "Sternbildnamen", 70, FELD(staerke[STERNBILDNAMEN])},
    {"Anzeige", "Sternnamen", 95, FELD(staerke[STERNNAMEN])},
    {"Anzeige", "Hilfslinien", 30, FELD(staerke[HILFSLINIEN])},
    {"Farben", "Rot_Hintergrund", 0, FELD(hintergrund.rot)},
    {"Farben", "Gruen_Hintergrund", 0, FELD(hintergrund.gruen)},
    {"Farben", "Blau_Hintergrund", 48, FELD(hintergrund.blau)},
    {"Farben", "Rot_Sternbilder", 56, FELD(farbe[STERNBILDER].rot)},
    {"Farben", "Gruen_Sternbilder", 255, FELD(farbe[STERNBILDER].gruen)},
    {"Farben", "Blau_Sternbilder", 255, FELD(farbe[STERNBILDER].blau)},
    {"Farben", "Rot_Sternbildnamen", 48, FELD(farbe[STERNBILDNAMEN].rot)},
    {"Farben", "Gruen_Sternbildnamen", 255, FELD(farbe[STERNBILDNAMEN].gruen)},
    {"Farben", "Blau_Sternbildnamen", 255, FELD(farbe[STERNBILDNAMEN].blau)},
    {"Farben", "Rot_Sternnamen", 160, FELD(farbe[STERNNAMEN].rot)},
    {"Farben", "Gruen_Sternnamen", 204, FELD(farbe[STERNNAMEN].gruen)},
    {"Farben", "Blau_Sternnamen", 240, FELD(farbe[STERNNAMEN].blau)},
    {"Farben", "Rot_Hilfslinien", 255, FELD(farbe[HILFSLINIEN].rot)},
    {"Farben", "Gruen_Hilfslinien", 243, FELD(farbe[HILFSLINIEN].gruen)},
    {"Farben", "Blau_Hilfslinien", 255, FELD(farbe[HILFSLINIEN].blau)},
};

const int32_t SCHONER_STAERKE[EBENEN] = {71, 81, 99, 51};
