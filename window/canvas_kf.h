// A drawing surface among the controls: a plain library window with the
// arrow cursor and the window colour as background, which takes no clicks
// and shows no caret. With a border style it gets the library's frame.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Canvas_KF : public Kontroll_F {
public:
    Canvas_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
              int32_t hoehe, DWORD stil);
    // A surface without parent (the tooltip window).
    Canvas_KF(Instanz* instanz, int32_t x, int32_t y, int32_t breite, int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;

protected:
    int32_t rahmen_dicke() override;
};
