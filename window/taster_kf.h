// A push button with a click function and an accelerator key: the keyboard
// filter of the dialogs offers every key-down to the buttons of the dialog
// it is meant for, and an enabled button with that key code clicks itself.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Taster_KF : public Kontroll_F {
public:
    using Klick = void (*)(Taster_KF* taster);

    // The caption is shown on the button itself; no label is made.
    Taster_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
              int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;
    // 1 and the button's command to its parent when code is the accelerator
    // key (a virtual-key code) and the button is enabled; else 0.
    int taste(uint16_t code) override;
    // Calls the click function when the button reports a click.
    LRESULT wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) override;

    LRESULT getcheck(int post = 0) override;
    LRESULT setcheck(int32_t n, int post = 0) override;
    LRESULT setstyle(DWORD stil, int neu_zeichnen, int post = 0) override;

    // A push button is owner-drawn while a colour scheme holds (farbgebung.h)
    // and drawn in it; the system's button again when the scheme ends.
    HWND oeffnen(int zeigen) override;
    void farbgebung_gewechselt() override;
    LRESULT wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element) override;

    // klick may be null; taste_code 0 means no accelerator.
    void tasten_init(Klick klick, uint16_t taste_code);

private:
    Klick klick = nullptr;
    uint16_t taste_code = 0;
    // The button type BS_OWNERDRAW replaced while the scheme holds.
    bool im_schema = false;
    DWORD system_art = BS_PUSHBUTTON;
};
