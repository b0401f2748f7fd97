// A message table gives one window object handlers of its own without a
// derived class. Each entry pairs a message number with a function that
// receives the object and the message's parameters, decoded by the kind of
// message; the table ends with mldg_ende. The table is looked at before the
// virtual handlers. Entries are made with mldg_eintrag<WM_...>(handler), which
// accepts only a handler of the kind that message is decoded to.
#pragma once

#include <windows.h>

#include <cstdint>

class wFenster;

namespace mldg {

enum class Art { keine, ohne, create, maus, befehl, quit, font, roh };

// How the parameters of a message reach a table handler.
constexpr Art art(UINT msg) {
    switch (msg) {
    case WM_DESTROY: case WM_PAINT: case WM_CLOSE: case WM_SYSCOLORCHANGE:
        return Art::ohne;
    case WM_CREATE:
        return Art::create;
    case WM_SIZE: case WM_SETCURSOR:
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
        return Art::maus;
    case WM_ACTIVATE: case WM_COMMAND:
        return Art::befehl;
    case WM_QUIT:
        return Art::quit;
    case WM_SETFONT:
        return Art::font;
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_TIMER: case WM_USER:
    case WM_MOUSEWHEEL: case WM_CAPTURECHANGED:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        return Art::roh;
    default:
        return Art::keine;
    }
}

using Ohne = LRESULT (*)(wFenster*);
using Create = LRESULT (*)(wFenster*, LPARAM);
// (wparam, low and high 16 bits of lparam): size, cursor and mouse messages.
using Maus = LRESULT (*)(wFenster*, WPARAM, uint16_t, uint16_t);
// (low 16 bits of wparam, lparam, high 16 bits of wparam): command, activate.
using Befehl = LRESULT (*)(wFenster*, uint16_t, LPARAM, uint16_t);
using Quit = LRESULT (*)(wFenster*, WPARAM);
using Font = LRESULT (*)(wFenster*, WPARAM, uint16_t);
using Roh = LRESULT (*)(wFenster*, WPARAM, LPARAM);

template <Art A> struct Handler;
template <> struct Handler<Art::ohne> { using Typ = Ohne; };
template <> struct Handler<Art::create> { using Typ = Create; };
template <> struct Handler<Art::maus> { using Typ = Maus; };
template <> struct Handler<Art::befehl> { using Typ = Befehl; };
template <> struct Handler<Art::quit> { using Typ = Quit; };
template <> struct Handler<Art::font> { using Typ = Font; };
template <> struct Handler<Art::roh> { using Typ = Roh; };

}  // namespace mldg

// One entry: a message number and a full-width function pointer, whose real
// type is the handler type of the message's kind.
struct Mldg_Eintrag {
    UINT nummer;
    void (*handler)();
};

template <UINT M>
Mldg_Eintrag mldg_eintrag(typename mldg::Handler<mldg::art(M)>::Typ handler) {
    return Mldg_Eintrag{M, reinterpret_cast<void (*)()>(handler)};
}

constexpr Mldg_Eintrag mldg_ende{0, nullptr};
