#include "varnis_start.h"

#include "bildschirm.h"

#include <utility>

namespace {

struct Suche {
    DWORD prozess;
    HWND gefunden;
};

BOOL CALLBACK hauptfenster_pruefen(HWND fenster, LPARAM daten) {
    Suche& suche = *reinterpret_cast<Suche*>(daten);
    DWORD prozess = 0;
    GetWindowThreadProcessId(fenster, &prozess);
    char titel[64] = "";
    GetWindowTextA(fenster, titel, sizeof titel);
    if (prozess == suche.prozess && IsWindowVisible(fenster) &&
        std::string(titel) == "Varnis - Sternkarte") {
        suche.gefunden = fenster;
        return FALSE;
    }
    return TRUE;
}

// The largest child window: the chart pane, a square beside the panel.
BOOL CALLBACK groesstes_kind(HWND kind, LPARAM daten) {
    auto& bester = *reinterpret_cast<std::pair<HWND, LONG>*>(daten);
    RECT r;
    GetWindowRect(kind, &r);
    const LONG flaeche = (r.right - r.left) * (r.bottom - r.top);
    if (IsWindowVisible(kind) && flaeche > bester.second) bester = {kind, flaeche};
    return TRUE;
}

}  // namespace

VarnisStart::VarnisStart(const std::string& programm, const std::string& ordner)
    : Prozess(programm, "\"" + programm + "\"", ordner) {}

HWND VarnisStart::hauptfenster(DWORD ms) {
    Suche suche{id(), nullptr};
    warten_bis([&] {
        EnumWindows(hauptfenster_pruefen, reinterpret_cast<LPARAM>(&suche));
        return suche.gefunden != nullptr;
    }, ms);
    fenster_ = suche.gefunden;
    return fenster_;
}

bool VarnisStart::karte_gezeichnet(DWORD ms) {
    if (!fenster_ && !hauptfenster(ms)) return false;
    return warten_bis([&] {
        std::pair<HWND, LONG> karte{nullptr, 0};
        EnumChildWindows(fenster_, groesstes_kind, reinterpret_cast<LPARAM>(&karte));
        return karte.first && sieht_nach_karte_aus(bildschirm_pixel(karte.first));
    }, ms);
}

bool VarnisStart::schliessen() {
    if (fenster_) PostMessageA(fenster_, WM_CLOSE, 0, 0);
    return beendet() && ergebnis() == 0;
}
