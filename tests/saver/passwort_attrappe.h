// The state of the stand-in password library (passwort_attrappe.dll): what
// its verifier answers and what its exports were called with. The test holds
// the library loaded, so the state outlives the saver's FreeLibrary.
#pragma once

#include <windows.h>

struct AttrappenStand {
    BOOL antwort;  // what VerifyScreenSavePwd returns
    int pruefungen;
    HWND pruef_fenster;
    int aenderungen;
    char aender_anbieter[32];
    HWND aender_fenster;
    DWORD aender_wert1, aender_wert2;
};

using AttrappeProz = AttrappenStand* (*)();  // the export "attrappe"
