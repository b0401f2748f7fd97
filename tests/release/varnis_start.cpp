#include "varnis_start.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

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

// The pixels of a window as the screen shows them, 0x00RRGGBB.
std::vector<uint32_t> bildschirm_pixel(HWND fenster) {
    RECT r;
    GetWindowRect(fenster, &r);
    const int breite = r.right - r.left, hoehe = r.bottom - r.top;
    std::vector<uint32_t> pixel;
    if (breite <= 0 || hoehe <= 0) return pixel;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = breite;
    info.bmiHeader.biHeight = -hoehe;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC schirm = GetDC(nullptr);
    HDC speicher = CreateCompatibleDC(schirm);
    void* bits = nullptr;
    HBITMAP bild = CreateDIBSection(schirm, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bild) {
        HGDIOBJ vorher = SelectObject(speicher, bild);
        BitBlt(speicher, 0, 0, breite, hoehe, schirm, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        pixel.assign(p, p + static_cast<size_t>(breite) * hoehe);
        SelectObject(speicher, vorher);
        DeleteObject(bild);
    }
    DeleteDC(speicher);
    ReleaseDC(nullptr, schirm);
    return pixel;
}

bool sieht_nach_karte_aus(const std::vector<uint32_t>& pixel) {
    if (pixel.empty()) return false;
    std::map<uint32_t, size_t> anzahl;
    for (uint32_t p : pixel) ++anzahl[p & 0xFFFFFF];
    size_t hintergrund = 0;
    for (const auto& [farbe, n] : anzahl) hintergrund = std::max(hintergrund, n);
    const size_t andere = pixel.size() - hintergrund;
    return hintergrund * 2 > pixel.size() && andere > 1000 && anzahl.size() >= 5;
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
