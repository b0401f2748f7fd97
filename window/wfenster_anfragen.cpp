#include "wfenster.h"

// Control requests that a class does not support answer -1; the list box,
// combo box, edit field and push button classes override their own.

LRESULT wFenster::addstring(const char*, int) {
    return -1;
}

LRESULT wFenster::deletestring(int32_t, int) {
    return -1;
}

LRESULT wFenster::findstringexact(int32_t, const char*, int) {
    return -1;
}

LRESULT wFenster::getcount(int) {
    return -1;
}

LRESULT wFenster::getcheck(int) {
    return -1;
}

LRESULT wFenster::getcursel(int) {
    return -1;
}

LRESULT wFenster::getitemdata(int32_t, int) {
    return -1;
}

LRESULT wFenster::getitemrect(int32_t, RECT*) {
    return -1;
}

LRESULT wFenster::getlbtext(int32_t, char*, size_t) {
    return -1;
}

LRESULT wFenster::getsel(int32_t, int) {
    return -1;
}

LRESULT wFenster::getsel_bereich(DWORD*, DWORD*) {
    return -1;
}

LRESULT wFenster::getselcount(int) {
    return -1;
}

LRESULT wFenster::gettopindex(int) {
    return -1;
}

LRESULT wFenster::insertstring(int32_t, const char*, int) {
    return -1;
}

LRESULT wFenster::limittext(int32_t, int) {
    return -1;
}

LRESULT wFenster::resetcontent(int) {
    return -1;
}

LRESULT wFenster::selectstring(int32_t, const char*, int) {
    return -1;
}

LRESULT wFenster::setcheck(int32_t, int) {
    return -1;
}

LRESULT wFenster::setcursel(int32_t, int) {
    return -1;
}

LRESULT wFenster::setitemdata(int32_t, LPARAM, int) {
    return -1;
}

LRESULT wFenster::setitemheight(int32_t, int32_t, int) {
    return -1;
}

LRESULT wFenster::setreadonly(int, int) {
    return -1;
}

LRESULT wFenster::setsel(int32_t, int32_t, int) {
    return -1;
}

LRESULT wFenster::scrollcaret(int) {
    return -1;
}

LRESULT wFenster::setstyle(DWORD, int, int) {
    return -1;
}

LRESULT wFenster::settopindex(int32_t, int) {
    return -1;
}

const char* wFenster::fensterklasse() {
    return "wFenster";
}

WNDPROC wFenster::def_proz() {
    return klassen_def_proz;
}
