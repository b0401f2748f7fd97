#include "eingabe/eingabe_dialog.h"

#include <cstring>
#include <vector>

#include "gemeinsam/meldung.h"
#include "gemeinsam/ui_texte.h"

Eingabeersatz eingabe_ersatz = nullptr;

namespace {

// Dialog units of the layout.
constexpr short RAND = 7, ZEILE = 18, BESCHRIFTUNG_BREITE = 90, FELD_BREITE = 120;
constexpr short KNOPF_BREITE = 50, KNOPF_HOEHE = 14;
constexpr WORD ERSTES_FELD = 1000;  // control ids: fields from here, labels from 1100
constexpr WORD ERSTE_BESCHRIFTUNG = 1100;
constexpr WORD KLASSE_KNOPF = 0x0080, KLASSE_EDIT = 0x0081, KLASSE_TEXT = 0x0082, KLASSE_LISTE = 0x0085;

struct Lauf {
    const char* titel;
    Eingabefeld* felder;
    int32_t anzahl;
    Eingabepruefung pruefen;
    void* daten;
};

// The template: a DLGTEMPLATE and its DLGITEMTEMPLATEs, each DWORD-aligned,
// with class and title as ordinals or wide strings.
class Vorlage {
public:
    void wort(WORD w) { daten.push_back(w); }
    void text(const char* t) {
        wchar_t breit[EINGABE_TEXT * 2];
        const int n = MultiByteToWideChar(CP_ACP, 0, t, -1, breit, static_cast<int>(EINGABE_TEXT * 2));
        for (int i = 0; i < (n > 0 ? n - 1 : 0); ++i) wort(static_cast<WORD>(breit[i]));
        wort(0);
    }
    void ausrichten() {
        if (daten.size() % 2) wort(0);
    }
    void doppelwort(DWORD d) {
        wort(LOWORD(d));
        wort(HIWORD(d));
    }
    void element(DWORD stil, short x, short y, short b, short h, WORD id, WORD klasse, const char* t) {
        ausrichten();
        doppelwort(stil | WS_CHILD | WS_VISIBLE);
        doppelwort(0);
        for (short v : {x, y, b, h}) wort(static_cast<WORD>(v));
        wort(id);
        wort(0xFFFF);
        wort(klasse);
        text(t);
        wort(0);  // no creation data
    }
    std::vector<WORD> daten;
};

INT_PTR CALLBACK dialog_proz(HWND dlg, UINT nachricht, WPARAM wparam, LPARAM lparam) {
    Lauf* lauf = reinterpret_cast<Lauf*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (nachricht == WM_INITDIALOG) {
        SetWindowLongPtrA(dlg, DWLP_USER, lparam);
        lauf = reinterpret_cast<Lauf*>(lparam);
        SetWindowTextA(dlg, lauf->titel);
        for (int32_t i = 0; i < lauf->anzahl; ++i) {
            const Eingabefeld& f = lauf->felder[i];
            const HWND feld = GetDlgItem(dlg, ERSTES_FELD + i);
            if (!f.auswahl) {
                SetWindowTextA(feld, f.text);
                continue;
            }
            for (int32_t k = 0; k < f.auswahl_anzahl; ++k)
                SendMessageA(feld, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.auswahl[k]));
            SendMessageA(feld, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(f.text));
        }
        return TRUE;
    }
    if (nachricht != WM_COMMAND || !lauf) return FALSE;
    if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dlg, 0);
        return TRUE;
    }
    if (LOWORD(wparam) != IDOK) return FALSE;
    for (int32_t i = 0; i < lauf->anzahl; ++i)
        GetDlgItemTextA(dlg, ERSTES_FELD + i, lauf->felder[i].text, static_cast<int>(EINGABE_TEXT));
    char text[256] = "";
    if (lauf->pruefen(lauf->felder, lauf->anzahl, text, sizeof text, lauf->daten) != 0) {
        meldung(dlg, text, ui_text(UI_TITEL_FEHLER), MB_OK | MB_ICONEXCLAMATION);
        return TRUE;
    }
    EndDialog(dlg, 1);
    return TRUE;
}

}  // namespace

bool eingabe_dialog(HWND besitzer, const char* titel, Eingabefeld* felder, int32_t anzahl,
                    Eingabepruefung pruefen, void* daten) {
    if (anzahl < 1 || anzahl > EINGABE_FELDER) return false;
    if (eingabe_ersatz) return eingabe_ersatz(titel, felder, anzahl, pruefen, daten);
    const short breite = RAND * 3 + BESCHRIFTUNG_BREITE + FELD_BREITE;
    const short knopf_y = static_cast<short>(RAND + anzahl * ZEILE + 4);
    Vorlage v;
    v.doppelwort(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    v.doppelwort(0);
    v.wort(static_cast<WORD>(2 * anzahl + 2));
    for (short w : {short(0), short(0), breite, static_cast<short>(knopf_y + KNOPF_HOEHE + RAND)})
        v.wort(static_cast<WORD>(w));
    v.wort(0);  // no menu
    v.wort(0);  // the dialog class
    v.text("");
    v.wort(8);  // point size of the font
    v.text("MS Shell Dlg");
    for (int32_t i = 0; i < anzahl; ++i) {
        const short y = static_cast<short>(RAND + i * ZEILE);
        v.element(SS_LEFT, RAND, static_cast<short>(y + 2), BESCHRIFTUNG_BREITE, 10,
                  static_cast<WORD>(ERSTE_BESCHRIFTUNG + i), KLASSE_TEXT, felder[i].beschriftung);
        const bool liste = felder[i].auswahl != nullptr;
        v.element(WS_TABSTOP | WS_BORDER | (liste ? CBS_DROPDOWNLIST | WS_VSCROLL : ES_AUTOHSCROLL),
                  RAND * 2 + BESCHRIFTUNG_BREITE, y, FELD_BREITE, liste ? 120 : 12,
                  static_cast<WORD>(ERSTES_FELD + i), liste ? KLASSE_LISTE : KLASSE_EDIT, "");
    }
    v.element(WS_TABSTOP | BS_DEFPUSHBUTTON, static_cast<short>(breite - 2 * (RAND + KNOPF_BREITE)), knopf_y,
              KNOPF_BREITE, KNOPF_HOEHE, IDOK, KLASSE_KNOPF, ui_text(UI_INFO_SCHLIESSEN));
    v.element(WS_TABSTOP, static_cast<short>(breite - RAND - KNOPF_BREITE), knopf_y, KNOPF_BREITE,
              KNOPF_HOEHE, IDCANCEL, KLASSE_KNOPF, ui_text(UI_ABBRECHEN));
    v.ausrichten();
    Lauf lauf{titel, felder, anzahl, pruefen, daten};
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(v.daten.data()), besitzer,
                                   dialog_proz, reinterpret_cast<LPARAM>(&lauf)) == 1;
}
