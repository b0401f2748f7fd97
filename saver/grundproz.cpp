// The shell's window procedure: when a running saver closes (key, button,
// mouse beyond the threshold, loss of activation), with the password asked
// once the delay has passed; the cursor is hidden while the saver runs.
#include <cstdlib>

#include "himmel_fenster.h"
#include "schale.h"

namespace {

bool schliessen_moeglich() {
    const ScrZustand& z = scr_zustand;
    return z.modus == SCHONER && !z.im_passwort;
}

// The full-screen saver proper: hidden cursor, closing on loss of activation
// and on mouse movement. A debugging window keeps its cursor and stays open.
bool bewacht() { return schliessen_moeglich() && !scr_zustand.debug; }

// Elapsed time as unsigned 32-bit milliseconds, so it survives the wrap of
// the tick count after 49.7 days; the delay in 64 bits, so a large delay in
// seconds does not wrap to a small one.
bool passwort_faellig(const ScrZustand& z) {
    const uint32_t vergangen = z.tick_zaehler() - z.start_tick;
    return vergangen > uint64_t{z.passwort_verzoegerung} * 1000;
}

void passwort_schritt(HWND fenster) {
    ScrZustand& z = scr_zustand;
    ScrTrace("WM_CLOSE: maybe we need a password");
    int erlaubt = 1;
    if (passwort_faellig(z)) {
        z.im_passwort = 1;
        SendMessageA(fenster, WM_SETCURSOR, 0, 0);
        erlaubt = z.passwort_pruefen(fenster);
        z.im_passwort = 0;
        SendMessageA(fenster, WM_SETCURSOR, 0, 0);
        GetCursorPos(&z.start_pos);
    }
    if (erlaubt) {
        ScrTrace("WM_CLOSE: doing a DestroyWindow");
        ScrAnhalten();
        DestroyWindow(fenster);
    } else {
        ScrTrace("WM_CLOSE: but failed password, so doing nothing");
        z.schliessen_angefordert = 0;
    }
}

bool jenseits_der_schwelle(const ScrZustand& z) {
    POINT p;
    GetCursorPos(&p);
    const long long dx = std::llabs(static_cast<long long>(p.x) - z.start_pos.x);
    const long long dy = std::llabs(static_cast<long long>(p.y) - z.start_pos.y);
    return dx > z.maus_schwelle || dy > z.maus_schwelle;
}

}  // namespace

LRESULT CALLBACK ScrGrundProz(HWND fenster, UINT nachricht, WPARAM wparam, LPARAM lparam) {
    ScrZustand& z = scr_zustand;
    switch (nachricht) {
        case WM_CREATE:
            ScrTrace("WM_CREATE...");
            z.fenster = fenster;
            GetCursorPos(&z.start_pos);
            z.start_tick = z.tick_zaehler();
            if (bewacht()) SetCursor(nullptr);
            break;
        case WM_DESTROY:
            ScrTrace("POSTQUITMESSAGE from WM_DESTROY!!");
            PostQuitMessage(0);
            break;
        case WM_ACTIVATE:
        case WM_ACTIVATEAPP:
        case WM_NCACTIVATE:
            if (bewacht() && LOWORD(wparam) == 0) {
                ScrTrace("WM_ACTIVATE: about to inactive window, so sending close");
                ScrSchliessen();
            }
            break;
        case WM_CLOSE:
            if (z.modus != SCHONER) break;
            if (z.schliessen_angefordert && !z.im_passwort) passwort_schritt(fenster);
            return 0;
        case WM_SETCURSOR:
            SetCursor(bewacht() ? nullptr : LoadCursorA(nullptr, IDC_ARROW));
            break;
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (schliessen_moeglich()) {
                ScrTrace("WM_BUTTONDOWN: sending close");
                ScrSchliessen();
            }
            break;
        case WM_SYSCOMMAND:
            if (z.modus != SCHONER) break;
            if (wparam == SC_SCREENSAVE) {
                ScrTrace("WM_SYSCOMMAND: gobbling up a SC_SCREENSAVE to stop a new saver from running.");
                return 0;
            }
            if (wparam == SC_CLOSE && !z.debug) {
                ScrTrace("WM_SYSCOMMAND: gobbling up a SC_CLOSE");
                return 0;
            }
            break;
        case WM_MOUSEMOVE:
            if (bewacht() && jenseits_der_schwelle(z)) {
                ScrTrace("WM_MOUSEMOVE: gone beyond threshold, sending close");
                ScrSchliessen();
            }
            break;
    }
    return DefWindowProcA(fenster, nachricht, wparam, lparam);
}
