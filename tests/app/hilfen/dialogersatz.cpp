#include "dialogersatz.h"

#include <cstdio>

Dialogersatz dialog;

bool dialog_waehlen(HWND, char* pfad, size_t groesse) {
    dialog.vorgabe = pfad;
    dialog.groesse = groesse;
    if (dialog.antwort.empty()) return false;
    snprintf(pfad, groesse, "%s", dialog.antwort.c_str());
    return true;
}

int dialog_melden(HWND, const char* text, const char* titel, UINT art) {
    ++dialog.boxen;
    dialog.text = text ? text : "";
    dialog.titel = titel ? titel : "";
    dialog.art = art;
    return IDOK;
}
