// A pane that shows a chart canvas (DIB) owned by someone else, copied to the
// window whenever it is painted.
#pragma once

#include "canvas_kf.h"

class DIB;

class VARNIS_EXPORT DIB_KF : public Canvas_KF {
public:
    DIB_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
           int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    LRESULT wm_paint() override;

    // Attaches dib when it is not null; returns the attached canvas.
    DIB* setze_dib(DIB* dib);
    // Copies the canvas into the window now, without waiting for painting.
    void neu_ausgeben();

private:
    DIB* dib = nullptr;
};
