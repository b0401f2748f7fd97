// The saver window: full screen and topmost, a third of the screen while
// debugging or without a host, or a child filling the host's preview.
#include "himmel_fenster.h"
#include "schale.h"

namespace {

struct Gestalt {
    DWORD ex_stil, stil;
    int breite, hoehe;
};

Gestalt gestalt_waehlen() {
    const ScrZustand& z = scr_zustand;
    const int b = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const Gestalt fenster_drittel{0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, b / 3, h / 3};
    if (z.modus == SCHONER) {
        return z.debug ? fenster_drittel : Gestalt{WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, b, h};
    }
    if (z.eltern_fenster && !z.debug) {
        RECT r{};
        GetWindowRect(z.eltern_fenster, &r);
        return Gestalt{0, WS_CHILD | WS_VISIBLE, r.right - r.left, r.bottom - r.top};
    }
    return fenster_drittel;
}

}  // namespace

HWND ScrFensterAnlegen() {
    ScrZustand& z = scr_zustand;
    ScrVorschauSetzen(z.modus == VORSCHAU);

    WNDCLASSA klasse{};
    klasse.style = CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS;
    klasse.lpfnWndProc = z.fenster_proz;
    klasse.hInstance = z.instanz;
    klasse.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    klasse.lpszClassName = z.klassen_name;
    RegisterClassA(&klasse);  // already registered is fine

    const Gestalt g = gestalt_waehlen();
    return CreateWindowExA(g.ex_stil, z.klassen_name, z.titel, g.stil, 0, 0, g.breite, g.hoehe,
                           z.eltern_fenster, nullptr, z.instanz, nullptr);
}

void ScrFensterErzeugen() {
    if (!ScrFensterAnlegen()) return;
    const ScrZustand& z = scr_zustand;
    const bool schoner = z.modus == SCHONER;
    if (schoner) z.system_parameter(SPI_SETSCREENSAVERRUNNING, 1, nullptr, 0);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    if (schoner) z.system_parameter(SPI_SETSCREENSAVERRUNNING, 0, nullptr, 0);
}
