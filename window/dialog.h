// A top-level window that holds controls: it keeps its children in order of
// construction, gives them the default font of the instance, focuses the
// first one with a tab stop, and takes part in the keyboard filter of the
// message loop (push-button accelerators and the system's dialog keys).
#pragma once

#include "farbgebung.h"
#include "fenster.h"

class VARNIS_EXPORT Dialog_F : public Fenster {
public:
    // Joins the instance's registry of dialogs.
    Dialog_F(Fenster* vater, const char* titel, int32_t x, int32_t y, int32_t breite,
             int32_t hoehe, DWORD stil);
    // Leaves the registry; the children are not deleted but forget this parent.
    ~Dialog_F() override;

    int klassen_name_(const char* name, int nur_diese) override;
    LRESULT wm_syscolorchange() override;
    LRESULT wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) override;
    // With a colour scheme set (farbgebung.h) the controls' text and
    // background in it: fields, lists and scroll bars on the field colour,
    // texts and buttons on the face; else the system's.
    LRESULT wm_ctlcolorbtn(WPARAM dc, LPARAM kontrolle) override;
    LRESULT wm_ctlcoloredit(WPARAM dc, LPARAM kontrolle) override;
    LRESULT wm_ctlcolorlistbox(WPARAM dc, LPARAM kontrolle) override;
    LRESULT wm_ctlcolorscrollbar(WPARAM dc, LPARAM kontrolle) override;
    LRESULT wm_ctlcolorstatic(WPARAM dc, LPARAM kontrolle) override;
    // Sets the library's colour scheme (null: the system's colours again,
    // farbgebung.h), the dialogs' class background and the 3-D frames to
    // match, tells the controls of every dialog of dialog's instance, and
    // redraws those dialogs with all their children.
    static void farbgebung_wechseln(HWND dialog, const Farbgebung* farben);
    const char* fensterklasse() override;
    WNDPROC def_proz() override;
    DVListe<Fenster>& kinder() override;
    // The client rectangle in screen coordinates.
    void get_client_rect(RECT& rect) override;
    // Fenster::oeffnen, then the instance's font on the dialog and every child.
    HWND oeffnen(int zeigen) override;

    // The keyboard filter of the message loop: 1 when msg was consumed and
    // must be neither translated nor dispatched.
    static int is_dialog_message(Instanz* instanz, MSG* msg);
    // Registers the native class "wDialog_F" with the program's icon.
    static void klassen_init(HINSTANCE hinstance, HICON icon);

private:
    // Offers a key-down to the children of the one dialog it is meant for,
    // last child first; a taken key is blanked in msg.
    static void tasten_anbieten(Instanz* instanz, MSG* msg);

    DVListe<Fenster> kinder_liste;
};
