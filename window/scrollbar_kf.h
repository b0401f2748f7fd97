// A scroll bar that keeps its range and position while no native window
// exists and hands them to the control when it is created. While a colour
// scheme holds (farbgebung.h) it draws itself in the scheme and takes the
// mouse over from the system control (scrollbar_schema.cpp); the parent
// gets the same WM_HSCROLL and WM_VSCROLL notifications either way.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Scrollbar_KF : public Kontroll_F {
public:
    // Range -32000 to 32000, position 0; SBS_VERT in stil for a vertical bar.
    Scrollbar_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                 int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;
    // The system control's procedure, or the scheme's (schema_proz) while a
    // colour scheme holds.
    WNDPROC def_proz() override;
    HWND oeffnen(int zeigen) override;

    // min <= max; the position is moved into the new range.
    void setze_bereich(int32_t min, int32_t max);
    void bereich(int32_t& min, int32_t& max);
    void setze_pos(int32_t pos);  // kept within the range
    int32_t pos();

    // The parts of the bar along its length, in the order they lie.
    enum Teil { KEIN_TEIL, PFEIL_VOR, SEITE_VOR, DAUMEN, SEITE_NACH, PFEIL_NACH };
    // Pixel positions along the bar (left or top edge 0); an empty thumb
    // (daumen_laenge 0) when the bar is disabled or too short for one.
    struct Masse {
        int32_t pfeil;          // length of each arrow button
        int32_t daumen;         // start of the thumb
        int32_t daumen_laenge;
        int32_t laenge;         // of the whole bar
    };
    // The parts of a bar laenge pixels long with buttons dicke pixels square
    // (shorter ones when the bar is too short) for a thumb at pos in
    // min..max with page seite (0: a square thumb).
    static Masse masse_von(int32_t laenge, int32_t dicke, int32_t min, int32_t max,
                           uint32_t seite, int32_t pos, bool an);
    // The part at a pixel position along the bar.
    static Teil teil_bei(const Masse& m, int32_t stelle);
    // The position a thumb starting at pixel daumen stands for.
    static int32_t pos_bei(const Masse& m, int32_t daumen, int32_t min, int32_t max,
                           uint32_t seite);

    // A bar in the colour scheme (nothing without one) in r of dc, with the
    // part gedrueckt held down under the pointer and the thumb at daumen;
    // also for the scroll bars of system windows (schema_rand.h).
    static void leiste_zeichnen(HDC dc, const RECT& r, bool senkrecht, const Masse& m, bool an,
                                Teil gedrueckt, int32_t daumen);

private:
    // The scheme's drawing and mouse, in scrollbar_schema.cpp.
    static LRESULT CALLBACK schema_proz(HWND h, UINT msg, WPARAM w, LPARAM l);
    LRESULT im_schema(UINT msg, WPARAM w, LPARAM l);
    void zeichnen(HDC dc);
    Masse masse_jetzt();
    void melden(uint16_t art, int32_t pos);
    void druecken(int32_t stelle);
    void ziehen(int32_t stelle);
    void loslassen();
    void wiederholen();
    int32_t stelle_von(LPARAM l, bool auf_der_leiste);

    int32_t position = 0;
    int32_t minimum = -32000;
    int32_t maximum = 32000;
    // The mouse while the scheme's bar holds it: the part pressed, whether
    // the pointer is still over it, and for the thumb the grip and the
    // position it is dragged to.
    Teil gedrueckt = KEIN_TEIL;
    bool darueber = false;
    int32_t griff = 0;
    int32_t zug_daumen = 0;
    int32_t zug_pos = 0;
};
