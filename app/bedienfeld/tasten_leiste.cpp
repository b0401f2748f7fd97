#include "bedienfeld/tasten_leiste.h"

Tasten_Scrollbar_KF::Tasten_Scrollbar_KF(Fenster* vater, const char* text, int32_t x, int32_t y,
                                         int32_t breite, int32_t hoehe, DWORD stil)
    : Scrollbar_KF(vater, text, x, y, breite, hoehe, stil) {}

int Tasten_Scrollbar_KF::taste(uint16_t code) {
    if ((code != VK_LEFT && code != VK_RIGHT) || !hwnd || !vater || !vater->hwnd) return 0;
    SendMessageA(vater->hwnd, WM_KEYDOWN, code, 0);
    return 1;
}
