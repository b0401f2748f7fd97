// The two time rules of the chart, side by side, each as it has always been:
// they differ by design by a few minutes within a month, and the next change
// of the time rule replaces both here.
//
// The panel's half-month rule (the star-chart program's date and hour lists
// and its command line): the fixed rules between the half-month date, the
// hour and the right ascension of the zenith (the local sidereal time): one
// half-month moves the sky by one hour, and the 24 half-months and 24 hours
// both wrap. Right ascension in hours, half-month index 0..23
// (0 = 1 January), hour 0..23.
//
// The saver's clock rule (sternzeit, below): the sky of the screen saver at
// the local time.
#pragma once

#include <cstdint>

constexpr int32_t HALBMONATE = 24;
constexpr int32_t STUNDEN = 24;

// 0.00..23.00 h: m + h - 17, wrapped into 0..24.
double rekt_aus_datum(int32_t halbmonat, int32_t stunde);

// 0..23: the half-month whose sky stands at rektaszension at stunde
// (RA - h + 17 + 0.5, rounded down, wrapped): the inverse of rekt_aus_datum.
int32_t halbmonat_aus_rekt(double rektaszension, int32_t stunde);

// 0..23: the hour at which rektaszension stands in the zenith on halbmonat
// (RA - (m - 17), rounded down, wrapped): the hour that has begun.
int32_t stunde_aus_rekt(double rektaszension, int32_t halbmonat);

// The date and hour lists after a change of view: the list the user did not
// set last follows the right ascension (hours). fest 1: the date was set
// last, the hour follows; 2: the date follows; any other value: both follow,
// the date first. halbmonat and stunde hold the lists' values and receive
// the new ones.
void listen_nachfuehren(double rektaszension, int32_t fest, int32_t& halbmonat, int32_t& stunde);

// The saver's clock rule: its fixed approximation of the local sidereal time
// in hours, [0, 24): 2 h per month and 4 min per day from 17 h before
// midnight of 1 January, plus the time of day. No longitude, no year.
// monat 0..11 from January, tag 1..31.
double sternzeit(int32_t monat, int32_t tag, int32_t stunde, int32_t minute, int32_t sekunde);
// The same from the local clock (Windows only: karte/uhr.cpp).
double sternzeit_jetzt();
