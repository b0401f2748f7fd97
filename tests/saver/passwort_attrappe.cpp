// Stands in for the password libraries of the non-NT systems: the verifier
// answers what the test set, and both exports note how they were called.
#include "passwort_attrappe.h"

#include <cstdio>

namespace {
AttrappenStand stand{TRUE, 0, nullptr, 0, "", nullptr, 99, 99};
}  // namespace

extern "C" __declspec(dllexport) AttrappenStand* attrappe() { return &stand; }

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND fenster) {
    ++stand.pruefungen;
    stand.pruef_fenster = fenster;
    return stand.antwort;
}

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR anbieter, HWND fenster,
                                                                 DWORD wert1, DWORD wert2) {
    ++stand.aenderungen;
    snprintf(stand.aender_anbieter, sizeof stand.aender_anbieter, "%s", anbieter ? anbieter : "(null)");
    stand.aender_fenster = fenster;
    stand.aender_wert1 = wert1;
    stand.aender_wert2 = wert2;
    return 0;
}
