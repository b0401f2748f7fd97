#include "menue/menue.h"

#include <cstdio>

#include "gemeinsam/pfad.h"
#include "farbgebung.h"
#include "gemeinsam/ui_texte.h"
#include "menue/menuepunkt.h"
#include "schoner/registrierung.h"

namespace {

constexpr int32_t TRENNER = 0;  // a separator in the tables below

struct Punkt {
    int32_t text;    // UI text
    int32_t befehl;  // command identifier, TRENNER for a separator
};

struct Popup {
    int32_t titel;
    const Punkt* punkte;
    int32_t anzahl;
};

constexpr Punkt KARTE[] = {
    {UI_SUCHEN, BEFEHL_SUCHEN},
    {0, TRENNER},
    {UI_KOERPER, BEFEHL_KOERPER},
    {UI_NACHTMODUS, BEFEHL_NACHTMODUS},
    {0, TRENNER},
    {UI_HINTERGRUND, BEFEHL_HINTERGRUND},
    {0, TRENNER},
    {UI_BITMAP_SPEICHERN, BEFEHL_BITMAP},
    {UI_BITMAP_SCHWARZ_WEISS, BEFEHL_BITMAP_SCHWARZ_WEISS},
    {UI_VEKTOR_SPEICHERN, BEFEHL_VEKTOR},
    {0, TRENNER},
    {UI_DRUCKEN, BEFEHL_DRUCKEN},
    {UI_DRUCKEN_WEISS_SCHWARZ, BEFEHL_DRUCKEN_WEISS_SCHWARZ},
    {UI_DRUCKEN_SCHWARZ_WEISS, BEFEHL_DRUCKEN_SCHWARZ_WEISS},
    {0, TRENNER},
    {UI_BEENDEN, BEFEHL_BEENDEN},
};
constexpr Punkt SCHONER[] = {
    {UI_SCHONER_INSTALLIEREN, BEFEHL_SCHONER_INSTALLIEREN},
    {UI_SCHONER_NEU, BEFEHL_SCHONER_NEU},
    {0, TRENNER},
    {UI_SCHONER_BEARBEITEN, BEFEHL_SCHONER_BEARBEITEN},
    {UI_SCHONER_UEBERGEBEN, BEFEHL_SCHONER_UEBERGEBEN},
    {0, TRENNER},
    {UI_SCHONER_TESTEN, BEFEHL_SCHONER_TESTEN},
};
constexpr Punkt ZEIT[] = {
    {UI_JETZT, BEFEHL_JETZT},
    {UI_DATUM_UHRZEIT, BEFEHL_DATUM_UHRZEIT},
    {UI_UHR_FOLGEN, BEFEHL_UHR_FOLGEN},
    {0, TRENNER},
    {UI_STUNDE_FRUEHER, BEFEHL_STUNDE_FRUEHER},
    {UI_STUNDE_SPAETER, BEFEHL_STUNDE_SPAETER},
    {UI_TAG_FRUEHER, BEFEHL_TAG_FRUEHER},
    {UI_TAG_SPAETER, BEFEHL_TAG_SPAETER},
    {0, TRENNER},
    {UI_EIGENER_ORT, BEFEHL_EIGENER_ORT},
    {0, TRENNER},
    {UI_ORIGINALREGEL, BEFEHL_ORIGINALREGEL},
};
constexpr Punkt HILFE[] = {
    {UI_HILFE, BEFEHL_HILFE},
    {0, TRENNER},
    {UI_INFO, BEFEHL_INFO},
};

template <size_t N>
constexpr Popup popup(int32_t titel, const Punkt (&punkte)[N]) {
    return {titel, punkte, static_cast<int32_t>(N)};
}
constexpr Popup LEISTE[] = {
    popup(UI_MENUE_KARTE, KARTE),
    popup(UI_MENUE_ZEIT, ZEIT),
    popup(UI_MENUE_SCHONER, SCHONER),
    popup(UI_MENUE_HILFE, HILFE),
};

// The items that need the screen saver in the Windows directory.
constexpr int32_t MIT_SCHONER[] = {BEFEHL_SCHONER_NEU, BEFEHL_SCHONER_BEARBEITEN,
                                   BEFEHL_SCHONER_UEBERGEBEN, BEFEHL_SCHONER_TESTEN};

HMENU popup_erzeugen(const Popup& p) {
    HMENU menue = CreatePopupMenu();
    if (!menue) return nullptr;
    for (int32_t i = 0; i < p.anzahl; ++i) {
        const Punkt& punkt = p.punkte[i];
        if (punkt.befehl == TRENNER)
            AppendMenuA(menue, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menue, MF_STRING, static_cast<UINT_PTR>(punkt.befehl), ui_text(punkt.text));
    }
    return menue;
}

void schalten(HMENU menue, int32_t befehl, bool an) {
    EnableMenuItem(menue, static_cast<UINT>(befehl), MF_BYCOMMAND | (an ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

HMENU menue_erzeugen() {
    HMENU leiste = CreateMenu();
    if (!leiste) return nullptr;
    for (const Popup& p : LEISTE) {
        HMENU menue = popup_erzeugen(p);
        if (!menue) {
            DestroyMenu(leiste);  // with the pop-ups appended so far
            return nullptr;
        }
        AppendMenuA(leiste, MF_POPUP, reinterpret_cast<UINT_PTR>(menue), ui_text(p.titel));
    }
    return leiste;
}

void schoner_punkte_setzen(HMENU menue, const char* benutzer_verzeichnis) {
    const bool bekannt = benutzer_verzeichnis && *benutzer_verzeichnis;
    char pfad[PFAD_LAENGE];
    const bool installiert = bekannt && kovra_registriert(pfad, sizeof pfad);
    schalten(menue, BEFEHL_SCHONER_INSTALLIEREN, bekannt && !installiert);
    for (int32_t befehl : MIT_SCHONER) schalten(menue, befehl, installiert);
}

namespace {

// The item data of the items drawn by the program: one per title and item of
// the tables, in their order.
constexpr int32_t PUNKTE_MAX = 48;
Menuepunkt gezeichnete[PUNKTE_MAX];

// One item by position: drawn by the program with daten, or (daten null) by
// the system with text; identifier, pop-up, check and grey state kept.
void punkt_umstellen(HMENU menue, UINT stelle, const Menuepunkt* daten, const char* text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
    if (!GetMenuItemInfoA(menue, stelle, TRUE, &info)) return;
    UINT art = MF_BYPOSITION | (info.fState & (MF_CHECKED | MF_GRAYED | MF_DISABLED));
    UINT_PTR kennung = info.wID;
    if (info.hSubMenu) {
        art |= MF_POPUP;
        kennung = reinterpret_cast<UINT_PTR>(info.hSubMenu);
    }
    if (daten) ModifyMenuA(menue, stelle, art | MF_OWNERDRAW, kennung, reinterpret_cast<LPCSTR>(daten));
    else ModifyMenuA(menue, stelle, art | MF_STRING, kennung, text);
}

}  // namespace

void menue_nachtfarben(HMENU leiste, bool nacht) {
    int32_t n = 0;
    const auto umstellen = [&](HMENU menue, UINT stelle, int32_t text, bool in_leiste) {
        if (n == PUNKTE_MAX) return;  // more items than the tables have now
        gezeichnete[n] = {ui_text(text), in_leiste};
        punkt_umstellen(menue, stelle, nacht ? &gezeichnete[n] : nullptr, ui_text(text));
        ++n;
    };
    for (UINT p = 0; p < sizeof LEISTE / sizeof LEISTE[0]; ++p) {
        const Popup& popup = LEISTE[p];
        const HMENU menue = GetSubMenu(leiste, static_cast<int>(p));
        for (int32_t i = 0; menue && i < popup.anzahl; ++i) {
            if (popup.punkte[i].befehl != TRENNER) umstellen(menue, static_cast<UINT>(i), popup.punkte[i].text, false);
        }
        umstellen(leiste, p, popup.titel, true);
    }
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = nacht ? farbgebung_flaeche() : nullptr;
    SetMenuInfo(leiste, &info);
}

bool ist_menue_befehl(int32_t kennung, int32_t code, LPARAM kontrolle) {
    return (code == 0 || code == 1) && kontrolle == 0 && kennung >= BEFEHL_HINTERGRUND &&
           kennung <= BEFEHL_NACHTMODUS;
}

HACCEL tasten_erzeugen() {
    ACCEL tasten[] = {
        {FCONTROL | FVIRTKEY, 'J', BEFEHL_JETZT},
        {FCONTROL | FVIRTKEY, 'D', BEFEHL_DATUM_UHRZEIT},
        {FCONTROL | FVIRTKEY, 'U', BEFEHL_UHR_FOLGEN},
        {FVIRTKEY, VK_PRIOR, BEFEHL_STUNDE_FRUEHER},
        {FVIRTKEY, VK_NEXT, BEFEHL_STUNDE_SPAETER},
        {FCONTROL | FVIRTKEY, VK_PRIOR, BEFEHL_TAG_FRUEHER},
        {FCONTROL | FVIRTKEY, VK_NEXT, BEFEHL_TAG_SPAETER},
        {FVIRTKEY, VK_LEFT, BEFEHL_REKT_LINKS},
        {FVIRTKEY, VK_RIGHT, BEFEHL_REKT_RECHTS},
        {FVIRTKEY, VK_F1, BEFEHL_HILFE},
        {FCONTROL | FVIRTKEY, 'S', BEFEHL_BITMAP},
        {FCONTROL | FVIRTKEY, 'P', BEFEHL_DRUCKEN},
        {FCONTROL | FVIRTKEY, 'F', BEFEHL_SUCHEN},
        {FCONTROL | FVIRTKEY, 'N', BEFEHL_NACHTMODUS},
    };
    return CreateAcceleratorTableA(tasten, static_cast<int>(sizeof tasten / sizeof tasten[0]));
}

void tasten_loeschen(HACCEL tasten) {
    if (tasten) DestroyAcceleratorTable(tasten);
}
