// A picture control: shows one bitmap that the caller keeps.
#pragma once

#include "canvas_kf.h"

class VARNIS_EXPORT Bitmap_KF : public Canvas_KF {
public:
    Bitmap_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
              int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    LRESULT wm_paint() override;

    // Takes the bitmap (null is ignored) and sizes the control to it, plus
    // 4 pixels each way for the frame of a border style.
    void setze_bild(HBITMAP bitmap);

private:
    HBITMAP bild = nullptr;
};
