#include "ausgabe/bitmap_datei.h"

#include <vector>

#include "gemeinsam/dateiattribute.h"
#include "gemeinsam/ui_texte.h"
#include "leinwand.h"

namespace {

// A hollow rectangle over the whole canvas in the drawing context's current
// pen (the canvas's own context keeps the stock black pen).
void rahmen(DIB& bild) {
    HGDIOBJ alt = SelectObject(bild.dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(bild.dc, 0, 0, bild.breite(), bild.hoehe());
    SelectObject(bild.dc, alt);
}

// The canvas's whole colour table, to be put back exactly.
struct Farbtabelle {
    explicit Farbtabelle(const DIB& bild) {
        for (int32_t i = 0; i < 256; ++i) farben[i] = bild.farbe(i);
    }
    void zurueck(DIB& bild) const {
        for (int32_t i = 0; i < 256; ++i) bild.farbe_setzen(i, farben[i]);
    }
    uint32_t farben[256];
};

}  // namespace

bool bitmap_dateiwahl(HWND besitzer, char* pfad, size_t groesse) {
    return speicherdialog(besitzer, pfad, groesse, BITMAP_TYP, ui_text(UI_BITMAP_DIALOG));
}

int32_t bild_sichern(DIB& bild, const char* pfad, HWND besitzer) {
    const int32_t ergebnis = schreibgeschuetzt(pfad) ? -1 : bild.speichern(pfad);
    if (ergebnis != 0) schreibfehler_melden(besitzer, pfad);
    return ergebnis;
}

int32_t bitmap_schreiben(DIB& karte_bild, Farbschema farben, const char* pfad) {
    if (schreibgeschuetzt(pfad)) return -1;
    if (farben != Farbschema::SCHWARZ_AUF_WEISS && farben != Farbschema::NACHT) return karte_bild.speichern(pfad);
    const Farbtabelle schirm(karte_bild);
    const std::vector<uint8_t> ohne_rahmen = karte_bild.pixel_kopie();
    if (farben == Farbschema::NACHT) {
        farbtabelle_nacht(karte_bild);
    } else {
        farbtabelle_schwarz_weiss(karte_bild);
        rahmen(karte_bild);
    }
    const int32_t ergebnis = karte_bild.speichern(pfad);
    // The frame is the file's: the screen's canvas gets its pixels back.
    karte_bild.pixel_zurueck(ohne_rahmen);
    schirm.zurueck(karte_bild);
    return ergebnis;
}

int32_t bitmap_datei(DIB& karte_bild, Farbschema farben, HWND besitzer, const char* vorschlag,
                     Dateiwahl waehlen) {
    char pfad[DATEINAME_LAENGE];
    vorschlag_uebernehmen(pfad, sizeof pfad, vorschlag);
    if (!waehlen(besitzer, pfad, sizeof pfad)) return 1;
    const int32_t ergebnis = bitmap_schreiben(karte_bild, farben, pfad);
    if (ergebnis != 0) schreibfehler_melden(besitzer, pfad);
    return ergebnis;
}
