// The main window of the star chart: the control panel on the left, the
// overview of the visible hemisphere above it, and the chart of the field of
// view as the largest square to the right. It owns the sky, both panes with
// their canvases, every control and the hover popup. The pictures are built
// in stages on timer 1 (zeichnen/zeichenplan.h); a change of a layer's
// intensity only rewrites the colour tables.
//
// Where a member lives: every message handler (wm_...) and the message
// tables are in himmel_df_meldungen.cpp, each handing its message to a named
// member; every other member is in the file that its section below names.
//
// Units: the scroll bars hold hundredths of an hour (right ascension,
// negated), hundredths of a degree (declination, negated), whole degrees
// (field of view, negated) and percent (the four layers).
#pragma once

#include <memory>
#include <vector>

#include "bedienfeld/orte.h"
#include "beschriftung.h"
#include "darstellung.h"
#include "dialog.h"
#include "dib.h"
#include "einstellungen.h"
#include "font.h"
#include "gemeinsam/pfad.h"
#include "hauptfenster/anordnung.h"
#include "himmel.h"
#include "moment.h"
#include "schoner/partner.h"
#include "suchen/such_partner.h"
#include "kartenbild.h"
#include "kartenschriften.h"
#include "koerperstand.h"
#include "zeichnen/zeichenplan.h"
#include "zeigen/info_anzeige.h"
#include "zeigen/roter_zeiger.h"
#include "zeigen/ziehen.h"
#include "zonen.h"

class Canvas_KF;
class Combobox_KF;
class DIB_KF;
class Edit_KF;
class Scrollbar_KF;
class Such_DF;
class Tasten_Scrollbar_KF;
class Text_KF;

// Timer 1 runs the drawing cycle; 2 and 3 show and hide the hover popup
// (ZEITGEBER_INFO_ZEIGEN, ZEITGEBER_INFO_VERBERGEN in zeigen/info_anzeige.h).
constexpr UINT_PTR ZEICHEN_TIMER = 1;
// Timer 4 follows the clock: it fires at the start of each minute.
constexpr UINT_PTR UHR_TIMER = 4;

// The chart pane's mouse, the overview's click and the popup's paint, which
// reach the main window from its children (the main window's own messages
// go to its virtual handlers).
extern const Mldg_Eintrag KARTEN_MELDUNGEN[];
extern const Mldg_Eintrag UEBERSICHT_MELDUNGEN[];
extern const Mldg_Eintrag INFO_MELDUNGEN[];

// The screen-saver set-up works on this window as its Schoner_Partner.
// The search dialog works on it as its Such_Partner.
class Himmel_DF : public Dialog_F, public Schoner_Partner, public Such_Partner {
public:
    // --- himmel_df.cpp: making, opening, layout and end
    // A top-level window with caption, sizing frame and both boxes; its
    // native window is made by oeffnen. Reads the settings from ini_pfad.
    Himmel_DF(int32_t x, int32_t y, int32_t breite, int32_t hoehe);
    // Saves the settings to ini_pfad, then deletes everything it owns.
    ~Himmel_DF() override;
    // Dialog_F::oeffnen, then the layout, the canvases and the panel.
    HWND oeffnen(int zeigen) override;
    // The scale of the layout at dpi: the bars 16 pixels thick at 96 DPI,
    // grown as the system's scroll bars grow from 96 DPI to dpi.
    static Massstab massstab(int32_t dpi);

    // --- himmel_df_meldungen.cpp: the message handlers
    // The Left and Right arrow keys, however they come (the right-ascension
    // bar claims them from the dialog keyboard filter and hands them here).
    LRESULT wm_keydown(WPARAM code, LPARAM daten) override;
    // Activation: a test run's parked settings come back (schoner/modus.h).
    LRESULT wm_activate(uint16_t zustand, LPARAM anderes, uint16_t minimiert) override;
    // Destroy: the screen-saver editing is left first (schoner/modus.h).
    LRESULT wm_destroy() override;
    LRESULT wm_size(WPARAM art, uint16_t breite, uint16_t hoehe) override;
    LRESULT wm_timer(WPARAM nummer, LPARAM proz) override;
    // Menu commands (menue_befehl), then the panel's list notifications.
    LRESULT wm_command(uint16_t id, LPARAM kontrolle, uint16_t code) override;
    LRESULT wm_hscroll(uint16_t art, int16_t pos, LPARAM leiste) override;
    LRESULT wm_vscroll(uint16_t art, int16_t pos, LPARAM leiste) override;
    // Night mode's menu items (menue/menuepunkt.h); every other owner-drawn
    // item as before.
    LRESULT wm_measureitem(WPARAM id, MEASUREITEMSTRUCT* element) override;
    LRESULT wm_drawitem(WPARAM id, DRAWITEMSTRUCT* element) override;
    // The window came onto a screen of another resolution: it takes the
    // system's rectangle, and the fonts, cursors, icons, layout and
    // canvases are made anew for dpi.
    LRESULT wm_dpichanged(uint16_t dpi, RECT* vorschlag) override;

    // --- himmel_df_bedienfeld.cpp: the control panel
    // The panel's value fields and list selections after a change of view.
    void bedienfeld_auffrischen();

    // --- himmel_df_moment.cpp: the moment
    // Takes neu as the moment and turns everything to it: by the moment's
    // rule the bars, the lists, the title and the chart's centre (the
    // zenith in J2000); by the original rule the lists' entries nearest to
    // it and the right ascension they give. A moment that is none (a date
    // out of range) is not taken.
    void moment_setzen(const Moment& neu);
    // "Jetzt", the steps, "Uhr folgen" and the rule (command ids in menue/menue.h).
    void moment_befehl(int32_t id);
    // The title: the moment in words and the place.
    void titel_setzen();
    // The title and the check items of the rule, the clock and the bodies.
    void moment_anzeigen();
    // Timer 4: the clock's moment, and the timer set to the next minute.
    void uhr_zeitgeber();
    // A time the user chose (the date dialog, the date and hour lists, the
    // right-ascension bar, the steps) ends "Uhr folgen", which would
    // otherwise take it back at the next full minute. A new place keeps it:
    // the clock is followed at the place chosen.
    void uhr_loslassen();
    // --- himmel_df_dialoge.cpp: "Datum und Uhrzeit..." and "Eigener Ort..."
    void datum_dialog();
    void ort_dialog();
    // The zenith of the moment or, by the original rule, the bars' values,
    // as the chart's centre.
    void mitte_setzen();

    // --- himmel_df_zeichnen.cpp: the drawing cycle
    // Both canvases anew at their panes' client sizes; 0 done, else the
    // out-of-memory box was shown.
    int32_t leinwaende_erzeugen();
    // The screen colour table on the chart canvas, then on the overview canvas.
    void farbtabellen_setzen();
    // Clears both canvases and draws from the first stage.
    void neu_zeichnen() override;
    // Draws from stage (STUFE_ABSCHLUSS, STUFE_NAMEN) over what stands.
    void weiter_ab(int32_t stufe);
    // One stage; what timer 1 runs.
    void zeitschritt();
    // Copies both canvases to their panes now.
    void bereiche_ausgeben();
    // Radius in pixels handed to the engine for a pane: half its client
    // width less 2.
    static int32_t radius(DIB_KF* bereich);

    // --- himmel_df_zeigen.cpp: pointing at the chart
    // The chart pane's mouse move and click (client pixels of the pane).
    virtual void karte_maus(int32_t x, int32_t y);
    virtual void karte_klick(int32_t x, int32_t y);
    // The popup window's paint: its picture for what the mouse rests on.
    virtual void info_darstellen();
    // Timers 2 and 3: show and hide the popup.
    void info_zeitgeber(UINT_PTR nummer);

    // --- himmel_df_ziehen.cpp: moving the view with the mouse
    // The chart pane's left button pressed, the pointer moved while it is
    // held, the button released (client pixels of the pane, negative
    // outside it while the pane holds the mouse). A press that moves more
    // than the system's drag distance drags the view; one that does not is
    // a click on a label (karte_klick) when it is released.
    void karte_druecken(int32_t x, int32_t y);
    void karte_ziehen(int32_t x, int32_t y);
    void karte_loslassen(int32_t x, int32_t y);
    // The pane lost the mouse to another window: a drag stays where it is,
    // a press is no click.
    void karte_abbrechen();
    // A wheel message over the chart (delta as WM_MOUSEWHEEL gives it):
    // steps of the field-of-view bar (bedienfeld/mausrad.h).
    void karte_rad(int32_t delta);
    // A click at client pixel (x, y) of the overview: the view turns to the
    // point of the sky there; beyond the horizon nothing happens.
    void uebersicht_klick(int32_t x, int32_t y);
    // The view as the bars hold it, and the bars set to werte, each through
    // its own notification handling as its thumb would.
    Blickwerte blick();
    void blick_setzen(const Blickwerte& werte);

    // --- himmel_df_befehle.cpp: menu commands and the screen-saver set-up
    // A menu command (101..118, see menue/menue.h); other identifiers do nothing.
    void menue_befehl(int32_t id);
    // What the chart's output pieces draw from: the sky, the three fonts,
    // the layer settings and the bodies of the moment, lent for one call.
    Karteninhalt inhalt();
    // The directories and settings file of the screen-saver set-up.
    Schoner_Verzeichnisse schoner_verzeichnisse() const;
    // Schoner_Partner.
    HWND besitzer() const override { return hwnd; }
    void bearbeiten_markieren(bool an) override;
    void schoner_menue_auffrischen() override;
    void nach_vorn() override;

    // --- himmel_df_suchen.cpp: the search ("Suchen...", command 131)
    // Opens the search dialog (made at the first call) with its field focused.
    void suchen_oeffnen();
    // Such_Partner.
    const Himmel& such_himmel() const override;
    void fund_zeigen(const Fund& fund, char* zeile, size_t groesse) override;
    void fund_zentrieren(const Fund& fund, char* zeile, size_t groesse) override;
    void suche_beendet() override;
    // The object found: its pixel in the chart pane (x, y) when it stands
    // within the chart.
    bool fund_in_karte(int32_t& x, int32_t& y);
    // The object found as the Himmel's selection, which the popup shows.
    void fund_auswaehlen();
    // The rings around the object found, on both canvases (with the marks).
    void fund_ringe_zeichnen();

    // --- himmel_df_einstellungen.cpp: the settings files
    // The 26 keys; null or "" means ini_pfad. Loading sets the view, the
    // layers and the colours and draws afresh.
    void einstellungen_laden(const char* datei = nullptr) override;
    // Saving: 0 done, -1 not written (also when there is no settings file).
    // A failed write of the program's own file (ini_pfad, when there is
    // one) is told once per session, with the file named (UI text
    // UI_EINSTELLUNGEN_NICHT_GESPEICHERT); the saver's file is the set-up's
    // to report.
    int32_t einstellungen_speichern(const char* datei = nullptr) override;
    // The own place of a settings file, listed after those of Orte.dat.
    void eigenen_ort_uebernehmen(const Einstellungen& e);
    // The current state as the settings files hold it: the view from the
    // panel, the layers and colours from darstellung.
    Einstellungen einstellungen() const;

    // --- What the window owns.
    // The resolution of the window's screen (dots per inch): the system's
    // until the window exists, then the window's, and each WM_DPICHANGED's.
    int32_t dpi_ = 96;
    // The panel's font at dpi_; null at 96 DPI, where the window library's
    // font serves.
    std::unique_ptr<Font> bedienschrift;
    // The title bar's and the task bar's icons at dpi_ (null until the window exists).
    HICON symbol_gross = nullptr, symbol_klein = nullptr;
    char ini_pfad[PFAD_LAENGE];
    std::unique_ptr<Himmel> himmel;
    // Where the chart pane's labels stand: placed in its drawing's label
    // stage, read by the label click and the popup's hit test.
    std::unique_ptr<Beschriftung> beschriftung = std::make_unique<Beschriftung>();
    // Canvases before the panes that show them, so they outlive the panes.
    DIB uebersicht_bild;
    DIB karte_bild;
    std::unique_ptr<DIB_KF> uebersicht;
    std::unique_ptr<DIB_KF> karte;
    // The view is the panel's: the bars hold the right ascension, the
    // declination and the field of view (the sky follows them), the members
    // below the date, the hour and the place.
    std::unique_ptr<Tasten_Scrollbar_KF> rekt_leiste;
    std::unique_ptr<Scrollbar_KF> dekl_leiste;
    int32_t fest = 1;   // 1 the date was set last, 2 the hour; the other follows the RA
    int32_t monat = 2;  // half-month 0..23
    int32_t zeit = 7;   // hour 0..23
    std::unique_ptr<Combobox_KF> monat_wahl;
    std::unique_ptr<Combobox_KF> zeit_wahl;
    int32_t ort_fest = 1;  // 1 the place stands as chosen; 0 it follows the declination
    int32_t ort = -1;      // index in ort_wahl, -1 none
    std::unique_ptr<Combobox_KF> ort_wahl;
    // The latitude of each place of ort_wahl in list order, hundredths of a
    // degree. Kept here, not as the list's item data: that would cost a
    // message per place to fill the list, to follow the declination and, as
    // each item goes, to empty the list.
    std::vector<int32_t> ort_breiten;
    // The longitude (hundredths, east) and zone of each place, in list order.
    std::vector<int32_t> ort_laengen;
    std::vector<int32_t> ort_zonen;
    // The places of Orte.dat and their zones, read when the window is made.
    Orte orte;
    bool orte_fehlen = false;
    bool orte_gekuerzt = false;  // Orte.dat was read up to ORTE_MAX places
    // The moment (authoritative by the moment's rule: the bars and lists
    // show it), the zones of its places and the rule of the chart's centre.
    Moment moment{};
    Zonen zonen;
    int32_t regel = 0;  // REGEL_MOMENT or REGEL_ORIGINAL (einstellungen.h)
    bool uhr_folgen = false;
    // The Sun, the Moon and the planets of the moment, computed once for it.
    Koerperstand koerperstand;
    // The place whose longitude and zone the moment keeps: the one chosen
    // last; the title names it when the declination matches no place.
    char letzter_ort[ORTSNAME_TEXT] = "";
    // The user's own place, listed after those of Orte.dat ("" none).
    char eigener_ort[ORTSNAME_TEXT] = "";
    int32_t eigene_breite = 0, eigene_laenge = 0;  // hundredths
    char eigene_zone[ZONE_TEXT] = "";
    std::unique_ptr<Text_KF> titel_rekt, titel_dekl, titel_feld;
    std::unique_ptr<Text_KF> ebenen_titel[EBENEN];
    std::unique_ptr<Edit_KF> rekt_anzeige, dekl_anzeige, feld_anzeige;
    std::unique_ptr<Scrollbar_KF> ebenen_leisten[EBENEN];
    std::unique_ptr<Scrollbar_KF> feld_leiste;
    // Layer intensities (as the bars hold them) and colours.
    Darstellung darstellung;
    // The chart's cursors at the size of dpi_ (zeiger_laden).
    HCURSOR cursor_stern = nullptr;
    HCURSOR cursor_sternbild = nullptr;
    RoteZeiger rote_zeiger;  // their night-mode variants, made at the first switch
    std::unique_ptr<Canvas_KF> info_fenster;
    Info_Anzeige info_anzeige;  // what is under the mouse; art and place of the next popup
    Kartenschriften schriften;
    int32_t zeichen_schritt;  // stage of the drawing cycle (zeichnen/zeichenplan.h)
    // The chart pane's left button from its press: where (pane pixels),
    // whether it has become a drag, and the view at the press.
    struct Maustaste {
        bool aktiv, zieht;
        int32_t x, y;
        Blickwerte start;
    } maustaste{};
    int32_t rad_rest = 0;  // wheel delta that made no notch yet (bedienfeld/mausrad.h)
    // The search dialog, made at its first use, and the object it found
    // (art KEINER none), marked while the dialog is open.
    std::unique_ptr<Such_DF> suche;
    Fund such_fund{};

private:
    // himmel_df.cpp
    void kinder_erzeugen();
    // Places the children for a client area raised in place to the
    // smallest layout, then makes the canvases and draws afresh.
    void anordnen(int32_t& breite, int32_t& hoehe);
    // dpi_ set to dpi, and the panel's font, the cursors and the icons made for it.
    void aufloesung_setzen(int32_t dpi);
    // The cursors at the size the system gives them at dpi_ (the resource
    // holds 32 and 48 pixels); their night-mode variants follow them.
    void zeiger_laden();
    void symbole_laden();

    // himmel_df_bedienfeld.cpp
    void listen_fuellen();
    // The names of orte and the own place into ort_wahl, their latitudes,
    // longitudes and zones into ort_breiten, ort_laengen and ort_zonen.
    void orte_eintragen();
    // The longitude and zone of place index of the list into neu; its name
    // becomes the last place's.
    void ort_nehmen(int32_t index, Moment& neu);
    // The right-ascension bar moved to sternzeit (hours).
    void rekt_bewegt(double sternzeit);
    void ort_nachfuehren();
    void anzeige_setzen(Edit_KF* feld, const char* text);
    // A date or hour chosen in its list, or a place.
    void liste_gewaehlt(LPARAM liste);
    // A scroll notification of a horizontal bar (right ascension, field of
    // view, the layers) or of the vertical one (declination).
    void waagrecht_gerollt(uint16_t art, int16_t pos, LPARAM leiste);
    void senkrecht_gerollt(uint16_t art, int16_t pos, LPARAM leiste);
    // The Left (VK_LEFT) or Right arrow: a line step of the right ascension.
    void pfeiltaste(WPARAM code);
    void ebene_geaendert(Ebene ebene, int32_t prozent);

    // himmel_df_nacht.cpp: night mode (command 132)
    // Switches it and shows the window in its colours.
    void nachtmodus_schalten();
    // The night-mode variants of the chart's cursors, when night mode is on.
    void nachtzeiger_machen();
    // The window, its dialogs and both canvases in the colours darstellung.nacht asks for.
    void nacht_anwenden();

    // himmel_df_zeichnen.cpp
    void zeichnen(const Zeichenauftrag& auftrag);
    void marken_zeichnen();

    bool listen_gefuellt = false;
    bool einstellungen_gemeldet = false;  // the failed save of ini_pfad has been told
};
