// A scroll bar that keeps its range and position while no native window
// exists and hands them to the control when it is created.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Scrollbar_KF : public Kontroll_F {
public:
    // Range -32000 to 32000, position 0; SBS_VERT in stil for a vertical bar.
    Scrollbar_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                 int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;
    HWND oeffnen(int zeigen) override;

    // min <= max; the position is moved into the new range.
    void setze_bereich(int32_t min, int32_t max);
    void bereich(int32_t& min, int32_t& max);
    void setze_pos(int32_t pos);  // kept within the range
    int32_t pos();

private:
    int32_t position = 0;
    int32_t minimum = -32000;
    int32_t maximum = 32000;
};
