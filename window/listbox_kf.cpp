#include "listbox_kf.h"

#include <cstring>

Listbox_KF::Listbox_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                       int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, text, x, y, breite, hoehe, stil) {}

int Listbox_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Listbox_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

const char* Listbox_KF::fensterklasse() {
    return "listbox";
}

int32_t Listbox_KF::rahmen_dicke() {
    return 2;
}

LRESULT Listbox_KF::addstring(const char* text, int post) {
    return senden(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text), post);
}

LRESULT Listbox_KF::deletestring(int32_t index, int post) {
    return senden(LB_DELETESTRING, static_cast<WPARAM>(index), 0, post);
}

LRESULT Listbox_KF::getcount(int post) {
    return senden(LB_GETCOUNT, 0, 0, post);
}

LRESULT Listbox_KF::getcursel(int post) {
    return senden(LB_GETCURSEL, 0, 0, post);
}

LRESULT Listbox_KF::getitemdata(int32_t index, int post) {
    return senden(LB_GETITEMDATA, static_cast<WPARAM>(index), 0, post);
}

LRESULT Listbox_KF::getitemrect(int32_t index, RECT* rect) {
    return senden(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect), 0);
}

LRESULT Listbox_KF::getsel(int32_t index, int post) {
    return senden(LB_GETSEL, static_cast<WPARAM>(index), 0, post);
}

LRESULT Listbox_KF::getselcount(int post) {
    return senden(LB_GETSELCOUNT, 0, 0, post);
}

LRESULT Listbox_KF::gettopindex(int post) {
    return senden(LB_GETTOPINDEX, 0, 0, post);
}

LRESULT Listbox_KF::insertstring(int32_t index, const char* text, int post) {
    return senden(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text), post);
}

LRESULT Listbox_KF::resetcontent(int post) {
    return senden(LB_RESETCONTENT, 0, 0, post);
}

LRESULT Listbox_KF::selectstring(int32_t start, const char* text, int post) {
    return senden(LB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text), post);
}

LRESULT Listbox_KF::setcursel(int32_t index, int post) {
    return senden(LB_SETCURSEL, static_cast<WPARAM>(index), 0, post);
}

LRESULT Listbox_KF::setitemdata(int32_t index, LPARAM daten, int post) {
    return senden(LB_SETITEMDATA, static_cast<WPARAM>(index), daten, post);
}

LRESULT Listbox_KF::setitemheight(int32_t index, int32_t hoehe_, int post) {
    return senden(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(hoehe_, 0), post);
}

LRESULT Listbox_KF::setsel(int32_t a, int32_t b, int post) {
    return senden(LB_SETSEL, a ? 1 : 0, b, post);
}

LRESULT Listbox_KF::settopindex(int32_t index, int post) {
    return senden(LB_SETTOPINDEX, static_cast<WPARAM>(index), 0, post);
}

LRESULT Listbox_KF::gettext(int32_t index, char* puffer, size_t groesse) {
    return eintrag_text(LB_GETTEXTLEN, LB_GETTEXT, index, puffer, groesse);
}
