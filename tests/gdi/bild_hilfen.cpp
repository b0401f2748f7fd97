#include "bild_hilfen.h"

Punkte pixel_mit(const DIB& bild, int index) {
    Punkte p;
    for (int z = 0; z < bild.hoehe(); ++z)
        for (int x = 0; x < bild.breite(); ++x)
            if (bild.pixel(x, z) == index) p.insert({x, z});
    return p;
}

Punkte gezeichnet(const DIB& bild) {
    Punkte p;
    for (int z = 0; z < bild.hoehe(); ++z)
        for (int x = 0; x < bild.breite(); ++x)
            if (bild.pixel(x, z) != 0) p.insert({x, z});
    return p;
}

Punkte bild_aus(const std::vector<std::string>& zeilen, int links, int oben) {
    Punkte p;
    for (size_t z = 0; z < zeilen.size(); ++z)
        for (size_t x = 0; x < zeilen[z].size(); ++x)
            if (zeilen[z][x] == 'X')
                p.insert({links + static_cast<int>(x), oben - static_cast<int>(z)});
    return p;
}

uint32_t farbe_von(int index) {
    return RGB(index, 255 - index, (index * 7) & 0xFF);
}

void leinwand(DIB& bild, int groesse) {
    bild.erzeugen(groesse, groesse, 8, 0, 0);
    for (int i = 0; i < 256; ++i) bild.farbe_setzen(i, farbe_von(i));
    bild.fuellen(0);
}

std::string temp_pfad(const std::string& name) {
    char verzeichnis[MAX_PATH];
    GetTempPathA(sizeof verzeichnis, verzeichnis);
    return std::string(verzeichnis) + "varnis_" + std::to_string(GetCurrentProcessId()) + "_" +
           name;
}
