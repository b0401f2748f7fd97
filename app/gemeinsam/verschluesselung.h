// Scrambled storage of a text table: the plain texts exist only while the
// compiler builds the block, so the program file holds no readable copy; at
// start-up the block is unscrambled in place and checked.
//
// Block layout, one record per text number, in number order:
//   2 bytes  length L of the text (little-endian)      } scrambled
//   2 bytes  check sum of the plain text and its number }
//   L bytes  the text                                  }
//   1 byte   0, the terminator of the unscrambled text
// The key stream of each record starts from its text number, so a record
// moved to another place fails its check as surely as a damaged byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace verschluesselung {

constexpr size_t KOPF = 4;       // length and check sum in front of each text
constexpr size_t MAX_TEXT = 0xFFFF;

struct Klartext {
    int32_t nummer;
    const char* text;
};

// A table of A plain texts by number; places without a text hold "".
template <int32_t A>
struct Klartabelle {
    const char* text[A];
};

template <size_t G>
struct Block {
    char daten[G];
};

// Reached only in a constant evaluation that must fail: a table with a number
// out of range or twice, or a text too long for its length field.
void tabelle_fehlerhaft();

constexpr uint32_t naechster(uint32_t z) {  // xorshift32; never reaches 0 from non-zero
    z ^= z << 13;
    z ^= z >> 17;
    z ^= z << 5;
    return z;
}

constexpr uint32_t anfang(int32_t nummer) {
    const uint32_t z = 0x6A09E667u ^ (static_cast<uint32_t>(nummer) * 0x9E3779B9u);
    return z ? z : 0x6A09E667u;
}

// XORs n bytes with the key stream that continues from zustand; applied
// twice it gives the bytes back.
constexpr void mischen(char* daten, size_t n, uint32_t& zustand) {
    for (size_t i = 0; i < n; ++i) {
        zustand = naechster(zustand);
        daten[i] = static_cast<char>(static_cast<uint8_t>(daten[i]) ^ (zustand & 0xFFu));
    }
}

// FNV-1a over the number and the text, folded to 16 bits.
constexpr uint16_t pruefsumme(const char* text, size_t laenge, int32_t nummer) {
    uint32_t h = 2166136261u ^ static_cast<uint32_t>(nummer);
    for (size_t i = 0; i < laenge; ++i) {
        h ^= static_cast<uint8_t>(text[i]);
        h *= 16777619u;
    }
    return static_cast<uint16_t>(h ^ (h >> 16));
}

constexpr size_t laenge(const char* text) {
    size_t n = 0;
    while (text[n]) ++n;
    return n;
}

// Orders the listed texts by number; unlisted places become "".
template <int32_t A, size_t N>
constexpr Klartabelle<A> ordnen(const Klartext (&texte)[N]) {
    Klartabelle<A> t{};
    for (int32_t i = 0; i < A; ++i) t.text[i] = nullptr;
    for (const Klartext& k : texte) {
        if (k.nummer < 0 || k.nummer >= A || t.text[k.nummer]) tabelle_fehlerhaft();
        if (laenge(k.text) > MAX_TEXT) tabelle_fehlerhaft();
        t.text[k.nummer] = k.text;
    }
    for (int32_t i = 0; i < A; ++i)
        if (!t.text[i]) t.text[i] = "";
    return t;
}

template <int32_t A>
constexpr size_t block_groesse(const Klartabelle<A>& t) {
    size_t g = 0;
    for (int32_t i = 0; i < A; ++i) g += KOPF + laenge(t.text[i]) + 1;
    return g;
}

template <size_t G, int32_t A>
constexpr Block<G> block_bauen(const Klartabelle<A>& t) {
    Block<G> b{};
    size_t pos = 0;
    for (int32_t i = 0; i < A; ++i) {
        const size_t l = laenge(t.text[i]);
        const uint16_t p = pruefsumme(t.text[i], l, i);
        char* satz = b.daten + pos;
        satz[0] = static_cast<char>(l & 0xFF);
        satz[1] = static_cast<char>(l >> 8);
        satz[2] = static_cast<char>(p & 0xFF);
        satz[3] = static_cast<char>(p >> 8);
        for (size_t k = 0; k < l; ++k) satz[KOPF + k] = t.text[i][k];
        satz[KOPF + l] = 0;
        uint32_t z = anfang(i);
        mischen(satz, KOPF + l, z);
        pos += KOPF + l + 1;
    }
    return b;
}

// Unscrambles the anzahl records of a block in place and points texte[0..anzahl-1]
// at them. 0 when every record checks and the records fill the block exactly;
// otherwise -1 and every text is "" (a damaged table shows nothing rather than
// garbage). The block is unusable after a failure.
int32_t entschluesseln(char* block, size_t groesse, const char** texte, int32_t anzahl);

}  // namespace verschluesselung
