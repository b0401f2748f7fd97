// Lists where the main window of a running Varnis32 and its children stand
// on the screen, for the pictures of the help (bildschirmfotos.py). Built
// and run under Wine by that script only; not part of the programs.
//
// One line per window, tab-separated: kind, class name, text, window style
// (hex), left, top, right, bottom in screen pixels. Kinds: "fenster" the
// main window, "innen" its client area, "kind" a visible child window and
// "verborgen" a hidden one (in the order the system enumerates them). The
// menu bar lies between the caption and the client area; Wine does not give
// its items to another process.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

// The main window's title begins so; the rest names the moment and the place.
constexpr char TITEL_ANFANG[] = "Varnis ";

void zeile(const char* art, const char* klasse, const char* text, LONG_PTR stil, const RECT& r) {
    std::printf("%s\t%s\t%s\t%lx\t%ld\t%ld\t%ld\t%ld\n", art, klasse, text,
                static_cast<unsigned long>(stil), r.left, r.top, r.right, r.bottom);
}

BOOL CALLBACK kind(HWND fenster, LPARAM) {
    char klasse[64] = "";
    char text[128] = "";
    GetClassNameA(fenster, klasse, sizeof klasse);
    // The text by message: the window of another process keeps it to itself.
    DWORD_PTR laenge = 0;
    SendMessageTimeoutA(fenster, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 1000, &laenge);
    RECT r;
    GetWindowRect(fenster, &r);
    const LONG_PTR stil = GetWindowLongPtrA(fenster, GWL_STYLE);
    zeile((stil & WS_VISIBLE) ? "kind" : "verborgen", klasse, text, stil, r);
    return TRUE;
}

// The first visible top-level window whose title begins with TITEL_ANFANG.
BOOL CALLBACK hauptfenster(HWND fenster, LPARAM gefunden) {
    char titel[256] = "";
    GetWindowTextA(fenster, titel, sizeof titel);
    if (!IsWindowVisible(fenster) || std::strncmp(titel, TITEL_ANFANG, sizeof TITEL_ANFANG - 1) != 0) return TRUE;
    *reinterpret_cast<HWND*>(gefunden) = fenster;
    return FALSE;
}

}  // namespace

int main() {
    HWND haupt = nullptr;
    EnumWindows(hauptfenster, reinterpret_cast<LPARAM>(&haupt));
    if (!haupt) {
        std::fprintf(stderr, "fensterplan: no window \"%s...\"\n", TITEL_ANFANG);
        return 1;
    }
    char titel[256] = "";
    GetWindowTextA(haupt, titel, sizeof titel);
    RECT r;
    GetWindowRect(haupt, &r);
    zeile("fenster", "", titel, GetWindowLongPtrA(haupt, GWL_STYLE), r);
    RECT innen;
    GetClientRect(haupt, &innen);
    MapWindowPoints(haupt, nullptr, reinterpret_cast<POINT*>(&innen), 2);
    zeile("innen", "", "", 0, innen);
    EnumChildWindows(haupt, kind, 0);
    return 0;
}
