// A window of the library: an object that exists before and after its native
// window. It keeps the values the native window is created from, knows its
// application instance and its parent, and opens, shows and closes itself.
// Whoever creates a window object deletes it; a parent does not delete its
// children.
#pragma once

#include "dvliste.h"
#include "wfenster.h"

class Instanz;

class VARNIS_EXPORT Fenster : public wFenster {
public:
    // The position value that lets the system choose (CW_USEDEFAULT).
    static constexpr int32_t STANDARD = static_cast<int32_t>(0x80000000u);

    // Without a parent: instanz, or the last Instanz constructed when null.
    Fenster(Instanz* instanz, const char* titel, int32_t x, int32_t y, int32_t breite,
            int32_t hoehe, DWORD stil);
    // A child; a child of a dialog joins the dialog's kinder() list.
    Fenster(Fenster* vater, const char* titel, int32_t x, int32_t y, int32_t breite,
            int32_t hoehe, DWORD stil);
    ~Fenster() override;

    int klassen_name_(const char* name, int nur_diese) override;
    LRESULT wm_destroy() override;
    LRESULT wm_keydown(WPARAM code, LPARAM daten) override;
    LRESULT wm_lbuttondown(WPARAM flags, uint16_t x, uint16_t y) override;
    LRESULT wm_rbuttondown(WPARAM flags, uint16_t x, uint16_t y) override;
    LRESULT wm_mousemove(WPARAM flags, uint16_t x, uint16_t y) override;

    // The child windows: a dialog's own list, for every other window one
    // shared list that stays empty.
    virtual DVListe<Fenster>& kinder();
    // Sets the title from a printf format (shown at once when the window
    // exists) and returns it; with a null format it only returns it.
    virtual const char* ueberschrift(const char* format, ...);
    virtual const char* titel_text();
    // breite: pixels; verzoegerung, dauer: milliseconds (0: the defaults).
    virtual void tooltiptext(const char* text, int32_t breite, uint32_t verzoegerung,
                             uint32_t dauer);
    // The brush of owner-drawn controls; the caller keeps ownership.
    virtual void setze_hintergrund(HBRUSH brush);
    virtual HBRUSH hintergrund_brush();
    virtual void an(int ein);
    virtual int ist_an();
    // The control identifier, applied now or when the window is created.
    virtual void id(int32_t n);
    // Keyboard accelerator: 1 when the window took the key code.
    virtual int taste(uint16_t code);
    // Formatted text into the client area inset by 10 pixels, or into rect;
    // for use between the begin and end of painting, done by these calls.
    virtual void txt_ausg(const char* format, ...);
    virtual void txt_ausg(const RECT& rect, const char* format, ...);
    virtual void get_client_rect(RECT& rect);
    virtual void get_window_rect(RECT& rect);  // on the screen
    // Creates the native window and its children (all hidden unless zeigen),
    // focuses the first child with a tab stop; returns hwnd.
    virtual HWND oeffnen(int zeigen);
    virtual void schliessen();

    // Geometry of the native window; nothing happens while it does not
    // exist. Rectangles of these functions have inclusive corners: the last
    // pixel column is right, the last row bottom.
    void masse_abs(int32_t x, int32_t y, int32_t breite, int32_t hoehe);
    void masse_abs(const RECT& rect);
    void masse_rect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);  // size x2-x1 by y2-y1
    void pos_abs(int32_t x, int32_t y);
    void pos_rel(int32_t dx, int32_t dy);
    void groesse_abs(int32_t breite, int32_t hoehe);
    void groesse_rel(int32_t db, int32_t dh);
    void masse(RECT& rect);         // on the screen
    int32_t x();                    // screen position
    int32_t y();
    int32_t br();                   // width and height in pixels
    int32_t ho();
    void masse_client(RECT& rect);  // through get_client_rect
    int32_t br_client();
    int32_t ho_client();
    void masse_orig(RECT& rect);    // the stored creation rectangle

    Instanz* instanz;
    Fenster* vater;
    static Instanz* neue_instanz;  // the last Instanz constructed

protected:
    // The first child (not a dialog) with a tab-stop style and a window.
    Fenster* erstes_tabstop_kind();
    // Focuses that child and selects its whole text; 0 when there is none.
    int tabstop_fokussieren();

    int32_t x_, y_, breite, hoehe;  // creation rectangle; STANDARD: the system's choice
    DWORD stil;
    char* titel = nullptr;
    char* tip_text = nullptr;
    int32_t tip_breite = 0;
    uint32_t tip_verzoegerung = 0;
    uint32_t tip_dauer = 0;
    HBRUSH hintergrund = nullptr;
    int an_ = 1;
    int32_t kennung = 0;  // control identifier
    // The child list of the parent dialog that holds this window, or null;
    // a window never calls into a parent that may be gone.
    DVListe<Fenster>* geschwister = nullptr;

    static DVListe<Fenster> dummy_kinder;

private:
    friend class Dialog_F;  // lets go of its children when it is deleted

    void titel_setzen(char* neu);
    // The child whose screen rectangle holds the pointer and that is shown
    // but disabled (such a window receives no mouse messages itself).
    Fenster* gesperrtes_kind_bei(POINT bildschirm);
};
