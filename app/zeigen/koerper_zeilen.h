// The hover popup's lines for the Sun, the Moon or a planet: its name, its
// place among the stars, its brightness and distance, for the Moon and the
// inner planets the lit part of the disc, and its day at the chart's place:
// the civil times of rising, culmination and setting, or that it stays up
// or down all day. The day's times are computed here, when the popup asks,
// not with every chart.
#pragma once

#include <cstddef>
#include <cstdint>

#include "koerper.h"
#include "moment.h"

constexpr int32_t KOERPER_ZEILEN = 9;
constexpr size_t KOERPER_ZEILE = 48;  // bytes of a line, NUL included

// The lines in Windows-1252, each title and value parted by a tab.
struct Koerperzeilen {
    int32_t anzahl;
    char zeile[KOERPER_ZEILEN][KOERPER_ZEILE];
};

// Body art (0..KOERPER_ANZAHL-1) as lage holds it, its day the civil day of
// moment.datum at moment.ort (its zone one of zonen). A day that cannot be
// computed (a zone not in zonen) leaves its lines out.
Koerperzeilen koerper_zeilen(const Koerperlage& lage, int32_t art, const Zonen& zonen,
                             const Moment& moment);

// The day of moment.datum at its place: its start (UTC seconds) and length
// in seconds; false when the zone is not in zonen or the day cannot be had.
bool tag_des_moments(const Zonen& zonen, const Moment& moment, int64_t& anfang, double& laenge);

// The civil time "HH:MM" in zone (of zonen) of the instant sekunden after
// anfang (UTC seconds), rounded to the minute; the en dash (Windows-1252)
// when hat is 0 or the time cannot be had.
void uhrzeit_text(const Zonen& zonen, int32_t zone, int64_t anfang, int32_t hat, double sekunden,
                  char* ziel, size_t groesse);
