#include "combobox_kf.h"

#include <cstring>

Combobox_KF::Combobox_KF(Fenster* vater, const char* text, int32_t x, int32_t y,
                         int32_t breite, int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, text, x, y, breite, hoehe, stil) {}

int Combobox_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Combobox_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

const char* Combobox_KF::fensterklasse() {
    return "combobox";
}

int32_t Combobox_KF::rahmen_dicke() {
    return 2;
}

LRESULT Combobox_KF::addstring(const char* text, int post) {
    return senden(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text), post);
}

LRESULT Combobox_KF::deletestring(int32_t index, int post) {
    return senden(CB_DELETESTRING, static_cast<WPARAM>(index), 0, post);
}

LRESULT Combobox_KF::findstringexact(int32_t start, const char* text, int post) {
    return senden(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text), post);
}

LRESULT Combobox_KF::getcount(int post) {
    return senden(CB_GETCOUNT, 0, 0, post);
}

LRESULT Combobox_KF::getcursel(int post) {
    return senden(CB_GETCURSEL, 0, 0, post);
}

LRESULT Combobox_KF::getitemdata(int32_t index, int post) {
    return senden(CB_GETITEMDATA, static_cast<WPARAM>(index), 0, post);
}

LRESULT Combobox_KF::getlbtext(int32_t index, char* puffer, size_t groesse) {
    return eintrag_text(CB_GETLBTEXTLEN, CB_GETLBTEXT, index, puffer, groesse);
}

LRESULT Combobox_KF::insertstring(int32_t index, const char* text, int post) {
    return senden(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text), post);
}

LRESULT Combobox_KF::limittext(int32_t n, int post) {
    return senden(CB_LIMITTEXT, static_cast<WPARAM>(n), 0, post);
}

LRESULT Combobox_KF::resetcontent(int post) {
    return senden(CB_RESETCONTENT, 0, 0, post);
}

LRESULT Combobox_KF::selectstring(int32_t start, const char* text, int post) {
    return senden(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text), post);
}

LRESULT Combobox_KF::setcursel(int32_t index, int post) {
    return senden(CB_SETCURSEL, static_cast<WPARAM>(index), 0, post);
}

LRESULT Combobox_KF::setitemdata(int32_t index, LPARAM daten, int post) {
    return senden(CB_SETITEMDATA, static_cast<WPARAM>(index), daten, post);
}
