#include "menue/ueber.h"

#include <initializer_list>

#include <cstdio>

#include "gemeinsam/ui_texte.h"
#include "info.h"
#include "skaliert.h"

namespace {

Info_DF* fenster = nullptr;
HBITMAP bild_klein = nullptr;  // 64 x 64 at the top right (at 96 DPI)
HBITMAP bild_gross = nullptr;  // 380 x 211 below the lines (at 96 DPI)
Fenster* besitzer = nullptr;
HINSTANCE ressourcen = nullptr;
int32_t fenster_dpi = DPI_NORMAL;  // the resolution fenster was made for

// A picture of the resource at dpi; at 96 DPI as it is stored.
HBITMAP bild_laden(const char* name, int32_t breite, int32_t hoehe, int32_t dpi) {
    if (dpi == DPI_NORMAL) return LoadBitmapA(ressourcen, name);
    return static_cast<HBITMAP>(
        LoadImageA(ressourcen, name, IMAGE_BITMAP, skaliert(breite, dpi), skaliert(hoehe, dpi), 0));
}

void machen(int32_t dpi) {
    ueber_loeschen();
    fenster_dpi = dpi_begrenzt(dpi);
    fenster = new Info_DF(besitzer, "", ui_text(UI_INFO_SCHLIESSEN), Fenster::STANDARD, Fenster::STANDARD,
                          skaliert(410, fenster_dpi), skaliert(443, fenster_dpi), WS_VISIBLE | WS_DLGFRAME,
                          fenster_dpi);
    bild_klein = bild_laden("Varnis_bmp", 64, 64, fenster_dpi);
    bild_gross = bild_laden("Tamrel_bmp", 380, 211, fenster_dpi);
    fenster->bild1(bild_klein);
    fenster->bild2(bild_gross);
    fenster->ueberschrift("%s", ui_text(UI_INFO_TITEL));
    char version[330];
    snprintf(version, sizeof version, ui_text(UI_INFO_VERSION), PROGRAMM_VERSION,
             PROGRAMM_WORTBREITE);
    fenster->texte(version, ui_text(UI_INFO_ZEILE_2), ui_text(UI_INFO_ZEILE_3),
                   ui_text(UI_INFO_ZEILE_4), ui_text(UI_INFO_ZEILE_5), ui_text(UI_INFO_ZEILE_6),
                   ui_text(UI_INFO_ZEILE_7));
}

}  // namespace

Info_DF* ueber_erzeugen(Fenster* vater, HINSTANCE modul) {
    besitzer = vater;
    ressourcen = modul;
    machen(DPI_NORMAL);
    return fenster;
}

void ueber_zeigen(int32_t dpi) {
    if (!fenster) return;
    if (dpi_begrenzt(dpi) != fenster_dpi) machen(dpi);
    fenster->oeffnen(1);
}

void ueber_loeschen() {
    delete fenster;
    fenster = nullptr;
    // The picture controls only show the bitmaps; they are released here.
    for (HBITMAP* b : {&bild_klein, &bild_gross}) {
        if (*b) DeleteObject(*b);
        *b = nullptr;
    }
}
