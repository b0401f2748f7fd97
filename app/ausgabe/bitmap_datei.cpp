#include "ausgabe/bitmap_datei.h"

#include <commdlg.h>

#include <cstdio>

#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"
#include "zeichnen/farbtabelle.h"

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
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = besitzer;
    ofn.lpstrFilter = "*.bmp\0*.bmp\0";
    ofn.lpstrFile = pfad;
    ofn.nMaxFile = static_cast<DWORD>(groesse);
    ofn.lpstrTitle = ui_text(UI_BITMAP_DIALOG);
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetSaveFileNameA(&ofn) != 0;
}

int32_t bild_sichern(DIB& bild, const char* pfad, HWND besitzer) {
    const int32_t ergebnis = bild.speichern(pfad);
    if (ergebnis != 0) {
        char text[DATEINAME_LAENGE + 100];
        snprintf(text, sizeof text, ui_text(UI_BITMAP_NICHT_GESCHRIEBEN), pfad);
        meldung(besitzer, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONSTOP);
    }
    return ergebnis;
}

int32_t bitmap_datei(DIB& karte_bild, Bildfarben farben, HWND besitzer, Dateiwahl waehlen) {
    char pfad[DATEINAME_LAENGE] = "*.bmp";
    if (!waehlen(besitzer, pfad, sizeof pfad)) return 1;
    if (farben == Bildfarben::SCHIRM) return bild_sichern(karte_bild, pfad, besitzer);
    const Farbtabelle schirm(karte_bild);
    farbtabelle_schwarz_weiss(karte_bild);
    rahmen(karte_bild);
    const int32_t ergebnis = bild_sichern(karte_bild, pfad, besitzer);
    schirm.zurueck(karte_bild);
    return ergebnis;
}
