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

// The save dialogs' suggested name: the moment and, when the declination
// matches a place, that place's name.
void dateiname_vorschlagen(const Himmel_DF& f, const Dateityp& typ, char* name, size_t groesse) {
    kartenname(name, groesse, f.moment, f.ort >= 0 ? f.letzter_ort : "", typ.endung);
}

void ausgabe_befehl(Himmel_DF& f, int32_t id) {
    char name[DATEINAME_LAENGE];
    switch (id) {
        case BEFEHL_HINTERGRUND:
            hintergrund_setzen(hintergrund_leinwand(), f.inhalt(), GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), benutzer_verzeichnis, f.hwnd);
            break;
        case BEFEHL_BITMAP:
            dateiname_vorschlagen(f, BITMAP_TYP, name, sizeof name);
            bitmap_datei(f.karte_bild, Farbschema::SCHIRM, f.hwnd, name);
            break;
        case BEFEHL_BITMAP_SCHWARZ_WEISS:
            dateiname_vorschlagen(f, BITMAP_TYP, name, sizeof name);
            bitmap_datei(f.karte_bild, Farbschema::SCHWARZ_AUF_WEISS, f.hwnd, name);
            break;
        case BEFEHL_VEKTOR:
            dateiname_vorschlagen(f, VEKTOR_TYP, name, sizeof name);
            vektor_datei(f.inhalt(), f.hwnd, name);
            break;
        case BEFEHL_DRUCKEN:
            drucken(f.hwnd, Farbschema::SCHIRM, f.inhalt());
            break;
        case BEFEHL_DRUCKEN_WEISS_SCHWARZ:
            drucken(f.hwnd, Farbschema::WEISS_AUF_SCHWARZ, f.inhalt());
            break;
        case BEFEHL_DRUCKEN_SCHWARZ_WEISS:
            drucken(f.hwnd, Farbschema::SCHWARZ_AUF_WEISS, f.inhalt());
            break;
        default:
            break;
    }
}

// The result of the command's files: 0 done, -1 a file not written or
// moved (the installation, and keeping settings for the saver after Yes,
// have told the user in their boxes).
int32_t schoner_befehl(Himmel_DF& f, int32_t id) {
    const Schoner_Verzeichnisse verzeichnisse = f.schoner_verzeichnisse();
    switch (id) {
        case BEFEHL_SCHONER_INSTALLIEREN:
        case BEFEHL_SCHONER_NEU:
            return schoner_installieren(f, verzeichnisse, id == BEFEHL_SCHONER_INSTALLIEREN);
        case BEFEHL_SCHONER_BEARBEITEN:
            return bearbeitung_umschalten(f, verzeichnisse);
        case BEFEHL_SCHONER_UEBERGEBEN:
            return schoner_uebergeben(f, verzeichnisse);
        case BEFEHL_SCHONER_TESTEN:
            return schoner_testen(f, verzeichnisse);
        default:
            return 0;
    }
}

}  // namespace

void Himmel_DF::menue_befehl(int32_t id) {
    if (id >= BEFEHL_SCHONER_INSTALLIEREN && id <= BEFEHL_SCHONER_TESTEN) {
        // A failed write of the saver's files has been shown by the set-up.
        static_cast<void>(schoner_befehl(*this, id));
    } else if (id == BEFEHL_BEENDEN) {
        programm_beenden(hwnd);
    } else if (id == BEFEHL_HILFE) {
        programm_hilfe().oeffnen(hwnd, start_verzeichnis);
    } else if (id == BEFEHL_INFO) {
        ueber_zeigen(dpi_);
    } else if (id == BEFEHL_REKT_LINKS || id == BEFEHL_REKT_RECHTS) {
        pfeiltaste(id == BEFEHL_REKT_LINKS ? VK_LEFT : VK_RIGHT);
    } else if (id == BEFEHL_KOERPER) {
        darstellung.koerper = !darstellung.koerper;
        moment_anzeigen();
        neu_zeichnen();
    } else if (id == BEFEHL_SUCHEN) {
        suchen_oeffnen();
    } else if (id == BEFEHL_NACHTMODUS) {
        nachtmodus_schalten();
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
    // The chart's fonts follow the window's dots per inch before anything
    // is drawn or measured with them.
    schriften.dpi_setzen(dpi_);
    Karteninhalt k{*himmel, schriften.schriften(), darstellung, karten_banner(),
                   koerper_des_moments(koerperstand, zonen, moment), beschriftung.get()};
    k.dpi = schriften.dpi();
    return k;
}

Schoner_Verzeichnisse Himmel_DF::schoner_verzeichnisse() const {
    return Schoner_Verzeichnisse{start_verzeichnis, benutzer_verzeichnis, ini_pfad, windows_verzeichnis};
}

void Himmel_DF::bearbeiten_markieren(bool an) {
    CheckMenuItem(GetMenu(hwnd), BEFEHL_SCHONER_BEARBEITEN,
                  MF_BYCOMMAND | (an ? MF_CHECKED : MF_UNCHECKED));
}

void Himmel_DF::schoner_menue_auffrischen() {
    schoner_punkte_setzen(GetMenu(hwnd), benutzer_verzeichnis);
}

void Himmel_DF::nach_vorn() {
    BringWindowToTop(hwnd);
    ShowWindow(hwnd, SW_SHOWNORMAL);
}
