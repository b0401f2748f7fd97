// The system's screen-saver password, through its password libraries loaded
// at run time. Where a library or its export is missing the saver may close
// and a change does nothing; the cause goes to the trace only.
#include "schale.h"

namespace {

using PruefProz = BOOL(WINAPI*)(HWND fenster);
using AendernProz = DWORD(WINAPI*)(LPCSTR anbieter, HWND fenster, DWORD, DWORD);

// Exports come as FARPROC; the detour through a plain function type is the
// conversion the compiler accepts without a cast warning.
template <typename Proz>
Proz export_holen(HMODULE bibliothek, const char* name) {
    return reinterpret_cast<Proz>(reinterpret_cast<void (*)()>(GetProcAddress(bibliothek, name)));
}

}  // namespace

bool ScrNtPlattform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

int ScrPasswortPruefen(HWND fenster) {
    // On NT the system itself locks the session; it has no PASSWORD.CPL.
    if (scr_zustand.nt_plattform()) return 1;
    HMODULE bibliothek = LoadLibraryA(scr_zustand.pruef_bibliothek);
    if (!bibliothek) {
        ScrTrace("Unable to load PASSWORD.CPL. Aborting");
        return 1;
    }
    const PruefProz pruefen = export_holen<PruefProz>(bibliothek, "VerifyScreenSavePwd");
    if (!pruefen) {
        ScrTrace("Unable to get VerifyPwProc address. Aborting");
        FreeLibrary(bibliothek);
        return 1;
    }
    ScrTrace("About to call VerifyPwProc");
    const int ergebnis = pruefen(fenster);
    FreeLibrary(bibliothek);
    return ergebnis;
}

void ScrPasswortAendern() {
    HMODULE bibliothek = LoadLibraryA(scr_zustand.aender_bibliothek);
    if (!bibliothek) {
        ScrTrace("MPR.DLL not found: cannot change password.");
        return;
    }
    const AendernProz aendern = export_holen<AendernProz>(bibliothek, "PwdChangePasswordA");
    if (!aendern) {
        FreeLibrary(bibliothek);
        ScrTrace("PwdChangeProc not found: cannot change password");
        return;
    }
    aendern("SCRSAVE", scr_zustand.eltern_fenster, 0, 0);
    FreeLibrary(bibliothek);
}
