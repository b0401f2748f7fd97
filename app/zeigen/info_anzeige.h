// The hover popup: which star or constellation is under the mouse, when the
// popup is shown and hidden, which cursor the chart pane shows.
#pragma once

#include <windows.h>

#include <cstdint>

#include "himmel.h"
#include "koerperscheiben.h"
#include "zeigen/info_lage.h"

// Timers of the main window that show and hide the popup, and their delays.
constexpr UINT_PTR ZEITGEBER_INFO_ZEIGEN = 2;
constexpr UINT_PTR ZEITGEBER_INFO_VERBERGEN = 3;
constexpr UINT INFO_VERZOEGERUNG_MS = 500;
constexpr UINT INFO_SCHLUSS_MS = 10;

// The hit tests of the chart, at pane pixels within the chart of radius r
// (the star's 2 pixels below the mouse, the label's 2 right of it, at 96
// dots per inch):
// a star number (above 0), body (KoerperArt, 0 or more) or constellation
// index (0 or more), else -1. The star's and the constellation's select
// what they found for the texts of the popup.
class Treffer {
public:
    virtual ~Treffer() = default;
    virtual int32_t stern(int32_t x, int32_t y, int32_t r) = 0;
    virtual int32_t koerper(int32_t x, int32_t y, int32_t r) = 0;
    virtual int32_t sternbild(int32_t x, int32_t y, int32_t r) = 0;
};
// The constellation label's box the mouse finds it in, at the screen's dpi.
Schildfang schildfang(int32_t dpi);

class Himmel_Treffer final : public Treffer {
public:
    // lage: the bodies as the chart drew them, null none; plan: where the
    // chart's labels stand; dpi: the screen's dots per inch the chart was
    // drawn for, which the tolerances grow with.
    Himmel_Treffer(Himmel& himmel, const Koerperlage* lage, const Schildplan& plan,
                   int32_t dpi = DPI_NORMAL)
        : himmel(himmel), lage(lage), plan(plan), dpi(dpi_begrenzt(dpi)) {}
    int32_t stern(int32_t x, int32_t y, int32_t r) override {
        return himmel.stern_suchen(x, y, r, skaliert(1, dpi));
    }
    int32_t koerper(int32_t x, int32_t y, int32_t r) override {
        return lage ? koerper_suchen(himmel, *lage, x, y, r, dpi) : -1;
    }
    int32_t sternbild(int32_t x, int32_t y, int32_t r) override {
        return himmel.sternbild_suchen(x, y, r, plan, schildfang(dpi));
    }

private:
    Himmel& himmel;
    const Koerperlage* lage;
    const Schildplan& plan;
    int32_t dpi;
};

enum class Zeiger { BLEIBT, STERN, STERNBILD };
// ZEIGEN: stop the hiding timer, (re)start the showing one with 500 ms;
// VERBERGEN: stop the showing timer, start the hiding one with 10 ms.
enum class Zeitgeber { BLEIBT, ZEIGEN, VERBERGEN };
struct Maus_Folge {
    Zeiger zeiger;
    Zeitgeber zeitgeber;
};

// The hover state: the star, body and constellation under the mouse at the
// last move (-1 none), so resting on one object shows its popup once, and
// the art and place of the next popup. A star wins over a body (a planet's
// disc never hides a star from the mouse), a body over a constellation's
// label.
class Info_Anzeige {
public:
    // A mouse move to pane pixel (x, y).
    Maus_Folge maus_bewegt(int32_t x, int32_t y, const Kartenbereich& flaeche, Treffer& treffer);
    // The popup of an object found otherwise than by the mouse (the search):
    // art, the body (KoerperArt) for INFO_KOERPER, beside pane pixel (x, y);
    // the next mouse move over an object shows that one's.
    void gefunden(int32_t art, int32_t koerper, int32_t x, int32_t y, const Kartenbereich& flaeche);
    // True while the popup is the search's: the mouse's hit tests since
    // have cleared the selection it shows, which its painting sets again.
    bool vom_fund() const { return vom_fund_; }
    int32_t art() const { return art_; }
    // The body of the popup (KoerperArt) while art() is INFO_KOERPER.
    int32_t koerper() const { return koerper_; }
    const Info_Lage& lage() const { return lage_; }

private:
    Zeitgeber neues_objekt(int32_t art, int32_t x, int32_t y, const Kartenbereich& flaeche);

    int32_t stern = -1;
    int32_t koerper_ = -1;
    int32_t sternbild = -1;
    int32_t art_ = INFO_STERN;
    bool vom_fund_ = false;
    Info_Lage lage_{0, 0, 100, 100};
};

// Sets the cursor and the timers of hauptfenster as folge says.
void folge_ausfuehren(HWND hauptfenster, const Maus_Folge& folge, HCURSOR cursor_stern,
                      HCURSOR cursor_sternbild);
// Timer 2: stops it, moves and sizes the popup, shows it on top of the panes
// without activating it and has it repaint without erasing.
void info_zeigen(HWND hauptfenster, HWND info, const Info_Lage& lage);
// Timer 3: stops it and hides the popup.
void info_verbergen(HWND hauptfenster, HWND info);
