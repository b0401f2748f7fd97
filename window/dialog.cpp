#include "dialog.h"

#include "farbgebung.h"
#include "instanz.h"
#include "kontroll.h"

#include <cstring>

// All members, exported with the library (see DVListe<Fenster>).
template class DVListe<Dialog_F>;

Dialog_F::Dialog_F(Fenster* vater, const char* titel, int32_t x, int32_t y, int32_t breite,
                   int32_t hoehe, DWORD stil)
    : Fenster(vater, titel, x, y, breite, hoehe, stil) {
    if (instanz) instanz->dialoge.hinten_einfuegen(this);
}

Dialog_F::~Dialog_F() {
    if (instanz) instanz->dialoge.entfernen(this);
    // Children may outlive their dialog; they must not reach back to it.
    for (uint32_t i = 0; Fenster* kind = kinder_liste[i]; ++i) {
        kind->vater = nullptr;
        kind->geschwister = nullptr;
    }
    kinder_liste.leeren();
}

int Dialog_F::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Dialog_F") == 0) return 1;
    return nur_diese ? 0 : Fenster::klassen_name_(name, 0);
}

LRESULT Dialog_F::wm_syscolorchange() {
    Kontroll_F::dreiD_init();
    return Fenster::wm_syscolorchange();
}

LRESULT Dialog_F::wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) {
    LRESULT ergebnis = Fenster::wm_activate(zustand, anderes, minimiert);
    if (zustand != WA_INACTIVE) tabstop_fokussieren();
    return ergebnis;
}

namespace {

// A control's colours in the scheme; its background brush as the result.
LRESULT im_schema(WPARAM dc_wert, bool feld) {
    const Farbgebung& f = *farbgebung();
    HDC dc = reinterpret_cast<HDC>(dc_wert);
    SetTextColor(dc, f.text);
    SetBkColor(dc, feld ? f.feld : f.flaeche);
    return reinterpret_cast<LRESULT>(feld ? farbgebung_feld() : farbgebung_flaeche());
}

}  // namespace

LRESULT Dialog_F::wm_ctlcolorbtn(WPARAM dc, LPARAM kontrolle) {
    return farbgebung() ? im_schema(dc, false) : Fenster::wm_ctlcolorbtn(dc, kontrolle);
}

LRESULT Dialog_F::wm_ctlcoloredit(WPARAM dc, LPARAM kontrolle) {
    return farbgebung() ? im_schema(dc, true) : Fenster::wm_ctlcoloredit(dc, kontrolle);
}

LRESULT Dialog_F::wm_ctlcolorlistbox(WPARAM dc, LPARAM kontrolle) {
    return farbgebung() ? im_schema(dc, true) : Fenster::wm_ctlcolorlistbox(dc, kontrolle);
}

LRESULT Dialog_F::wm_ctlcolorscrollbar(WPARAM dc, LPARAM kontrolle) {
    return farbgebung() ? im_schema(dc, true) : Fenster::wm_ctlcolorscrollbar(dc, kontrolle);
}

LRESULT Dialog_F::wm_ctlcolorstatic(WPARAM dc, LPARAM kontrolle) {
    if (!farbgebung()) return Fenster::wm_ctlcolorstatic(dc, kontrolle);
    // A read-only edit field asks as a static text does; it stays a field.
    char klasse[8] = "";
    GetClassNameA(reinterpret_cast<HWND>(kontrolle), klasse, sizeof klasse);
    return im_schema(dc, lstrcmpiA(klasse, "Edit") == 0);
}

void Dialog_F::farbgebung_wechseln(HWND dialog, const Farbgebung* farben) {
    // The class's own background while no scheme holds, kept at the first
    // change; the class lets go of the old scheme's brush before it goes.
    static ULONG_PTR eigener_grund = 0;
    if (dialog && !farbgebung()) eigener_grund = GetClassLongPtrA(dialog, GCLP_HBRBACKGROUND);
    if (dialog && farbgebung()) SetClassLongPtrA(dialog, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(eigener_grund));
    farbgebung_setzen(farben);
    if (dialog && farben) SetClassLongPtrA(dialog, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(farbgebung_flaeche()));
    Kontroll_F::dreiD_init();
    auto* objekt = dialog ? static_cast<Fenster*>(welches_fenster(dialog)) : nullptr;
    if (!objekt || !objekt->instanz) {
        if (dialog) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        return;
    }
    DVListe<Dialog_F>& dialoge = objekt->instanz->dialoge;
    for (uint32_t i = 0; Dialog_F* d = dialoge[i]; ++i) {
        for (uint32_t k = 0; Fenster* kind = d->kinder_liste[k]; ++k) {
            if (kind->klassen_name_("Kontroll_F", 0)) static_cast<Kontroll_F*>(kind)->farbgebung_gewechselt();
        }
        if (d->hwnd) RedrawWindow(d->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

const char* Dialog_F::fensterklasse() {
    return "wDialog_F";
}

WNDPROC Dialog_F::def_proz() {
    return DefWindowProcA;
}

DVListe<Fenster>& Dialog_F::kinder() {
    return kinder_liste;
}

void Dialog_F::get_client_rect(RECT& rect) {
    Fenster::get_client_rect(rect);
    POINT ursprung{0, 0};
    if (hwnd) ClientToScreen(hwnd, &ursprung);
    OffsetRect(&rect, ursprung.x, ursprung.y);
}

HWND Dialog_F::oeffnen(int zeigen) {
    Fenster::oeffnen(zeigen);
    if (!instanz || !hwnd) return hwnd;
    HFONT font = instanz->font.handle();
    sm_setfont(font, 1);
    for (uint32_t i = 0; Fenster* kind = kinder_liste[i]; ++i) kind->sm_setfont(font, 1);
    return hwnd;
}

void Dialog_F::klassen_init(HINSTANCE hinstance, HICON icon) {
    klasse_registrieren(hinstance, "wDialog_F", COLOR_BTNFACE, icon);
}

void Dialog_F::tasten_anbieten(Instanz* instanz, MSG* msg) {
    DVListe<Dialog_F>& dialoge = instanz->dialoge;
    const HWND eltern = GetParent(msg->hwnd);
    for (int32_t i = dialoge.anzahl() - 1; i >= 0; --i) {
        Dialog_F* d = dialoge[static_cast<uint32_t>(i)];
        if (!d->hwnd || (d->hwnd != msg->hwnd && d->hwnd != eltern)) continue;
        const uint16_t code = static_cast<uint16_t>(msg->wParam & 0xFFFF);
        DVListe<Fenster>& kinder = d->kinder_liste;
        for (int32_t k = kinder.anzahl() - 1; k >= 0; --k) {
            if (kinder[static_cast<uint32_t>(k)]->taste(code)) {
                msg->wParam = 0;
                msg->lParam = 0;
                break;
            }
        }
        return;  // only the dialog the key is meant for
    }
}

int Dialog_F::is_dialog_message(Instanz* instanz, MSG* msg) {
    if (!instanz) return 0;
    if (msg->message == WM_KEYDOWN) tasten_anbieten(instanz, msg);
    DVListe<Dialog_F>& dialoge = instanz->dialoge;
    for (int32_t i = dialoge.anzahl() - 1; i >= 0; --i) {
        Dialog_F* d = dialoge[static_cast<uint32_t>(i)];
        if (d->hwnd && IsDialogMessageA(d->hwnd, msg)) return 1;
    }
    return 0;
}
