// The one tooltip window of an application. Every library window reports the
// pointer's moves to it; when the pointer rests over a window with a tooltip
// text, the tip appears after a delay (timer 1) below the pointer and goes
// away after its display time (timer 2), on a key or a click, or when the
// pointer moves more than 5 pixels.
#pragma once

#include "canvas_kf.h"

class VARNIS_EXPORT ToolTip_CKF : public Canvas_KF {
public:
    explicit ToolTip_CKF(Instanz* instanz);
    ~ToolTip_CKF() override;

    int klassen_name_(const char* name, int nur_diese) override;
    LRESULT wm_timer(WPARAM nummer, LPARAM proz) override;
    LRESULT wm_paint() override;

    // The pointer moved to bildschirm (screen pixels) over fenster, whose
    // tooltip settings follow: text (null: none), width in pixels, delay
    // and display time in milliseconds (0: the defaults).
    void zeiger(Fenster* fenster, POINT bildschirm, const char* text, int32_t breite,
                uint32_t verzoegerung, uint32_t dauer);
    // Stops both timers, drops the text and destroys the tooltip window.
    void verbergen();
    // fenster is going away: the tooltip must not refer to it any more.
    void vergessen(Fenster* fenster);

    // The settings of the current or last tip.
    int32_t textbreite() const;      // pixels, 1 to 500
    uint32_t wartezeit() const;      // milliseconds before it appears
    uint32_t anzeigezeit() const;    // milliseconds it stays
    int gezeigt() const;

private:
    // Timer 1: shows the tip when the pointer is still over its window.
    void zeigen();

    char* tiptext = nullptr;
    int32_t textbreite_ = 500;
    uint32_t wartezeit_ = 800;
    uint32_t anzeigezeit_ = 2000;
    Fenster* fenster = nullptr;  // the window the pointer was last over
    POINT pos{-1000, -1000};     // its last screen position
    int gezeigt_ = 0;
    HBRUSH pinsel = nullptr;
};
