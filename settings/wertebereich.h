// The ranges of the settings values, one rule for both programs: whatever a
// settings file holds is held to them when it is read, and the star-chart
// program's bars span them.
#pragma once

#include <cstdint>

struct Wertebereich {
    int32_t minimum, maximum;
};

constexpr Wertebereich REKT_BEREICH{0, 2400};       // right ascension, hundredths of an hour
constexpr Wertebereich DEKL_BEREICH{-8999, 8999};   // declination, hundredths of a degree
constexpr Wertebereich FELD_BEREICH{3, 180};        // field of view, degrees
constexpr Wertebereich STAERKE_BEREICH{0, 100};     // intensity of a layer, percent
constexpr Wertebereich FEST_BEREICH{1, 2};          // 1 the date was set last, 2 the hour
constexpr Wertebereich MONAT_BEREICH{0, 23};        // the 24 half-month dates
constexpr Wertebereich STUNDEN_BEREICH{0, 23};         // hour of the day
constexpr Wertebereich ORT_BEREICH{-1, INT32_MAX};  // -1 none; the places list ends it (ort_begrenzt)
constexpr Wertebereich FARB_BEREICH{0, 255};        // a colour channel
constexpr Wertebereich REGEL_BEREICH{0, 1};         // REGEL_MOMENT, REGEL_ORIGINAL
constexpr Wertebereich DATUM_BEREICH{0, 22001231};  // JJJJMMTT, 0 none; checked as a date on use
constexpr Wertebereich UHRZEIT_BEREICH{0, 2359};    // HHMM; checked as a time on use
constexpr Wertebereich SCHALTER_BEREICH{0, 1};       // 0 off, 1 on
constexpr Wertebereich LAENGE_BEREICH{-18000, 18000};  // longitude, hundredths of a degree east

// wert held to the range; 64 bits, so that a step beyond int32 is held as well.
constexpr int32_t begrenzt(const Wertebereich& b, int64_t wert) {
    return static_cast<int32_t>(wert < b.minimum ? b.minimum : wert > b.maximum ? b.maximum : wert);
}

// A place of a list of anzahl places: the index itself when it names one, -1
// (no place) otherwise.
constexpr int32_t ort_begrenzt(int32_t ort, int32_t anzahl) {
    return ort >= 0 && ort < anzahl ? ort : -1;
}
