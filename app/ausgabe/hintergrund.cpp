#include "ausgabe/hintergrund.h"

#include <memory>

#include "ablage.h"
#include "dc_zustand.h"
#include "gemeinsam/pfad.h"
#include "gestirne.h"  // KARTEN_TEXT_FARBE
#include "kartenzeichnung.h"
#include "leinwand.h"

namespace {

std::unique_ptr<DIB> leinwand;  // from the first use of hintergrund_leinwand

}  // namespace

DIB& hintergrund_leinwand() {
    if (!leinwand) leinwand = std::make_unique<DIB>();
    return *leinwand;
}

void hintergrund_leinwand_freigeben() { leinwand.reset(); }

Bildlage hintergrund_lage(int32_t breite, int32_t hoehe) {
    const Kartenquadrat q = kartenquadrat(breite, hoehe);
    return {breite, hoehe, q.radius, q.versatz_x, q.versatz_y};
}

int32_t hintergrund_zeichnen(DIB& bild, const Bildlage& lage, const Karteninhalt& inhalt) {
    const Kartenquadrat quadrat{lage.radius, lage.ursprung_x, lage.ursprung_y};
    if (flaechen_leinwand(bild, lage.breite, lage.hoehe, quadrat, inhalt.werte) != 0) return -1;
    bild.farbe_setzen(INDEX_KARTENTEXT, KARTEN_TEXT_FARBE);  // the star chart's caption entry
    bild.fuellen(INDEX_HINTERGRUND);
    Dc_Zustand zustand(bild.dc);
    // The chart pane's layers at rest (TAPETE_FOLGE of karte/schichten.h),
    // the designations without the mouse's selection.
    const Ausgabeart art{Leinwand::KARTE, schirm_schichtfarben(inhalt.werte), true, {}};
    folge_zeichnen(TAPETE_FOLGE, Ziel{bild.dc, &bild, lage.radius}, inhalt, art);
    return 0;
}

bool tapete_setzen(const char* pfad) {
    wchar_t breit[BREIT_PFAD];
    return pfad_breit(pfad, breit, BREIT_PFAD) &&
           SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, breit, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != 0;
}

int32_t hintergrund_setzen(DIB& bild, const Karteninhalt& inhalt, int32_t bildschirm_breite,
                           int32_t bildschirm_hoehe, const char* benutzer_verzeichnis,
                           HWND besitzer, Tapete_Setzen setzen) {
    char pfad[PFAD_LAENGE];
    pfad_bilden(pfad, sizeof pfad, benutzer_verzeichnis, "Varnis.bmp");
    elternordner_anlegen(pfad);  // the user's folder before its first file
    hintergrund_zeichnen(bild, hintergrund_lage(bildschirm_breite, bildschirm_hoehe), inhalt);
    const int32_t ergebnis = bild_sichern(bild, pfad, besitzer);
    bild.freigeben();
    if (ergebnis == 0) setzen(pfad);
    return ergebnis;
}
