#include "canvas_kf.h"

#include <cstring>

Canvas_KF::Canvas_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                     int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, text, x, y, breite, hoehe, stil) {}

Canvas_KF::Canvas_KF(Instanz* instanz, int32_t x, int32_t y, int32_t breite, int32_t hoehe,
                     DWORD stil)
    : Kontroll_F(instanz, x, y, breite, hoehe, stil) {}

int Canvas_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Canvas_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

// The library's own class: the system default procedure ignores clicks and
// never makes a caret.
const char* Canvas_KF::fensterklasse() {
    return "wFenster";
}

int32_t Canvas_KF::rahmen_dicke() {
    return 2;
}
