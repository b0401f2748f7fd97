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

namespace {

constexpr char TITEL[] = "Varnis - Sternkarte";

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

}  // namespace

int main() {
    HWND haupt = FindWindowA(nullptr, TITEL);
    if (!haupt) {
        std::fprintf(stderr, "fensterplan: no window \"%s\"\n", TITEL);
        return 1;
    }
    RECT r;
    GetWindowRect(haupt, &r);
    zeile("fenster", "", TITEL, GetWindowLongPtrA(haupt, GWL_STYLE), r);
    RECT innen;
    GetClientRect(haupt, &innen);
    MapWindowPoints(haupt, nullptr, reinterpret_cast<POINT*>(&innen), 2);
    zeile("innen", "", "", 0, innen);
    EnumChildWindows(haupt, kind, 0);
    return 0;
}
