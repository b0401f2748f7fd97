#include "himmel_fixture.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "datei_befund.h"

namespace {

void schreibe16(std::string& ziel, int wert) {
    ziel.push_back(static_cast<char>(wert & 0xFF));
    ziel.push_back(static_cast<char>((wert >> 8) & 0xFF));
}

std::string stern_eintrag(const TestStern& s) {
    std::string e;
    schreibe16(e, s.nummer);
    char bez[11] = {};
    snprintf(bez, sizeof bez, "%-10.10s", s.bezeichnung);
    e.append(bez, 11);
    const long zehntel = std::lround(s.rekt * 36000.0);
    e.push_back(static_cast<char>(zehntel / 36000));
    e.push_back(static_cast<char>(zehntel / 600 % 60));
    e.push_back(static_cast<char>(zehntel / 10 % 60));
    e.push_back(static_cast<char>(zehntel % 10));
    const long sekunden = std::lround(std::fabs(s.dekl) * 3600.0);
    e.push_back(static_cast<char>(s.dekl < 0 ? 0x80 : 0x00));
    e.push_back(static_cast<char>(sekunden / 3600));
    e.push_back(static_cast<char>(sekunden / 60 % 60));
    e.push_back(static_cast<char>(sekunden % 60));
    schreibe16(e, s.helligkeit);
    e.push_back(s.spektrum);
    e += s.name ? s.name : "";
    e += "\r\n";
    return e;
}

std::string sternbild_eintrag(const TestSternbild& b) {
    char kopf[99];
    snprintf(kopf, sizeof kopf, "%s;%s; ;%.6f;%.6f\r\n", b.abk, b.name, b.rekt, b.dekl);
    std::string e = kopf;
    for (auto [a, z] : b.linien) {
        schreibe16(e, a);
        schreibe16(e, z);
    }
    schreibe16(e, 0);
    schreibe16(e, 0);
    return e + "\r\n";
}

bool schreiben(const std::string& pfad, const std::string& inhalt) {
    FILE* f = fopen(pfad.c_str(), "wb");
    if (!f) return false;
    const bool ganz = fwrite(inhalt.data(), 1, inhalt.size(), f) == inhalt.size();
    return fclose(f) == 0 && ganz;
}

// An empty star list gives an empty sky, which the loader reports as an
// empty file.
bool geladen(int32_t ergebnis, bool leer) {
    return ergebnis == 0 || (leer && ergebnis == DATEI_LEER);
}

}  // namespace

bool himmel_laden(Himmel& himmel, const std::vector<TestStern>& sterne,
                  const std::vector<TestSternbild>& sternbilder) {
    std::string katalog, figuren;
    for (const auto& s : sterne) katalog += stern_eintrag(s);
    for (const auto& b : sternbilder) figuren += sternbild_eintrag(b);
    const std::string stern_datei = temp_pfad("sterne.dat"), bild_datei = temp_pfad("bilder.dat");
    const bool ok = schreiben(stern_datei, katalog) && schreiben(bild_datei, figuren) &&
                    geladen(himmel.stern_datei_laden(stern_datei.c_str()), sterne.empty()) &&
                    (sternbilder.empty() || himmel.sternbild_datei_laden(bild_datei.c_str()) == 0);
    remove(stern_datei.c_str());
    remove(bild_datei.c_str());
    return ok;
}

std::pair<int, int> referenz(const Himmel& himmel, int nummer) {
    for (int k = 0; k < KLASSEN; ++k)
        for (int i = 0; i < himmel.anzahl[k]; ++i)
            if (himmel.stern_saetze[k][i].nummer == nummer) return {k, i};
    return {-1, -1};
}
