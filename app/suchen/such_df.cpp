#include "suchen/such_df.h"

#include <initializer_list>

#include <cstdio>
#include <cstring>

#include "gemeinsam/ui_texte.h"
#include "dpi.h"
#include "eintragsfarben.h"
#include "font.h"
#include "instanz.h"
#include "schema_rand.h"
#include "taster_kf.h"
#include "utf8.h"

namespace {

constexpr DWORD KIND = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr int32_t TEXT = 256;  // bytes of a text in UTF-8, NUL included

// Pixels of the client area at 96 DPI: the field, the list, the line and
// the button, each as left, top, width and height.
constexpr int32_t RAND = 10, BREITE = 300;
constexpr RECT FELD{RAND, 10, BREITE, 22}, LISTE{RAND, 38, BREITE, 124}, ZEILE{RAND, 166, BREITE, 46};
constexpr RECT KNOPF{RAND, 216, 100, 25};

// The dialog's outer size at dpi: the controls with the margin, the frame
// and the title bar.
int32_t fensterbreite(int32_t dpi) {
    return skaliert(BREITE, dpi) + 2 * skaliert(RAND, dpi) + 2 * systemmass(SM_CXFIXEDFRAME, dpi);
}
int32_t fensterhoehe(int32_t dpi) {
    return skaliert(KNOPF.top, dpi) + skaliert(KNOPF.bottom, dpi) + skaliert(RAND, dpi) +
           systemmass(SM_CYCAPTION, dpi) + 2 * systemmass(SM_CYFIXEDFRAME, dpi);
}

HWND breites_kind(HWND vater, const wchar_t* klasse, DWORD stil, DWORD erweitert, const RECT& r96,
                  uint16_t id, int32_t dpi) {
    const RECT r = rechteck_fuer(r96, dpi);
    return CreateWindowExW(erweitert, klasse, L"", KIND | stil, r.left, r.top, r.right, r.bottom, vater,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

void text_setzen(HWND fenster, const char* utf8) {
    wchar_t breit[TEXT];
    if (MultiByteToWideChar(CP_UTF8, 0, utf8, -1, breit, TEXT) == 0) breit[0] = L'\0';
    SetWindowTextW(fenster, breit);
}

}  // namespace

Such_DF::Such_DF(Fenster* vater, Such_Partner& partner, int32_t dpi)
    : Dialog_F(vater, ui_text(UI_SUCHEN_TITEL), Fenster::STANDARD, Fenster::STANDARD,
               fensterbreite(dpi_begrenzt(dpi)), fensterhoehe(dpi_begrenzt(dpi)),
               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
      partner(partner), dpi_(dpi_begrenzt(dpi)) {
    if (instanz && dpi_ != DPI_NORMAL) schrift = std::make_unique<Font>(schrift_fuer(instanz->font.beschreibung(), dpi_));
    const RECT knopf = rechteck_fuer(KNOPF, dpi_);
    zentrieren = std::make_unique<Taster_KF>(this, ui_text(UI_ZENTRIEREN), knopf.left, knopf.top,
                                             knopf.right, knopf.bottom, KIND | WS_TABSTOP);
    zentrieren->id(SUCH_ZENTRIEREN);
}

Such_DF::~Such_DF() = default;

int Such_DF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Such_DF") == 0) return 1;
    return nur_diese ? 0 : Dialog_F::klassen_name_(name, 0);
}

HWND Such_DF::oeffnen(int zeigen) {
    Dialog_F::oeffnen(zeigen);
    if (!hwnd) return hwnd;
    // Dialog_F gives itself and the button the library's font.
    const HFONT font = schrift ? schrift->handle() : instanz ? instanz->font.handle() : nullptr;
    if (schrift) {
        sm_setfont(font, 1);
        zentrieren->sm_setfont(font, 1);
    }
    if (!IsWindow(feld)) {
        feld = breites_kind(hwnd, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, FELD, SUCH_FELD, dpi_);
        liste = breites_kind(hwnd, L"LISTBOX",
                             WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                             WS_EX_CLIENTEDGE, LISTE, SUCH_LISTE, dpi_);
        zeile = breites_kind(hwnd, L"STATIC", SS_LEFT, 0, ZEILE, SUCH_ZEILE, dpi_);
        for (HWND kind : {feld, liste, zeile})
            if (kind && font) SendMessageW(kind, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        const int32_t hoehe = liste ? zeilenhoehe(liste, font) : 0;
        if (hoehe > 0) SendMessageW(liste, LB_SETITEMHEIGHT, 0, hoehe);
        // Their edges and the list's scroll bar in the colour scheme too.
        schema_rand_uebernehmen(feld);
        schema_rand_uebernehmen(liste);
    }
    if (feld) {
        SetFocus(feld);
        SendMessageW(feld, EM_SETSEL, 0, -1);
    }
    return hwnd;
}

LRESULT Such_DF::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    const HWND von = reinterpret_cast<HWND>(kontrolle);
    if (von && von == feld && code == EN_CHANGE) {
        getippt();
    } else if (von && von == liste && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
        const LRESULT i = SendMessageW(liste, LB_GETCURSEL, 0, 0);
        if (i >= 0 && i < vorschlag_anzahl) nehmen(vorschlaege[i]);
    } else if (id == IDOK && !von) {
        nehmen();
    } else if (id == IDCANCEL && !von) {
        wm_close();
    } else if (id == SUCH_ZENTRIEREN && code == BN_CLICKED) {
        if (fund.art == Fundart::KEINER) nehmen();
        if (fund.art == Fundart::KEINER) return 0;
        char text[TEXT];
        partner.fund_zentrieren(fund, text, sizeof text);
        zeile_setzen(text);
    } else {
        return Dialog_F::wm_command(id, kontrolle, code);
    }
    return 0;
}

LRESULT Such_DF::wm_drawitem(WPARAM id, DRAWITEMSTRUCT* e) {
    if (!e || !liste || e->CtlType != ODT_LISTBOX || e->hwndItem != liste) return Dialog_F::wm_drawitem(id, e);
    Eintragsfarben farben(*e);
    wchar_t text[FUND_TEXT] = L"";
    const WPARAM i = e->itemID;
    if (e->itemID != static_cast<UINT>(-1) && SendMessageW(liste, LB_GETTEXTLEN, i, 0) < FUND_TEXT)
        SendMessageW(liste, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    ExtTextOutW(e->hDC, e->rcItem.left + 1, e->rcItem.top, ETO_OPAQUE | ETO_CLIPPED, &e->rcItem, text,
                static_cast<UINT>(lstrlenW(text)), nullptr);
    farben.fokus();
    return TRUE;
}

LRESULT Such_DF::wm_close() {
    ShowWindow(hwnd, SW_HIDE);
    fund = Fund{};
    partner.suche_beendet();
    return 0;
}

LRESULT Such_DF::wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) {
    const LRESULT ergebnis = Dialog_F::wm_activate(zustand, anderes, minimiert);
    if (zustand != WA_INACTIVE && feld) SetFocus(feld);
    return ergebnis;
}

void Such_DF::getippt() {
    wchar_t breit[TEXT / 4];
    GetWindowTextW(feld, breit, TEXT / 4);
    char text[TEXT];
    if (WideCharToMultiByte(CP_UTF8, 0, breit, -1, text, sizeof text, nullptr, nullptr) == 0) text[0] = '\0';
    vorschlag_anzahl = himmel_vorschlaege(partner.such_himmel(), text, vorschlaege, SUCH_VORSCHLAEGE);
    SendMessageW(liste, LB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; i < vorschlag_anzahl; ++i) {
        wchar_t eintrag[FUND_TEXT];
        if (MultiByteToWideChar(CP_UTF8, 0, vorschlaege[i].text, -1, eintrag, FUND_TEXT) == 0)
            eintrag[0] = L'\0';
        SendMessageW(liste, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(eintrag));
    }
    zeile_setzen("");
    // What was taken no longer is what the field says: Zentrieren takes the
    // field anew; the mark stays until then.
    fund = Fund{};
}

void Such_DF::nehmen() {
    wchar_t breit[TEXT / 4];
    GetWindowTextW(feld, breit, TEXT / 4);
    char text[TEXT];
    if (WideCharToMultiByte(CP_UTF8, 0, breit, -1, text, sizeof text, nullptr, nullptr) == 0) text[0] = '\0';
    Fund f = himmel_finden(partner.such_himmel(), text);
    if (f.art == Fundart::KEINER && vorschlag_anzahl > 0) f = vorschlaege[0];
    if (f.art != Fundart::KEINER) {
        nehmen(f);
        return;
    }
    // The text as typed inside the line; the UI texts are Windows-1252.
    char vorlage[TEXT], zeile_text[TEXT];
    utf8_aus_1252(ui_text(UI_NICHT_GEFUNDEN), vorlage, sizeof vorlage);
    std::snprintf(zeile_text, sizeof zeile_text, vorlage, text);
    zeile_setzen(zeile_text);
}

void Such_DF::nehmen(const Fund& f) {
    fund = f;
    char text[TEXT];
    partner.fund_zeigen(fund, text, sizeof text);
    zeile_setzen(text);
}

void Such_DF::zeile_setzen(const char* utf8) {
    if (zeile) text_setzen(zeile, utf8);
}
