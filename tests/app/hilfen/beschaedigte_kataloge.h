// Damaged copies of the shipped star and constellation files, one per class
// of fault, for the tests of the window and of the command line.
#pragma once

#include <string>
#include <vector>

struct BeschaedigteDatei {
    const char* fall;
    std::string bytes;
};

// name is "VARNIS.DAT" or "STBILDER.DAT": empty, cut inside an entry,
// random bytes, a value outside its range.
std::vector<BeschaedigteDatei> beschaedigte_kataloge(const char* name);
