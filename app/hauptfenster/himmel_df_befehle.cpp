// The menu commands of the main window and what the screen-saver set-up asks
// of it. Each command hands the window's pieces to the part that does the
// work (menue/, ausgabe/, schoner/).
#include "ausgabe/bitmap_datei.h"
#include "ausgabe/druck.h"
#include "ausgabe/hintergrund.h"
#include "ausgabe/vektor_datei.h"
#include "gemeinsam/verzeichnisse.h"
#include "hauptfenster/himmel_df.h"
#include "menue/hilfe.h"
#include "menue/menue.h"
#include "menue/ueber.h"
#include "schoner/befehle.h"
#include "schoner/einrichtung.h"
#include "schoner/modus.h"

namespace {

void ausgabe_befehl(Himmel_DF& f, int32_t id) {
    switch (id) {
        case BEFEHL_HINTERGRUND:
            hintergrund_setzen(hintergrund_leinwand(), f.inhalt(), GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), windows_verzeichnis, f.hwnd);
            break;
        case BEFEHL_BITMAP:
            bitmap_datei(f.karte_bild, Bildfarben::SCHIRM, f.hwnd);
            break;
        case BEFEHL_BITMAP_SCHWARZ_WEISS:
            bitmap_datei(f.karte_bild, Bildfarben::SCHWARZ_WEISS, f.hwnd);
            break;
        case BEFEHL_VEKTOR:
            vektor_datei(f.inhalt(), f.hwnd);
            break;
        case BEFEHL_DRUCKEN:
            drucken(f.hwnd, Druckfarben::SCHIRM, f.inhalt());
            break;
        case BEFEHL_DRUCKEN_WEISS_SCHWARZ:
            drucken(f.hwnd, Druckfarben::WEISS_AUF_SCHWARZ, f.inhalt());
            break;
        case BEFEHL_DRUCKEN_SCHWARZ_WEISS:
            drucken(f.hwnd, Druckfarben::SCHWARZ_AUF_WEISS, f.inhalt());
            break;
        default:
            break;
    }
}

void schoner_befehl(Himmel_DF& f, int32_t id) {
    const Schoner_Orte orte = f.schoner_orte();
    switch (id) {
        case BEFEHL_SCHONER_INSTALLIEREN:
        case BEFEHL_SCHONER_NEU:
            schoner_installieren(f, orte, id == BEFEHL_SCHONER_INSTALLIEREN);
            break;
        case BEFEHL_SCHONER_BEARBEITEN:
            bearbeitung_umschalten(f, orte);
            break;
        case BEFEHL_SCHONER_UEBERGEBEN:
            schoner_uebergeben(f, orte);
            break;
        case BEFEHL_SCHONER_TESTEN:
            schoner_testen(f, orte);
            break;
        default:
            break;
    }
}

}  // namespace

void Himmel_DF::menue_befehl(int32_t id) {
    if (id >= BEFEHL_SCHONER_INSTALLIEREN && id <= BEFEHL_SCHONER_TESTEN) {
        schoner_befehl(*this, id);
    } else if (id == BEFEHL_BEENDEN) {
        programm_beenden(hwnd);
    } else if (id == BEFEHL_HILFE) {
        programm_hilfe().oeffnen(hwnd, programm_verzeichnis);
    } else if (id == BEFEHL_INFO) {
        ueber_zeigen();
    } else if (id == BEFEHL_REKT_LINKS || id == BEFEHL_REKT_RECHTS) {
        pfeiltaste(id == BEFEHL_REKT_LINKS ? VK_LEFT : VK_RIGHT);
    } else if (id == BEFEHL_DATUM_UHRZEIT) {
        datum_dialog();
    } else if (id == BEFEHL_EIGENER_ORT) {
        ort_dialog();
    } else if (id >= BEFEHL_JETZT) {
        moment_befehl(id);
    } else {
        ausgabe_befehl(*this, id);
    }
}

Karteninhalt Himmel_DF::inhalt() {
    return Karteninhalt{*himmel, schriften.schriften(), darstellung};
}

Schoner_Orte Himmel_DF::schoner_orte() const {
    return Schoner_Orte{programm_verzeichnis, windows_verzeichnis, ini_pfad};
}

void Himmel_DF::bearbeiten_markieren(bool an) {
    CheckMenuItem(GetMenu(hwnd), BEFEHL_SCHONER_BEARBEITEN,
                  MF_BYCOMMAND | (an ? MF_CHECKED : MF_UNCHECKED));
}

void Himmel_DF::schoner_menue_auffrischen() {
    schoner_punkte_setzen(GetMenu(hwnd), windows_verzeichnis);
}

void Himmel_DF::nach_vorn() {
    BringWindowToTop(hwnd);
    ShowWindow(hwnd, SW_SHOWNORMAL);
}
