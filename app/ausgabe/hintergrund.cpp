#include "ausgabe/hintergrund.h"

#include <memory>

#include "ausgabe/kennungen.h"
#include "dc_zustand.h"
#include "farben.h"
#include "figuren.h"
#include "gemeinsam/pfad.h"
#include "gestirne.h"
#include "gitter.h"
#include "namen.h"
#include "schirm_farben.h"
#include "zeichnen/farbtabelle.h"

namespace {

std::unique_ptr<DIB> leinwand;  // from the first use of hintergrund_leinwand

// The layers in drawing order, each with its intensity and the font that the
// drawing cycle gives it, so the desktop picture looks like the chart pane.
void ebenen_zeichnen(DIB& bild, int32_t r, const Karteninhalt& k) {
    Himmel& h = k.himmel;
    const Schriften& s = k.schriften;
    const Darstellung& w = k.werte;
    HDC dc = bild.dc;
    if (sichtbar(w, HILFSLINIEN))
        karte_gitter(h, dc, &bild, s.text, s.symbol, r, skalierte_farbe(w, HILFSLINIEN));
    if (sichtbar(w, STERNBILDER))
        karte_figuren(h, dc, &bild, s.sternbild, s.symbol, r, skalierte_farbe(w, STERNBILDER));
    if (sichtbar(w, STERNBILDNAMEN))
        sternbild_namen(h, dc, &bild, s.sternbild, s.symbol, r, skalierte_farbe(w, STERNBILDNAMEN));
    if (sichtbar(w, STERNNAMEN))
        stern_namen(h, dc, &bild, s.text, s.symbol, r, skalierte_farbe(w, STERNNAMEN));
    if (sichtbar(w, STERNBILDER))
        kennungen_zeichnen(k, dc, &bild, r, skalierte_farbe(w, STERNBILDER));
    karte_gestirne(h, dc, &bild, s.text, s.symbol, r, 0, KLASSEN - 1);
}

}  // namespace

DIB& hintergrund_leinwand() {
    if (!leinwand) leinwand = std::make_unique<DIB>();
    return *leinwand;
}

void hintergrund_leinwand_freigeben() { leinwand.reset(); }

Bildlage hintergrund_lage(int32_t breite, int32_t hoehe) {
    if (hoehe < breite) return {breite, hoehe, hoehe / 2, (breite - hoehe) / 2, 0};
    return {breite, hoehe, breite / 2, 0, (hoehe - breite) / 2};
}

int32_t hintergrund_zeichnen(DIB& bild, const Bildlage& lage, const Karteninhalt& inhalt) {
    if (bild.erzeugen(lage.breite, lage.hoehe, 8, lage.ursprung_x, lage.ursprung_y) != 0)
        return -1;
    farbtabelle_schirm(bild, inhalt.werte);
    bild.fuellen(INDEX_HINTERGRUND);
    Dc_Zustand zustand(bild.dc);
    SelectObject(bild.dc, GetStockObject(SYSTEM_FONT));
    SetBkColor(bild.dc, farbwert(inhalt.werte.hintergrund));
    ebenen_zeichnen(bild, lage.radius, inhalt);
    return 0;
}

bool tapete_setzen(const char* pfad) {
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(pfad),
                                 SPIF_UPDATEINIFILE) != 0;
}

int32_t hintergrund_setzen(DIB& bild, const Karteninhalt& inhalt, int32_t bildschirm_breite,
                           int32_t bildschirm_hoehe, const char* windows_verzeichnis,
                           HWND besitzer, Tapete_Setzen setzen) {
    char pfad[PFAD_LAENGE];
    pfad_bilden(pfad, sizeof pfad, windows_verzeichnis, "Varnis.bmp");
    hintergrund_zeichnen(bild, hintergrund_lage(bildschirm_breite, bildschirm_hoehe), inhalt);
    const int32_t ergebnis = bild_sichern(bild, pfad, besitzer);
    bild.freigeben();
    if (ergebnis == 0) setzen(pfad);
    return ergebnis;
}
