// A small modal dialog of labelled fields and the buttons OK and Abbrechen,
// made from a template in memory. Each field is a one-line edit or a drop-down
// list; OK hands the texts to a check, and the dialog stays open with the
// check's message shown until the fields pass or the user cancels.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

constexpr int32_t EINGABE_FELDER = 4;
constexpr size_t EINGABE_TEXT = 64;  // bytes of each field's text, NUL included

struct Eingabefeld {
    const char* beschriftung;
    char text[EINGABE_TEXT];      // in: the initial text; out: the text entered or chosen
    const char* const* auswahl;   // null: an edit field; else the entries of a list
    int32_t auswahl_anzahl;
};

// 0 when the fields pass (the texts stand in felder); else the message for
// the user in meldung (groesse bytes).
using Eingabepruefung = int32_t (*)(const Eingabefeld* felder, int32_t anzahl, char* meldung,
                                    size_t groesse, void* daten);

// true when the user confirmed fields that passed pruefen.
bool eingabe_dialog(HWND besitzer, const char* titel, Eingabefeld* felder, int32_t anzahl,
                    Eingabepruefung pruefen, void* daten);

// A test's stand-in: when set, eingabe_dialog calls it instead of showing a window.
using Eingabeersatz = bool (*)(const char* titel, Eingabefeld* felder, int32_t anzahl,
                               Eingabepruefung pruefen, void* daten);
extern Eingabeersatz eingabe_ersatz;
