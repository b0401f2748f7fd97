#include "dateien.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
// The fixture files of one test run: a folder of their own in the temporary
// directory (several builds may run the tests at once), removed at the end.
const fs::path& ordner() {
    static const fs::path pfad = [] {
        fs::path p = fs::temp_directory_path() / ("varnis_sky_" + std::to_string(getpid()));
        fs::create_directories(p);
        return p;
    }();
    return pfad;
}

class Aufraeumen : public ::testing::Environment {
public:
    void TearDown() override {
        std::error_code fehler;
        fs::remove_all(ordner(), fehler);
    }
};
::testing::Environment* const aufraeumen = ::testing::AddGlobalTestEnvironment(new Aufraeumen);

void int16_anhaengen(std::string& b, int v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
}  // namespace

Stern& Stern::ort(int h, int m, int s, int z, bool sued, int g, int dm, int ds) {
    rekt_h = static_cast<int8_t>(h);
    rekt_m = static_cast<int8_t>(m);
    rekt_s = static_cast<int8_t>(s);
    rekt_z = static_cast<int8_t>(z);
    dekl_vz = sued ? 0x80 : 0x00;
    dekl_g = static_cast<int8_t>(g);
    dekl_m = static_cast<int8_t>(dm);
    dekl_s = static_cast<int8_t>(ds);
    return *this;
}

std::string eintrag(const Stern& s) {
    std::string b;
    int16_anhaengen(b, s.nummer);
    std::string bez = s.bezeichnung;
    bez.resize(10, ' ');
    b += bez;
    b.push_back('\0');
    for (int8_t v : {s.rekt_h, s.rekt_m, s.rekt_s, s.rekt_z}) b.push_back(static_cast<char>(v));
    b.push_back(static_cast<char>(s.dekl_vz));
    for (int8_t v : {s.dekl_g, s.dekl_m, s.dekl_s}) b.push_back(static_cast<char>(v));
    int16_anhaengen(b, s.helligkeit);
    b.push_back(s.spektrum);
    return b + s.zeile;
}

std::string sternliste(const std::vector<Stern>& sterne) {
    std::string b;
    for (const Stern& s : sterne) b += eintrag(s);
    return b;
}

std::string sternbild(const std::string& kopf, const std::vector<std::pair<int, int>>& linien,
                      int ende) {
    std::string b = kopf + "\r\n";
    for (const auto& l : linien) {
        int16_anhaengen(b, l.first);
        int16_anhaengen(b, l.second);
    }
    int16_anhaengen(b, ende);
    int16_anhaengen(b, 0);
    return b + "\r\n";
}

std::string datei(const std::string& bytes, const char* endung) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name() + endung;
    for (char& c : name)
        if (c == '/') c = '_';  // parameterised tests
    const fs::path pfad = ordner() / name;
    std::ofstream(pfad, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return pfad.string();
}

std::string zufall(size_t laenge, uint32_t saat) {
    std::string b(laenge, '\0');
    for (char& c : b) {
        saat = saat * 1664525u + 1013904223u;  // a linear congruential sequence
        c = static_cast<char>(saat >> 24);
    }
    return b;
}
