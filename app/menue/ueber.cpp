#include "menue/ueber.h"

#include <initializer_list>

#include <cstdio>

#include "gemeinsam/ui_texte.h"
#include "info.h"

namespace {

Info_DF* fenster = nullptr;
HBITMAP bild_klein = nullptr;  // 64 x 64 at the top right
HBITMAP bild_gross = nullptr;  // 380 x 211 below the lines

}  // namespace

Info_DF* ueber_erzeugen(Fenster* vater, HINSTANCE modul) {
    ueber_loeschen();
    fenster = new Info_DF(vater, "", ui_text(UI_INFO_SCHLIESSEN), Fenster::STANDARD,
                          Fenster::STANDARD, 410, 443, WS_VISIBLE | WS_DLGFRAME);
    bild_klein = LoadBitmapA(modul, "Varnis_bmp");
    bild_gross = LoadBitmapA(modul, "Tamrel_bmp");
    fenster->bild1(bild_klein);
    fenster->bild2(bild_gross);
    fenster->ueberschrift("%s", ui_text(UI_INFO_TITEL));
    char version[330];
    snprintf(version, sizeof version, ui_text(UI_INFO_VERSION), PROGRAMM_VERSION,
             PROGRAMM_WORTBREITE);
    fenster->texte(version, ui_text(UI_INFO_ZEILE_2), ui_text(UI_INFO_ZEILE_3),
                   ui_text(UI_INFO_ZEILE_4), ui_text(UI_INFO_ZEILE_5), ui_text(UI_INFO_ZEILE_6),
                   ui_text(UI_INFO_ZEILE_7));
    return fenster;
}

void ueber_zeigen() {
    if (fenster) fenster->oeffnen(1);
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
