// The names of the chart's data files as both programs open them from their
// data folder, spelt as they ship (cmake/lieferumfang.cmake).
#pragma once

constexpr char STERN_KATALOG[] = "VARNIS.DAT";       // the Yale Bright Star Catalogue
constexpr char STERNBILD_KATALOG[] = "STBILDER.DAT";  // the constellation figures
