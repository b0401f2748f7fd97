// A list box with the library's frame.
#pragma once

#include "kontroll.h"

class VARNIS_EXPORT Listbox_KF : public Kontroll_F {
public:
    Listbox_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
               int32_t hoehe, DWORD stil);

    int klassen_name_(const char* name, int nur_diese) override;
    const char* fensterklasse() override;

    LRESULT addstring(const char* text, int post = 0) override;
    LRESULT deletestring(int32_t index, int post = 0) override;
    LRESULT getcount(int post = 0) override;
    LRESULT getcursel(int post = 0) override;
    LRESULT getitemdata(int32_t index, int post = 0) override;
    LRESULT getitemrect(int32_t index, RECT* rect) override;
    LRESULT getsel(int32_t index, int post = 0) override;
    LRESULT getselcount(int post = 0) override;
    LRESULT gettopindex(int post = 0) override;
    LRESULT insertstring(int32_t index, const char* text, int post = 0) override;
    LRESULT resetcontent(int post = 0) override;
    LRESULT selectstring(int32_t start, const char* text, int post = 0) override;
    LRESULT setcursel(int32_t index, int post = 0) override;
    LRESULT setitemdata(int32_t index, LPARAM daten, int post = 0) override;
    LRESULT setitemheight(int32_t index, int32_t hoehe, int post = 0) override;
    // a: 1 selects, 0 deselects; b: the item (-1: all).
    LRESULT setsel(int32_t a, int32_t b, int post = 0) override;
    LRESULT settopindex(int32_t index, int post = 0) override;
    // Copies item index into puffer (groesse bytes with the final zero);
    // -1 when the item does not exist or does not fit.
    virtual LRESULT gettext(int32_t index, char* puffer, size_t groesse);

protected:
    int32_t rahmen_dicke() override;
};
