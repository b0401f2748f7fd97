#include "koerper.h"

const char* koerper_name(int32_t art) {
    static const char* const namen[KOERPER_ANZAHL] = {"Sonne",   "Mond",   "Merkur",
                                                      "Venus",   "Mars",   "Jupiter",
                                                      "Saturn",  "Uranus", "Neptun"};
    return art >= 0 && art < KOERPER_ANZAHL ? namen[art] : "";
}
