// Making, opening, layout and end of the main window.
#include "hauptfenster/himmel_df.h"

#include <initializer_list>

#include "bedienfeld/leistenregel.h"
#include "bedienfeld/tasten_leiste.h"
#include "canvas_kf.h"
#include "combobox_kf.h"
#include "dib_kf.h"
#include "edit_kf.h"
#include "ablage.h"
#include "dpi.h"
#include "gemeinsam/ui_texte.h"
#include "gemeinsam/verzeichnisse.h"
#include "hauptfenster/anordnung.h"
#include "suchen/such_df.h"
#include "instanz.h"
#include "text_kf.h"

namespace {

constexpr DWORD KIND = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD LISTE = KIND | WS_BORDER | CBS_DROPDOWNLIST | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
constexpr DWORD ANZEIGE = KIND | WS_BORDER | ES_READONLY;
constexpr DWORD HAUPTFENSTER = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

template <class T>
std::unique_ptr<T> kind(Fenster* vater, const char* text, DWORD stil) {
    return std::make_unique<T>(vater, text, 0, 0, 0, 0, stil);
}

std::unique_ptr<Scrollbar_KF> leiste(Fenster* vater, DWORD richtung, int32_t min, int32_t max) {
    auto l = kind<Scrollbar_KF>(vater, "", KIND | richtung);
    l->setze_bereich(min, max);
    return l;
}

void platzieren(Fenster* f, const Platz& p) { f->masse_abs(p.x, p.y, p.breite, p.hoehe); }

// A cursor or icon resource of the program at groesse x groesse pixels: the
// resource's nearest image, scaled when it holds none of that size.
HANDLE bild_laden(const Instanz* instanz, const char* name, UINT art, int32_t groesse) {
    const HINSTANCE modul = instanz ? instanz->hinstance : GetModuleHandleA(nullptr);
    return LoadImageA(modul, name, art, groesse, groesse, LR_DEFAULTCOLOR);
}

}  // namespace

Himmel_DF::Himmel_DF(int32_t x, int32_t y, int32_t breite, int32_t hoehe)
    : Dialog_F(nullptr, "", x, y, breite, hoehe, HAUPTFENSTER),
      zeichen_schritt(STUFE_RUHE) {
    // Without a usable folder there is no settings file: defaults, no saving.
    varnis_ini(ablage, start_verzeichnis, ini_pfad, sizeof ini_pfad);
    dpi_ = dpi_system();
    zeiger_laden();
    darstellung = vorgaben(Programm::STERNKARTE).darstellung;
    kinder_erzeugen();
    himmel = std::make_unique<Himmel>();
    const int32_t orte_ergebnis = orte_laden(start_verzeichnis, orte);
    orte_fehlen = orte_ergebnis == -1;
    orte_gekuerzt = orte_ergebnis == ORTE_GEKUERZT;
    // Without the zones every place keeps the zone of its meridian.
    zonen_laden(start_verzeichnis, zonen);
    einstellungen_laden();
}

void Himmel_DF::kinder_erzeugen() {
    uebersicht = kind<DIB_KF>(this, "", KIND | WS_BORDER);
    karte = kind<DIB_KF>(this, "", KIND | WS_BORDER);
    karte->mldg_tabelle = KARTEN_MELDUNGEN;
    uebersicht->mldg_tabelle = UEBERSICHT_MELDUNGEN;
    rekt_leiste = kind<Tasten_Scrollbar_KF>(this, "", KIND | SBS_HORZ);
    rekt_leiste->setze_bereich(-REKT_REGEL.bereich.maximum, -REKT_REGEL.bereich.minimum);
    dekl_leiste = leiste(this, SBS_VERT, -DEKL_REGEL.bereich.maximum, -DEKL_REGEL.bereich.minimum);
    monat_wahl = kind<Combobox_KF>(this, "", LISTE);
    zeit_wahl = kind<Combobox_KF>(this, "", LISTE);
    ort_fest = 1;
    ort_wahl = kind<Combobox_KF>(this, "", LISTE);
    titel_rekt = kind<Text_KF>(this, ui_text(UI_REKTASZENSION), KIND);
    rekt_anzeige = kind<Edit_KF>(this, "", ANZEIGE);
    titel_dekl = kind<Text_KF>(this, ui_text(UI_DEKLINATION), KIND);
    dekl_anzeige = kind<Edit_KF>(this, "", ANZEIGE);
    for (int32_t i = 0; i < EBENEN; ++i) {
        ebenen_titel[i] = kind<Text_KF>(this, ui_text(UI_STERNBILDER + i), KIND);
        ebenen_leisten[i] =
            leiste(this, SBS_HORZ, EBENEN_REGEL.bereich.minimum, EBENEN_REGEL.bereich.maximum);
    }
    feld_leiste = leiste(this, SBS_HORZ, -FELD_REGEL.bereich.maximum, -FELD_REGEL.bereich.minimum);
    titel_feld = kind<Text_KF>(this, ui_text(UI_GESICHTSFELD), KIND);
    feld_anzeige = kind<Edit_KF>(this, "", ANZEIGE);
    info_fenster = kind<Canvas_KF>(this, "", WS_CHILD | WS_VISIBLE);
    info_fenster->mldg_tabelle = INFO_MELDUNGEN;
}

Himmel_DF::~Himmel_DF() {
    if (hwnd) {
        for (UINT_PTR t : {ZEICHEN_TIMER, UHR_TIMER, ZEITGEBER_INFO_ZEIGEN, ZEITGEBER_INFO_VERBERGEN}) KillTimer(hwnd, t);
    }
    // A failed write is told once per session (einstellungen_speichern).
    einstellungen_speichern();
    for (HCURSOR zeiger : {cursor_stern, cursor_sternbild}) {
        if (zeiger) DestroyCursor(zeiger);
    }
    for (HICON symbol : {symbol_gross, symbol_klein}) {
        if (symbol) DestroyIcon(symbol);
    }
    // The members go next, each child while its canvas and this window
    // still exist (the canvases are declared before the panes).
}

HWND Himmel_DF::oeffnen(int zeigen) {
    Dialog_F::oeffnen(zeigen);
    // The size message of the creation came before the children had windows.
    if (hwnd) {
        aufloesung_setzen(dpi_fenster(hwnd));
        RECT client;
        GetClientRect(hwnd, &client);
        int32_t breite = client.right, hoehe = client.bottom;
        anordnen(breite, hoehe);
    }
    bedienfeld_auffrischen();
    if (darstellung.nacht) nacht_anwenden();
    return hwnd;
}

Massstab Himmel_DF::massstab(int32_t dpi) {
    const int32_t bei_96 = systemmass(SM_CXVSCROLL, DPI_NORMAL);
    return Massstab{dpi, bei_96 > 0 ? MulDiv(16, systemmass(SM_CXVSCROLL, dpi), bei_96) : skaliert(16, dpi)};
}

void Himmel_DF::anordnen(int32_t& breite, int32_t& hoehe) {
    RECT fenster, client;
    GetWindowRect(hwnd, &fenster);
    GetClientRect(hwnd, &client);
    mindestens(breite, hoehe, (fenster.right - fenster.left) - client.right,
               (fenster.bottom - fenster.top) - client.bottom, dpi_);
    const Anordnung a = anordnung_berechnen(breite, hoehe, massstab(dpi_));
    platzieren(uebersicht.get(), a.uebersicht);
    platzieren(rekt_leiste.get(), a.rekt_leiste);
    platzieren(dekl_leiste.get(), a.dekl_leiste);
    platzieren(titel_rekt.get(), a.titel_rekt);
    platzieren(titel_dekl.get(), a.titel_dekl);
    platzieren(rekt_anzeige.get(), a.rekt_anzeige);
    platzieren(dekl_anzeige.get(), a.dekl_anzeige);
    platzieren(monat_wahl.get(), a.monat_wahl);
    platzieren(zeit_wahl.get(), a.zeit_wahl);
    platzieren(ort_wahl.get(), a.ort_wahl);
    for (int32_t i = 0; i < EBENEN; ++i) {
        platzieren(ebenen_titel[i].get(), a.ebenen_titel[i]);
        platzieren(ebenen_leisten[i].get(), a.ebenen_leisten[i]);
    }
    platzieren(titel_feld.get(), a.titel_feld);
    platzieren(feld_anzeige.get(), a.feld_anzeige);
    platzieren(feld_leiste.get(), a.feld_leiste);
    platzieren(info_fenster.get(), a.info_fenster);
    if (info_fenster->hwnd) ShowWindow(info_fenster->hwnd, SW_HIDE);
    platzieren(karte.get(), a.karte);
    // Before the children have windows the panes have no size to draw at.
    if (!uebersicht->hwnd || !karte->hwnd) return;
    leinwaende_erzeugen();
    farbtabellen_setzen();
    neu_zeichnen();
}

void Himmel_DF::aufloesung_setzen(int32_t dpi) {
    dpi_ = dpi_begrenzt(dpi);
    // The library's font has its 96-DPI size; at another resolution the
    // panel gets it scaled. At 96 DPI nothing changes.
    std::unique_ptr<Font> schrift;
    if (instanz && dpi_ != DPI_NORMAL)
        schrift = std::make_unique<Font>(schrift_fuer(instanz->font.beschreibung(), dpi_));
    if (instanz && (schrift || bedienschrift)) {
        const HFONT font = schrift ? schrift->handle() : instanz->font.handle();
        for (uint32_t i = 0; Fenster* kind = kinder()[i]; ++i) kind->sm_setfont(font, 1);
    }
    bedienschrift = std::move(schrift);
    zeiger_laden();
    symbole_laden();
}

void Himmel_DF::zeiger_laden() {
    const int32_t groesse = systemmass(SM_CXCURSOR, dpi_);
    const auto stern = static_cast<HCURSOR>(bild_laden(instanz, "Stern", IMAGE_CURSOR, groesse));
    const auto sternbild = static_cast<HCURSOR>(bild_laden(instanz, "Sternbild", IMAGE_CURSOR, groesse));
    if (cursor_stern) DestroyCursor(cursor_stern);
    if (cursor_sternbild) DestroyCursor(cursor_sternbild);
    cursor_stern = stern;
    cursor_sternbild = sternbild;
    rote_zeiger.vergessen();
    nachtzeiger_machen();
}

void Himmel_DF::symbole_laden() {
    if (!hwnd) return;
    const auto gross = static_cast<HICON>(bild_laden(instanz, "Varnis_ico", IMAGE_ICON, systemmass(SM_CXICON, dpi_)));
    const auto klein = static_cast<HICON>(bild_laden(instanz, "Varnis_ico", IMAGE_ICON, systemmass(SM_CXSMICON, dpi_)));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(gross));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(klein));
    if (symbol_gross) DestroyIcon(symbol_gross);
    if (symbol_klein) DestroyIcon(symbol_klein);
    symbol_gross = gross;
    symbol_klein = klein;
}
