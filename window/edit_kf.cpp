#include "edit_kf.h"

#include <cstring>

Edit_KF::Edit_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                 int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, text, x, y, breite, hoehe, stil) {}

int Edit_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Edit_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

const char* Edit_KF::fensterklasse() {
    return "edit";
}

int32_t Edit_KF::rahmen_dicke() {
    return 3;
}

LRESULT Edit_KF::getsel_bereich(DWORD* start, DWORD* ende) {
    return senden(EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(ende), 0);
}

LRESULT Edit_KF::limittext(int32_t n, int post) {
    return senden(EM_LIMITTEXT, static_cast<WPARAM>(n), 0, post);
}

LRESULT Edit_KF::setreadonly(int ein, int post) {
    return senden(EM_SETREADONLY, ein ? 1 : 0, 0, post);
}

LRESULT Edit_KF::setsel(int32_t a, int32_t b, int post) {
    return senden(EM_SETSEL, static_cast<WPARAM>(a), b, post);
}

LRESULT Edit_KF::scrollcaret(int post) {
    return senden(EM_SCROLLCARET, 0, 0, post);
}
