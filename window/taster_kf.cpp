#include "taster_kf.h"

#include "text_kf.h"

#include <cstring>

Taster_KF::Taster_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                     int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, text, x, y, breite, hoehe, stil) {
    delete beschriftung;
    beschriftung = nullptr;
}

int Taster_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Taster_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

const char* Taster_KF::fensterklasse() {
    return "button";
}

int Taster_KF::taste(uint16_t code) {
    if (taste_code == 0 || code != taste_code || !ist_an() || !hwnd || !vater) return 0;
    vater->sm_command(static_cast<uint16_t>(kennung), reinterpret_cast<LPARAM>(hwnd), BN_CLICKED);
    return 1;
}

LRESULT Taster_KF::wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) {
    LRESULT ergebnis = Kontroll_F::wm_command(id, kontrolle, code);
    if (kontrolle == reinterpret_cast<LPARAM>(hwnd) && code == BN_CLICKED && klick) klick(this);
    return ergebnis;
}

LRESULT Taster_KF::getcheck(int post) {
    return senden(BM_GETCHECK, 0, 0, post);
}

LRESULT Taster_KF::setcheck(int32_t n, int post) {
    return senden(BM_SETCHECK, static_cast<WPARAM>(n), 0, post);
}

LRESULT Taster_KF::setstyle(DWORD neuer_stil, int neu_zeichnen, int post) {
    return senden(BM_SETSTYLE, neuer_stil, MAKELPARAM(neu_zeichnen ? 1 : 0, 0), post);
}

void Taster_KF::tasten_init(Klick neuer_klick, uint16_t code) {
    klick = neuer_klick;
    taste_code = code;
}
