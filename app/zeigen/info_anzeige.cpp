#include "zeigen/info_anzeige.h"

Schildfang schildfang(int32_t dpi) {
    return {skaliert(SCHILDFANG.quer, dpi), skaliert(SCHILDFANG.oben, dpi), skaliert(SCHILDFANG.unten, dpi)};
}

Zeitgeber Info_Anzeige::neues_objekt(int32_t art, int32_t x, int32_t y, const Kartenbereich& f) {
    art_ = art;
    lage_ = info_lage(art, x, y, f);
    vom_fund_ = false;
    return Zeitgeber::ZEIGEN;
}

void Info_Anzeige::gefunden(int32_t art, int32_t koerper, int32_t x, int32_t y, const Kartenbereich& f) {
    stern = -1;
    sternbild = -1;
    koerper_ = art == INFO_KOERPER ? koerper : -1;
    neues_objekt(art, x, y, f);
    vom_fund_ = true;
}

Maus_Folge Info_Anzeige::maus_bewegt(int32_t x, int32_t y, const Kartenbereich& f, Treffer& treffer) {
    const int32_t r = f.breite / 2;
    // The hot spots of the cursors: 2 pixels at 96 dots per inch.
    const int32_t versatz = skaliert(2, dpi_begrenzt(f.dpi));
    const int32_t s = treffer.stern(x, y - versatz, r);
    if (s > 0) {
        if (s == stern) return {Zeiger::STERN, Zeitgeber::BLEIBT};
        stern = s;
        koerper_ = -1;
        sternbild = -1;
        return {Zeiger::STERN, neues_objekt(INFO_STERN, x, y, f)};
    }
    // Leaving a star or a body hides its popup, unless a popup below takes
    // the timers over again.
    Zeitgeber z = Zeitgeber::BLEIBT;
    if (s != stern) {
        stern = s;
        z = Zeitgeber::VERBERGEN;
    }
    const int32_t k = treffer.koerper(x, y, r);
    if (k >= 0) {
        if (k == koerper_) return {Zeiger::STERN, z};
        koerper_ = k;
        sternbild = -1;
        return {Zeiger::STERN, neues_objekt(INFO_KOERPER, x, y, f)};
    }
    if (koerper_ != -1) {
        koerper_ = -1;
        z = Zeitgeber::VERBERGEN;
    }
    const int32_t b = treffer.sternbild(x - versatz, y, r);
    if (b >= 0) {
        if (b == sternbild) return {Zeiger::STERNBILD, z};
        sternbild = b;
        stern = -1;
        return {Zeiger::STERNBILD, neues_objekt(INFO_STERNBILD, x, y, f)};
    }
    if (sternbild == -1) return {Zeiger::BLEIBT, z};
    sternbild = -1;
    return {Zeiger::BLEIBT, Zeitgeber::VERBERGEN};
}

void folge_ausfuehren(HWND hauptfenster, const Maus_Folge& folge, HCURSOR cursor_stern,
                      HCURSOR cursor_sternbild) {
    if (folge.zeiger == Zeiger::STERN) SetCursor(cursor_stern);
    if (folge.zeiger == Zeiger::STERNBILD) SetCursor(cursor_sternbild);
    if (folge.zeitgeber == Zeitgeber::ZEIGEN) {
        KillTimer(hauptfenster, ZEITGEBER_INFO_VERBERGEN);
        SetTimer(hauptfenster, ZEITGEBER_INFO_ZEIGEN, INFO_VERZOEGERUNG_MS, nullptr);
    } else if (folge.zeitgeber == Zeitgeber::VERBERGEN) {
        KillTimer(hauptfenster, ZEITGEBER_INFO_ZEIGEN);
        SetTimer(hauptfenster, ZEITGEBER_INFO_VERBERGEN, INFO_SCHLUSS_MS, nullptr);
    }
}

void info_zeigen(HWND hauptfenster, HWND info, const Info_Lage& l) {
    KillTimer(hauptfenster, ZEITGEBER_INFO_ZEIGEN);
    SetWindowPos(info, HWND_TOP, l.x, l.y, l.breite, l.hoehe, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(info, nullptr, FALSE);
}

void info_verbergen(HWND hauptfenster, HWND info) {
    KillTimer(hauptfenster, ZEITGEBER_INFO_VERBERGEN);
    ShowWindow(info, SW_HIDE);
}
