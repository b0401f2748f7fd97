// An edit field with the library's frame (three pixels: the sunken frame and
// an inner line in the window colour).
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Edit_KF : public Kontroll_F {
public:
    Edit_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
            int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;

    LRESULT getsel_bereich(DWORD* start, DWORD* ende) override;
    LRESULT limittext(int32_t n, int post = 0) override;
    LRESULT setreadonly(int ein, int post = 0) override;
    LRESULT setsel(int32_t a, int32_t b, int post = 0) override;  // characters a to b
    LRESULT scrollcaret(int post = 0) override;

protected:
    int32_t rahmen_dicke() override;
};
