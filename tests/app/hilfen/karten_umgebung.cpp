#include "karten_umgebung.h"

#include <cstdlib>
#include <cstring>

bool katalog_laden(Himmel& himmel) {
    const std::string daten = VARNIS_TEST_DATA;
    return himmel.stern_datei_laden((daten + "/VARNIS.DAT").c_str()) == 0 &&
           himmel.sternbild_datei_laden((daten + "/STBILDER.DAT").c_str()) == 0;
}

bool orion_laden(Himmel& himmel) {
    if (!katalog_laden(himmel)) return false;
    himmel.setze_mitte(5.5, 0);
    himmel.setze_gesichtsfeld(60);
    return true;
}

bool stern_waehlen(Himmel& himmel, int nummer) {
    for (int k = 0; k < KLASSEN; ++k)
        for (int32_t i = 0; i < himmel.anzahl[k]; ++i)
            if (himmel.stern_saetze[k][i].nummer == nummer) {
                himmel.wahl_klasse = k;
                himmel.wahl_index = i;
                return true;
            }
    return false;
}

int sternbild_index(const Himmel& himmel, const char* abk) {
    for (int i = 0; i < himmel.sternbild_anzahl; ++i)
        if (strcmp(himmel.sternbilder[i].abk, abk) == 0) return i;
    return -1;
}

Darstellung testwerte() {
    Darstellung w = vorgaben(Programm::STERNKARTE).darstellung;
    for (int32_t& s : w.staerke_prozent) s = 100;
    w.hintergrund = {0, 0, 64};
    w.farbe[STERNBILDER] = {200, 40, 40};
    w.farbe[STERNBILDNAMEN] = {40, 200, 40};
    w.farbe[STERNNAMEN] = {230, 230, 60};
    w.farbe[HILFSLINIEN] = {60, 90, 160};
    return w;
}

Temp_Ordner::Temp_Ordner() {
    char basis[MAX_PATH];
    GetTempPathA(sizeof basis, basis);
    static int zaehler = 0;
    for (;;) {
        ordner = std::string(basis) + "varnis_ausgabe_" + std::to_string(GetCurrentProcessId()) +
                 "_" + std::to_string(++zaehler);
        if (CreateDirectoryA(ordner.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
}

Temp_Ordner::~Temp_Ordner() {
    WIN32_FIND_DATAA f;
    HANDLE suche = FindFirstFileA((ordner + "\\*").c_str(), &f);
    if (suche != INVALID_HANDLE_VALUE) {
        do {
            if (!(f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA(datei(f.cFileName).c_str());
        } while (FindNextFileA(suche, &f));
        FindClose(suche);
    }
    RemoveDirectoryA(ordner.c_str());
}

std::string bilder_ordner() {
    const char* ordner = getenv("VARNIS_BILDER");
    return ordner ? ordner : "";
}

Bmp bmp_lesen(const std::string& pfad) {
    Bmp b;
    FILE* datei = fopen(pfad.c_str(), "rb");
    if (!datei) return b;
    BITMAPFILEHEADER kopf{};
    BITMAPINFOHEADER info{};
    if (fread(&kopf, sizeof kopf, 1, datei) == 1 && fread(&info, sizeof info, 1, datei) == 1 &&
        kopf.bfType == 0x4D42 && info.biBitCount == 8) {
        b.breite = info.biWidth;
        b.hoehe = info.biHeight;
        b.bittiefe = info.biBitCount;
        b.zeilen_laenge = (b.breite + 3) / 4 * 4;
        std::vector<RGBQUAD> tabelle(256);
        b.zeilen.resize(static_cast<size_t>(b.zeilen_laenge) * b.hoehe);
        if (fread(tabelle.data(), sizeof(RGBQUAD), 256, datei) == 256 &&
            fread(b.zeilen.data(), 1, b.zeilen.size(), datei) == b.zeilen.size()) {
            for (const RGBQUAD& q : tabelle) b.farben.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
            b.gelesen = true;
        }
    }
    fclose(datei);
    return b;
}

void bild_ablegen(DIB& bild, const char* name) {
    const std::string ordner = bilder_ordner();
    if (!ordner.empty()) bild.speichern((ordner + "\\" + name).c_str());
}
