// Small star and constellation files built in memory for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One star file entry; the defaults give a valid star at 0 h, 0 degrees.
struct Stern {
    int16_t nummer = 1;
    std::string bezeichnung = "  1alf Ori";  // ten characters
    int8_t rekt_h = 0, rekt_m = 0, rekt_s = 0, rekt_z = 0;
    uint8_t dekl_vz = 0;
    int8_t dekl_g = 0, dekl_m = 0, dekl_s = 0;
    int16_t helligkeit = 100;
    char spektrum = 'A';
    std::string zeile = "\r\n";  // the name line, line end included

    Stern(int16_t n, int16_t mag) : nummer(n), helligkeit(mag) {}
    Stern& ort(int h, int m, int s, int z, bool sued, int g, int dm, int ds);
    Stern& name(const std::string& z) { zeile = z; return *this; }
};

// The 24-byte record and the name line.
std::string eintrag(const Stern& s);
std::string sternliste(const std::vector<Stern>& sterne);

// One constellation entry: name line (CR LF added), figure items, terminating
// item with first number ende, CR LF.
std::string sternbild(const std::string& kopf, const std::vector<std::pair<int, int>>& linien,
                      int ende = 0);

// laenge bytes of a fixed pseudo-random sequence chosen by saat.
std::string zufall(size_t laenge, uint32_t saat);

// Writes bytes to a temporary file named after the running test; returns its path.
std::string datei(const std::string& bytes, const char* endung = ".dat");
