// Doubly linked list of pointers to objects it does not own, with a cached
// position: the registries of the window library, the children of a dialog.
// Walking by index, up or down, costs one step per element because the list
// remembers the node it reached last. Portable: no platform header.
#pragma once

#include <cstdint>
#include <new>

// Windows programs export the members of the lists by name, together with
// the classes of the window library.
#ifdef _WIN32
#define DVLISTE_EXPORT __declspec(dllexport)
#else
#define DVLISTE_EXPORT
#endif

template <class T>
struct DVL_elem {
    T* daten;
    DVL_elem* vorher;
    DVL_elem* nachher;
};

template <class T>
class DVLISTE_EXPORT DVListe {
public:
    DVListe() = default;
    ~DVListe();
    DVListe(const DVListe&) = delete;
    DVListe& operator=(const DVListe&) = delete;

    // The node at index (moving the cached position there), or null when the
    // index is not below the length; then the cache is back on the first node.
    DVL_elem<T>* element(uint32_t index);
    T* operator[](uint32_t index);
    int leer_() const;
    int32_t anzahl() const;
    int32_t cursor_stelle() const;  // index of the cached node
    // Removes every node; the elements themselves are not touched.
    void leeren();

    // 1 when found (position or node stored), -1 otherwise (-1 or null stored).
    int eintr_finden(T* t, int32_t& index_aus);
    int eintr_finden(T* t, DVL_elem<T>*& knoten_aus);

    // 1 when a node was removed, -1 when there was none to remove.
    int entfernen(T* t);                // the first node pointing to t
    int entfernen(int32_t index);
    int entfernen(DVL_elem<T>* knoten);

    // 1 when inserted, -1 when there is no such position or no memory.
    int einfuegen(T* t, int32_t index);          // before the node at index
    int einfuegen(T* t, DVL_elem<T>* knoten);    // before knoten; at the end when null
    int hinten_einfuegen(T* t);
    int vorne_einfuegen(T* t);

private:
    void cursor_zuruecksetzen();
    DVL_elem<T>* neuer_knoten(T* t, DVL_elem<T>* vorher, DVL_elem<T>* nachher);

    DVL_elem<T>* erster = nullptr;
    DVL_elem<T>* letzter = nullptr;
    int32_t laenge = 0;
    int32_t cursor_index = 0;
    DVL_elem<T>* cursor = nullptr;  // node at cursor_index; null only when empty
};

// The members are defined outside the class so that an explicit
// instantiation emits (and may export) every one of them.

template <class T>
DVListe<T>::~DVListe() {
    leeren();
}

template <class T>
void DVListe<T>::cursor_zuruecksetzen() {
    cursor_index = 0;
    cursor = erster;
}

template <class T>
DVL_elem<T>* DVListe<T>::element(uint32_t index) {
    if (index >= static_cast<uint32_t>(laenge)) {
        cursor_zuruecksetzen();
        return nullptr;
    }
    const int32_t ziel = static_cast<int32_t>(index);
    // Start from whichever of head, tail and cache is nearest.
    int32_t abstand = ziel > cursor_index ? ziel - cursor_index : cursor_index - ziel;
    if (ziel < abstand) {
        cursor_index = 0;
        cursor = erster;
    } else if (laenge - 1 - ziel < abstand) {
        cursor_index = laenge - 1;
        cursor = letzter;
    }
    while (cursor_index < ziel) {
        cursor = cursor->nachher;
        ++cursor_index;
    }
    while (cursor_index > ziel) {
        cursor = cursor->vorher;
        --cursor_index;
    }
    return cursor;
}

template <class T>
T* DVListe<T>::operator[](uint32_t index) {
    DVL_elem<T>* knoten = element(index);
    return knoten ? knoten->daten : nullptr;
}

template <class T>
int DVListe<T>::leer_() const {
    return laenge == 0 ? 1 : 0;
}

template <class T>
int32_t DVListe<T>::anzahl() const {
    return laenge;
}

template <class T>
int32_t DVListe<T>::cursor_stelle() const {
    return cursor_index;
}

template <class T>
void DVListe<T>::leeren() {
    while (erster) {
        DVL_elem<T>* naechster = erster->nachher;
        delete erster;
        erster = naechster;
    }
    letzter = nullptr;
    laenge = 0;
    cursor_zuruecksetzen();
}

template <class T>
int DVListe<T>::eintr_finden(T* t, int32_t& index_aus) {
    int32_t i = 0;
    for (DVL_elem<T>* k = erster; k; k = k->nachher, ++i) {
        if (k->daten == t) {
            cursor = k;
            cursor_index = i;
            index_aus = i;
            return 1;
        }
    }
    index_aus = -1;
    cursor_zuruecksetzen();
    return -1;
}

template <class T>
int DVListe<T>::eintr_finden(T* t, DVL_elem<T>*& knoten_aus) {
    for (DVL_elem<T>* k = erster; k; k = k->nachher) {
        if (k->daten == t) {
            knoten_aus = k;
            return 1;
        }
    }
    knoten_aus = nullptr;
    return -1;
}

template <class T>
int DVListe<T>::entfernen(T* t) {
    DVL_elem<T>* knoten = nullptr;
    eintr_finden(t, knoten);
    return entfernen(knoten);
}

template <class T>
int DVListe<T>::entfernen(int32_t index) {
    return index < 0 ? -1 : entfernen(element(static_cast<uint32_t>(index)));
}

template <class T>
int DVListe<T>::entfernen(DVL_elem<T>* knoten) {
    if (!knoten) return -1;
    if (knoten == erster) {
        erster = knoten->nachher;
        if (erster) erster->vorher = nullptr;
        else letzter = nullptr;
        --laenge;
        if (cursor_index > 0) --cursor_index;
        else cursor = erster;
    } else if (knoten == letzter) {
        letzter = knoten->vorher;
        letzter->nachher = nullptr;
        --laenge;
        if (cursor == knoten) {
            cursor = letzter;
            --cursor_index;
        }
    } else {
        knoten->vorher->nachher = knoten->nachher;
        knoten->nachher->vorher = knoten->vorher;
        --laenge;
        cursor_zuruecksetzen();
    }
    delete knoten;
    return 1;
}

template <class T>
DVL_elem<T>* DVListe<T>::neuer_knoten(T* t, DVL_elem<T>* vorher, DVL_elem<T>* nachher) {
    DVL_elem<T>* knoten = new (std::nothrow) DVL_elem<T>{t, vorher, nachher};
    if (!knoten) return nullptr;
    if (vorher) vorher->nachher = knoten;
    else erster = knoten;
    if (nachher) nachher->vorher = knoten;
    else letzter = knoten;
    ++laenge;
    return knoten;
}

template <class T>
int DVListe<T>::einfuegen(T* t, int32_t index) {
    if (index < 0) return -1;
    DVL_elem<T>* knoten = element(static_cast<uint32_t>(index));
    return knoten ? einfuegen(t, knoten) : -1;
}

template <class T>
int DVListe<T>::einfuegen(T* t, DVL_elem<T>* knoten) {
    if (!knoten) return hinten_einfuegen(t);
    if (knoten == erster) return vorne_einfuegen(t);
    if (!neuer_knoten(t, knoten->vorher, knoten)) return -1;
    cursor_zuruecksetzen();
    return 1;
}

template <class T>
int DVListe<T>::hinten_einfuegen(T* t) {
    DVL_elem<T>* knoten = neuer_knoten(t, letzter, nullptr);
    if (!knoten) return -1;
    cursor = knoten;
    cursor_index = laenge - 1;
    return 1;
}

template <class T>
int DVListe<T>::vorne_einfuegen(T* t) {
    DVL_elem<T>* knoten = neuer_knoten(t, nullptr, erster);
    if (!knoten) return -1;
    cursor = knoten;
    cursor_index = 0;
    return 1;
}
