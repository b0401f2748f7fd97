#include "dvliste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct Ding {
    int n;
};

// The whole list read front to back through the index operator.
std::vector<Ding*> inhalt(DVListe<Ding>& liste) {
    std::vector<Ding*> v;
    for (uint32_t i = 0; liste[i]; ++i) v.push_back(liste[i]);
    return v;
}

TEST(DVListe, LeereListe) {
    DVListe<Ding> liste;
    EXPECT_EQ(liste.element(0), nullptr);
    EXPECT_EQ(liste[0], nullptr);
    EXPECT_EQ(liste.leer_(), 1);
    Ding a{1};
    EXPECT_EQ(liste.entfernen(&a), -1);
    EXPECT_EQ(liste.entfernen(0), -1);
    EXPECT_EQ(liste.einfuegen(&a, 0), -1);
    int32_t index = 7;
    EXPECT_EQ(liste.eintr_finden(&a, index), -1);
    EXPECT_EQ(index, -1);
}

TEST(DVListe, IndexZugriffUndCursor) {
    Ding a{1}, b{2}, c{3};
    DVListe<Ding> liste;
    liste.hinten_einfuegen(&a);
    liste.hinten_einfuegen(&b);
    liste.hinten_einfuegen(&c);
    EXPECT_EQ(liste.cursor_stelle(), 2);  // on the appended node
    EXPECT_EQ(liste[0], &a);
    EXPECT_EQ(liste[1], &b);
    EXPECT_EQ(liste[2], &c);
    EXPECT_EQ(liste.cursor_stelle(), 2);
    EXPECT_EQ(liste[3], nullptr);
    EXPECT_EQ(liste.cursor_stelle(), 0);
    // Walking down from the end, as the keyboard filter does.
    EXPECT_EQ(liste[2], &c);
    EXPECT_EQ(liste[1], &b);
    EXPECT_EQ(liste[0], &a);
}

TEST(DVListe, EntfernenInDerMitte) {
    Ding a{1}, b{2}, c{3};
    DVListe<Ding> liste;
    for (Ding* d : {&a, &b, &c}) liste.hinten_einfuegen(d);
    EXPECT_EQ(liste.entfernen(1), 1);
    EXPECT_EQ(liste.anzahl(), 2);
    EXPECT_EQ(inhalt(liste), (std::vector<Ding*>{&a, &c}));
    int32_t index = -5;
    EXPECT_EQ(liste.eintr_finden(&c, index), 1);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(liste.cursor_stelle(), 1);
}

TEST(DVListe, CursorBeimEntfernenAmRand) {
    Ding a{1}, b{2}, c{3}, d{4};
    DVListe<Ding> liste;
    for (Ding* x : {&a, &b, &c, &d}) liste.hinten_einfuegen(x);

    liste.element(2);                // cursor on c
    liste.entfernen(&a);             // the first node: c is now at 1
    EXPECT_EQ(liste.cursor_stelle(), 1);
    EXPECT_EQ(liste.element(1)->daten, &c);

    liste.element(2);                // cursor on d, the last node
    liste.entfernen(&d);
    EXPECT_EQ(liste.cursor_stelle(), 1);
    EXPECT_EQ(liste[1], &c);

    liste.element(0);                // cursor on b, the first node
    liste.entfernen(&b);
    EXPECT_EQ(liste.cursor_stelle(), 0);
    EXPECT_EQ(liste[0], &c);
    liste.entfernen(&c);
    EXPECT_EQ(liste.leer_(), 1);
    EXPECT_EQ(liste[0], nullptr);
}

TEST(DVListe, FremdesElementUndDoppelteEintraege) {
    Ding a{1}, b{2}, fremd{9};
    DVListe<Ding> liste;
    for (Ding* x : {&a, &b, &a}) liste.hinten_einfuegen(x);
    EXPECT_EQ(liste.entfernen(&fremd), -1);
    EXPECT_EQ(inhalt(liste), (std::vector<Ding*>{&a, &b, &a}));
    EXPECT_EQ(liste.entfernen(&a), 1);
    EXPECT_EQ(inhalt(liste), (std::vector<Ding*>{&b, &a}));
}

TEST(DVListe, EinfuegenVorKnoten) {
    Ding a{1}, b{2}, c{3}, d{4};
    DVListe<Ding> liste;
    liste.vorne_einfuegen(&c);
    EXPECT_EQ(liste.einfuegen(&a, liste.element(0)), 1);  // before the first
    EXPECT_EQ(liste.einfuegen(&d, nullptr), 1);           // at the end
    EXPECT_EQ(liste.einfuegen(&b, 1), 1);                 // before an inner node
    EXPECT_EQ(liste.cursor_stelle(), 0);
    EXPECT_EQ(inhalt(liste), (std::vector<Ding*>{&a, &b, &c, &d}));
    EXPECT_EQ(liste.einfuegen(&a, 4), -1);                // no node at 4
    EXPECT_EQ(liste.einfuegen(&a, -1), -1);
    EXPECT_EQ(liste.anzahl(), 4);
}

TEST(DVListe, LeerenLaesstElementeStehen) {
    std::vector<Ding> dinge(100);
    DVListe<Ding> liste;
    for (Ding& d : dinge) liste.hinten_einfuegen(&d);
    liste.leeren();
    EXPECT_EQ(liste.anzahl(), 0);
    EXPECT_EQ(liste.leer_(), 1);
    EXPECT_EQ(liste[0], nullptr);
    liste.hinten_einfuegen(&dinge[5]);  // usable again after emptying
    EXPECT_EQ(liste[0], &dinge[5]);
}

// Random operations checked against a vector: the links, the length and the
// cached position must agree with the model after every step.
TEST(DVListe, ZufallsfolgeGegenModell) {
    std::vector<Ding> dinge(8);
    std::vector<Ding*> modell;
    DVListe<Ding> liste;
    std::mt19937 zufall(12345);
    for (int schritt = 0; schritt < 20000; ++schritt) {
        Ding* d = &dinge[zufall() % dinge.size()];
        const int32_t n = static_cast<int32_t>(modell.size());
        const int32_t i = n ? static_cast<int32_t>(zufall() % (n + 1)) : 0;
        switch (zufall() % 7) {
        case 0:
            liste.hinten_einfuegen(d);
            modell.push_back(d);
            break;
        case 1:
            liste.vorne_einfuegen(d);
            modell.insert(modell.begin(), d);
            break;
        case 2:
            ASSERT_EQ(liste.einfuegen(d, i), i < n ? 1 : -1);
            if (i < n) modell.insert(modell.begin() + i, d);
            break;
        case 3:
            ASSERT_EQ(liste.entfernen(i), i < n ? 1 : -1);
            if (i < n) modell.erase(modell.begin() + i);
            break;
        case 4: {
            auto pos = std::find(modell.begin(), modell.end(), d);
            ASSERT_EQ(liste.entfernen(d), pos != modell.end() ? 1 : -1);
            if (pos != modell.end()) modell.erase(pos);
            break;
        }
        case 5:
            ASSERT_EQ(liste[static_cast<uint32_t>(i)], i < n ? modell[i] : nullptr);
            break;
        case 6:
            if (zufall() % 50 == 0) {
                liste.leeren();
                modell.clear();
            }
            break;
        }
        ASSERT_EQ(liste.anzahl(), static_cast<int32_t>(modell.size()));
        const int32_t c = liste.cursor_stelle();
        ASSERT_TRUE(modell.empty() ? c == 0 : c >= 0 && c < liste.anzahl());
        if (!modell.empty()) {
            // The cached node must really be the node at its index: walking
            // from it to the ends must give the model's neighbours.
            DVL_elem<Ding>* k = liste.element(static_cast<uint32_t>(c));
            ASSERT_EQ(k->daten, modell[c]);
            ASSERT_EQ(k->vorher ? k->vorher->daten : nullptr, c > 0 ? modell[c - 1] : nullptr);
        }
    }
    EXPECT_EQ(inhalt(liste), modell);
}

}  // namespace
