#include "scrollbar_kf.h"

#include "farbgebung.h"

#include <cstring>

Scrollbar_KF::Scrollbar_KF(Fenster* vater, const char* text, int32_t x, int32_t y,
                           int32_t breite, int32_t hoehe, DWORD stil)
    : Kontroll_F(vater, text, x, y, breite, hoehe, stil) {}

int Scrollbar_KF::klassen_name_(const char* name, int nur_diese) {
    if (strcmp(name, "Scrollbar_KF") == 0) return 1;
    return nur_diese ? 0 : Kontroll_F::klassen_name_(name, 0);
}

const char* Scrollbar_KF::fensterklasse() {
    return "scrollbar";
}

WNDPROC Scrollbar_KF::def_proz() {
    return farbgebung() ? schema_proz : Kontroll_F::def_proz();
}

HWND Scrollbar_KF::oeffnen(int zeigen) {
    const bool neu = !hwnd;
    Kontroll_F::oeffnen(zeigen);
    if (neu && hwnd) {
        SetScrollRange(hwnd, SB_CTL, minimum, maximum, FALSE);
        SetScrollPos(hwnd, SB_CTL, position, TRUE);
    }
    return hwnd;
}

void Scrollbar_KF::setze_bereich(int32_t min, int32_t max) {
    minimum = min;
    maximum = max;
    if (hwnd) SetScrollRange(hwnd, SB_CTL, min, max, TRUE);
    setze_pos(position);
}

void Scrollbar_KF::bereich(int32_t& min, int32_t& max) {
    min = minimum;
    max = maximum;
}

void Scrollbar_KF::setze_pos(int32_t pos) {
    // Kept within the range, as the control keeps its thumb.
    position = pos < minimum ? minimum : pos > maximum ? maximum : pos;
    if (hwnd) SetScrollPos(hwnd, SB_CTL, position, TRUE);
}

int32_t Scrollbar_KF::pos() {
    return position;
}
