// The root of the window classes: an object bound to one native window. The
// object's address hangs on the window as the property "THIS", and the
// window's procedure is wFenster::proz, which hands every message to the
// object: its message table first, then the virtual handler named after the
// message. Every default handler passes its message on to def_proz().
#pragma once

#include "export.h"
#include "mldg_tabelle.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

class VARNIS_EXPORT wFenster {
public:
    wFenster();
    // Unbinds and destroys a native window that still exists, so that no
    // message can reach the deleted object.
    virtual ~wFenster();
    wFenster(const wFenster&) = delete;
    wFenster& operator=(const wFenster&) = delete;

    virtual WNDPROC proz_adresse();
    // Run-time type test: 1 when name is this class's name; otherwise 0 when
    // nur_diese is non-zero, else the answer of the base class.
    virtual int klassen_name_(const char* name, int nur_diese);
    virtual void setze_hwnd(HWND h);
    // Creates the native window of fensterklasse() and binds it to this object.
    virtual HWND create_window(const char* titel, DWORD stil, int32_t x, int32_t y,
                               int32_t breite, int32_t hoehe, HWND vater_hwnd,
                               HMENU menue, HINSTANCE hinstance);
    virtual void destroy_window();

    // Send the message to the own window (post when post is non-zero); the
    // result of the send, or of PostMessage.
    virtual LRESULT sm_close(int post = 0);
    virtual LRESULT sm_destroy(int post = 0);
    virtual LRESULT sm_erasebkgnd(HDC dc, int post = 0);
    virtual LRESULT sm_getfont(int post = 0);
    virtual LRESULT sm_paint(int post = 0);
    virtual LRESULT sm_setfont(HFONT font, int neu_zeichnen, int post = 0);
    virtual LRESULT sm_setredraw(int ein, int post = 0);
    virtual LRESULT sm_settext(const char* text, int post = 0);
    virtual LRESULT sm_showwindow(int zeigen, int status, int post = 0);
    virtual LRESULT sm_command(uint16_t id, LPARAM kontrolle, uint16_t code, int post = 0);
    virtual LRESULT sm_create(CREATESTRUCTA* daten, int post = 0);
    virtual LRESULT sm_ctlcolorbtn(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_ctlcolordlg(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_ctlcoloredit(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_ctlcolorlistbox(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_ctlcolormsgbox(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_ctlcolorscrollbar(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_ctlcolorstatic(HDC dc, HWND kontrolle, int post = 0);
    virtual LRESULT sm_hscroll(uint16_t art, int16_t pos, HWND leiste, int post = 0);
    virtual LRESULT sm_vscroll(uint16_t art, int16_t pos, HWND leiste, int post = 0);

    // Message handlers. Mouse coordinates are client pixels as unsigned
    // 16-bit values; scroll positions are signed.
    virtual LRESULT wm_char(WPARAM code, LPARAM daten);
    virtual LRESULT wm_close();
    virtual LRESULT wm_destroy();
    virtual LRESULT wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element);
    // The window's screen resolution changed to dpi (dots per inch); the
    // system suggests the window rectangle vorschlag (screen pixels).
    virtual LRESULT wm_dpichanged(uint16_t dpi, RECT* vorschlag);
    virtual LRESULT wm_keydown(WPARAM code, LPARAM daten);
    virtual LRESULT wm_keyup(WPARAM code, LPARAM daten);
    virtual LRESULT wm_killfocus(HWND neu);
    virtual LRESULT wm_lbuttondblclk(WPARAM flags, uint16_t x, uint16_t y);
    virtual LRESULT wm_lbuttondown(WPARAM flags, uint16_t x, uint16_t y);
    virtual LRESULT wm_lbuttonup(WPARAM flags, uint16_t x, uint16_t y);
    virtual LRESULT wm_measureitem(WPARAM id, MEASUREITEMSTRUCT* element);
    virtual LRESULT wm_mousemove(WPARAM flags, uint16_t x, uint16_t y);
    virtual LRESULT wm_nchittest(int16_t x, int16_t y);  // screen pixels
    virtual LRESULT wm_nccalcsize(WPARAM alle, LPARAM daten);
    virtual LRESULT wm_ncpaint(HRGN bereich);
    virtual LRESULT wm_paint();
    virtual LRESULT wm_queryendsession(WPARAM reserviert, LPARAM art);
    virtual LRESULT wm_quit(WPARAM code);
    virtual LRESULT wm_rbuttondown(WPARAM flags, uint16_t x, uint16_t y);
    virtual LRESULT wm_rbuttonup(WPARAM flags, uint16_t x, uint16_t y);
    virtual LRESULT wm_setcursor(WPARAM fenster, uint16_t treffer, uint16_t maus_mldg);
    virtual LRESULT wm_setfocus(HWND alt);
    virtual LRESULT wm_setfont(WPARAM font, uint16_t neu_zeichnen);
    virtual LRESULT wm_settext(const char* text);
    virtual LRESULT wm_size(WPARAM art, uint16_t breite, uint16_t hoehe);
    virtual LRESULT wm_syscolorchange();
    virtual LRESULT wm_syscommand(WPARAM befehl, LPARAM pos);
    virtual LRESULT wm_timer(WPARAM nummer, LPARAM proz);
    virtual LRESULT wm_user(WPARAM w, LPARAM l);
    virtual LRESULT wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert);
    virtual LRESULT wm_command(uint16_t id, LPARAM kontrolle, uint16_t code);
    virtual LRESULT wm_ctlcolorbtn(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_ctlcolordlg(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_ctlcoloredit(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_ctlcolorlistbox(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_ctlcolormsgbox(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_ctlcolorscrollbar(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_ctlcolorstatic(WPARAM dc, LPARAM kontrolle);
    virtual LRESULT wm_hscroll(uint16_t art, int16_t pos, LPARAM leiste);
    virtual LRESULT wm_vscroll(uint16_t art, int16_t pos, LPARAM leiste);

    // Control requests: -1 means the class does not support the request.
    // Requests that return data through a pointer are always sent.
    virtual LRESULT addstring(const char* text, int post = 0);
    virtual LRESULT deletestring(int32_t index, int post = 0);
    virtual LRESULT findstringexact(int32_t start, const char* text, int post = 0);
    virtual LRESULT getcount(int post = 0);
    virtual LRESULT getcheck(int post = 0);
    virtual LRESULT getcursel(int post = 0);
    virtual LRESULT getitemdata(int32_t index, int post = 0);
    virtual LRESULT getitemrect(int32_t index, RECT* rect);
    // Copies item index into puffer (groesse bytes with the final zero);
    // -1 when the item does not exist or does not fit.
    virtual LRESULT getlbtext(int32_t index, char* puffer, size_t groesse);
    virtual LRESULT getsel(int32_t index, int post = 0);
    virtual LRESULT getsel_bereich(DWORD* start, DWORD* ende);
    virtual LRESULT getselcount(int post = 0);
    virtual LRESULT gettopindex(int post = 0);
    virtual LRESULT insertstring(int32_t index, const char* text, int post = 0);
    virtual LRESULT limittext(int32_t n, int post = 0);
    virtual LRESULT resetcontent(int post = 0);
    virtual LRESULT selectstring(int32_t start, const char* text, int post = 0);
    virtual LRESULT setcheck(int32_t n, int post = 0);
    virtual LRESULT setcursel(int32_t index, int post = 0);
    virtual LRESULT setitemdata(int32_t index, LPARAM daten, int post = 0);
    virtual LRESULT setitemheight(int32_t index, int32_t hoehe, int post = 0);
    virtual LRESULT setreadonly(int ein, int post = 0);
    virtual LRESULT setsel(int32_t a, int32_t b, int post = 0);
    virtual LRESULT scrollcaret(int post = 0);
    virtual LRESULT setstyle(DWORD stil, int neu_zeichnen, int post = 0);
    virtual LRESULT settopindex(int32_t index, int post = 0);

    // The native class name and the procedure that gets what the object does
    // not handle (null: the system default window procedure).
    virtual const char* fensterklasse();
    virtual WNDPROC def_proz();

    // The window procedure of every library window.
    static LRESULT CALLBACK proz(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
    // Registers the class "wFenster" (the procedures of the wrapped system
    // controls are read on first use).
    static void klassen_init(HINSTANCE hinstance);
    static wFenster* welches_fenster(HWND hwnd);
    static WNDPROC klassen_def_proz;

    HWND hwnd = nullptr;  // null while the native window does not exist
    const Mldg_Eintrag* mldg_tabelle = nullptr;

protected:
    // Registers a native class of the library: procedure proz, arrow cursor,
    // the system colour farbe (COLOR_...) as background, no menu, no style.
    static void klasse_registrieren(HINSTANCE hinstance, const char* name, int farbe, HICON icon);
    // The default processing of a message: def_proz(), or the system's.
    LRESULT standard(UINT msg, WPARAM wparam, LPARAM lparam);
    // Sends a message to the own window, or posts it when post is non-zero.
    LRESULT senden(UINT msg, WPARAM wparam, LPARAM lparam, int post);

private:
    // 1 when the table has an entry for msg; its result is then in ergebnis.
    int tabelle_aufrufen(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& ergebnis);
    LRESULT verteilen(UINT msg, WPARAM wparam, LPARAM lparam);
};
