#include "namensvergleich.h"

namespace {

// The letters of a name one at a time, each in its compared form; an
// umlaut gives two.
class Gefaltet {
public:
    explicit Gefaltet(const char* text) : p(reinterpret_cast<const unsigned char*>(text ? text : "")) {}

    // The next letter, 0 at the end.
    unsigned naechstes() {
        if (rest) {
            const unsigned c = rest;
            rest = 0;
            return c;
        }
        const unsigned c = *p;
        if (!c) return 0;
        ++p;
        switch (c) {
            case 0xC4: case 0xE4: rest = 'e'; return 'a';  // Ä ä
            case 0xD6: case 0xF6: rest = 'e'; return 'o';  // Ö ö
            case 0xDC: case 0xFC: rest = 'e'; return 'u';  // Ü ü
            case 0xDF: rest = 's'; return 's';             // ß
            default: break;
        }
        if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
        // The other capitals of Windows-1252 lie 0x20 below their small
        // letters (0xD7 is the multiplication sign).
        if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
        return c;
    }

private:
    const unsigned char* p;
    unsigned rest = 0;
};

}  // namespace

bool namen_gleich(const char* a, const char* b) {
    Gefaltet x(a), y(b);
    for (;;) {
        const unsigned c = x.naechstes();
        if (c != y.naechstes()) return false;
        if (!c) return true;
    }
}

bool name_beginnt(const char* name, const char* anfang) {
    Gefaltet x(name), y(anfang);
    for (;;) {
        const unsigned c = y.naechstes();
        if (!c) return true;
        if (c != x.naechstes()) return false;
    }
}
