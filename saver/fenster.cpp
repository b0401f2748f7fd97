// The saver window: topmost over every monitor, a third of the primary
// screen while debugging or without a host, or a child filling the host's
// client area for the preview.
#include "flaeche.h"
#include "himmel_fenster.h"
#include "schale.h"

namespace {

struct Gestalt {
    DWORD ex_stil, stil;
    Flaeche flaeche;
};

Gestalt gestalt_waehlen() {
    const ScrZustand& z = scr_zustand;
    const int b = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const Gestalt fenster_drittel{0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, b / 3, h / 3}};
    if (z.modus == SCHONER) {
        const Bildschirmmasse masse{{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                     GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)},
                                    b, h};
        return z.debug ? fenster_drittel : Gestalt{WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, schoner_flaeche(masse)};
    }
    if (z.eltern_fenster && !z.debug) {
        // The client area: the host's frame and caption are not the preview's.
        RECT r{};
        GetClientRect(z.eltern_fenster, &r);
        return Gestalt{0, WS_CHILD | WS_VISIBLE, {0, 0, r.right, r.bottom}};
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
    const Flaeche& f = g.flaeche;
    return CreateWindowExA(g.ex_stil, z.klassen_name, z.titel, g.stil, f.x, f.y, f.breite, f.hoehe,
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
