// The base of the controls inside dialogs. A control wraps a system control
// class and adds two things of the library: the caption syntax, which places
// the control and a label of its own in table columns, and a sunken
// three-dimensional frame drawn by the library instead of the system border.
//
// Caption syntax: the text is split into fields at "#" and "|", field i
// beginning after the i-th separator. At the first "#" that is not the first
// character the control moves right by Text_KF::tab[i] of the field that "#"
// begins, or 15 pixels down when a "_" stands before the "#" (label above).
// A caption longer than one character with a "#" gets a label showing the
// whole caption. The control's title is the text between the first two "#",
// or the whole caption when it has no "#".
#pragma once

#include "fenster.h"

class Text_KF;

class VARNIS_EXPORT Kontroll_F : public Fenster {
public:
    Kontroll_F(Fenster* vater, const char* beschriftungstext, int32_t x, int32_t y,
               int32_t breite, int32_t hoehe, DWORD stil);
    // A control without parent and caption (the tooltip window).
    Kontroll_F(Instanz* instanz, int32_t x, int32_t y, int32_t breite, int32_t hoehe, DWORD stil);
    ~Kontroll_F() override;  // deletes the label it made

    int klassen_name_(const char* name, int nur_diese) override;
    void an(int ein) override;  // the label too
    WNDPROC def_proz() override;  // the wrapped system class's procedure
    HWND oeffnen(int zeigen) override;
    LRESULT wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) override;
    LRESULT wm_nccalcsize(WPARAM alle, LPARAM daten) override;
    LRESULT wm_ncpaint(HRGN bereich) override;

    virtual Text_KF* beschriftung_von();
    // The colour scheme (farbgebung.h) was set or ended; the redraw follows.
    virtual void farbgebung_gewechselt();
    // Draws the library's frame over the non-client area of the window.
    virtual void dreiD();

    // The four pens of the frame, made again from the system colours or the
    // colour scheme set (farbgebung.h).
    static void dreiD_init();
    static void dreiD_freigeben();
    // The frame in a window rectangle breite x hoehe of dc; innen adds the
    // inner window-colour line of edit fields.
    static void dreiD_zeichnen(HDC dc, int32_t breite, int32_t hoehe, int innen);

    static HPEN h_pen_hell;     // button face lightened halfway to white
    static HPEN h_pen_mittel;   // button face
    static HPEN h_pen_dunkel;   // button shadow
    static HPEN h_pen_fenster;  // window colour

protected:
    // Width in pixels of the library's frame for a control of this class
    // with a border style; 0: the system draws the border as usual.
    virtual int32_t rahmen_dicke();
    // The frame width in effect now (0 without the border style).
    int32_t rahmen();
    // The text of a list item copied into puffer of groesse bytes, through
    // the request for its length first; -1 when it is missing or too long.
    LRESULT eintrag_text(UINT laenge_anfrage, UINT text_anfrage, int32_t index, char* puffer,
                         size_t groesse);

    Text_KF* beschriftung = nullptr;

private:
    void beschriftung_lesen(const char* text);
};
