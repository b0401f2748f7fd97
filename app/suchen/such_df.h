// The search dialog ("Suchen...", Ctrl+F): a field for the name, the
// suggestions while it is typed, a line that says what was found or that
// nothing was, and the button "Zentrieren". Field, list and line are Unicode
// windows, made with the system's wide functions beside the library's ANSI
// ones, so that a typed "α" arrives as α (the message loop hands their
// messages on in UTF-16: start/programm.h). Modeless, owned by the main
// window; closing it hides it and the mark goes.
#pragma once

#include <memory>

#include "dialog.h"
#include "skaliert.h"
#include "suchen/such_partner.h"

class Font;
class Taster_KF;

constexpr int32_t SUCH_VORSCHLAEGE = 12;  // suggestions listed at most
// The controls' identifiers (WM_COMMAND); Enter in the field is IDOK.
constexpr uint16_t SUCH_FELD = 201, SUCH_LISTE = 202, SUCH_ZEILE = 203, SUCH_ZENTRIEREN = 204;

class Such_DF : public Dialog_F {
public:
    // dpi: the owner's resolution; the controls, the size and the font are
    // those of 96 DPI scaled to it (the main window passes its own).
    Such_DF(Fenster* vater, Such_Partner& partner, int32_t dpi = DPI_NORMAL);
    ~Such_DF() override;
    int klassen_name_(const char* name, int nur_diese) override;
    // Dialog_F::oeffnen, then the Unicode controls; the field takes the focus.
    HWND oeffnen(int zeigen) override;
    LRESULT wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) override;
    LRESULT wm_close() override;
    // The suggestions are owner-drawn (eintragsfarben.h), so that the one
    // chosen takes the colour scheme's colours instead of the system's blue.
    LRESULT wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element) override;
    // Activation gives the focus to the field (the library's controls would
    // take the button).
    LRESULT wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) override;

    // The Unicode controls, null while the dialog has no window.
    HWND feld = nullptr, liste = nullptr, zeile = nullptr;
    // The suggestions as listed, and the object last taken (art KEINER none).
    Fund vorschlaege[SUCH_VORSCHLAEGE] = {};
    int32_t vorschlag_anzahl = 0;
    Fund fund{};

private:
    // The field changed: the suggestions anew.
    void getippt();
    // Enter: what the field names in full, else the first suggestion; else
    // the line says that nothing was found and nothing changes.
    void nehmen();
    void nehmen(const Fund& f);
    void zeile_setzen(const char* utf8);

    Such_Partner& partner;
    const int32_t dpi_;
    // The library's font scaled to dpi_; null at 96 DPI, where the library's
    // own is taken.
    std::unique_ptr<Font> schrift;
    std::unique_ptr<Taster_KF> zentrieren;
};
