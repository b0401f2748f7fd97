#include "systemklassen.h"

#include <cstring>

namespace {

struct Systemklasse {
    const char* name;
    WNDPROC proz;
};

Systemklasse klassen[] = {
    {"static", nullptr}, {"edit", nullptr},   {"listbox", nullptr},
    {"combobox", nullptr}, {"button", nullptr}, {"scrollbar", nullptr},
};

}  // namespace

WNDPROC systemklassen_proz(const char* klasse) {
    for (Systemklasse& k : klassen) {
        if (strcmp(k.name, klasse) != 0) continue;
        if (!k.proz) {
            WNDCLASSA info{};
            if (GetClassInfoA(nullptr, k.name, &info)) k.proz = info.lpfnWndProc;
        }
        return k.proz;
    }
    return nullptr;
}
