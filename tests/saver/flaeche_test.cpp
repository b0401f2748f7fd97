#include <gtest/gtest.h>

#include "flaeche.h"

TEST(SchonerFlaeche, CoversEveryMonitorWhereverThePrimaryLies) {
    struct Fall {
        const char* was;
        Bildschirmmasse masse;
        Flaeche erwartet;
    };
    for (const Fall& f : {
             Fall{"one monitor", {{0, 0, 1920, 1080}, 1920, 1080}, {0, 0, 1920, 1080}},
             Fall{"a second to the right", {{0, 0, 3840, 1080}, 1920, 1080}, {0, 0, 3840, 1080}},
             // A monitor left of or above the primary has negative coordinates.
             Fall{"a second to the left, taller", {{-1280, -200, 3200, 1280}, 1920, 1080},
                  {-1280, -200, 3200, 1280}},
             Fall{"no virtual screen reported", {{0, 0, 0, 0}, 1024, 768}, {0, 0, 1024, 768}},
             Fall{"half a virtual screen reported", {{-5, 0, 800, 0}, 1024, 768}, {0, 0, 1024, 768}},
         }) {
        const Flaeche r = schoner_flaeche(f.masse);
        EXPECT_EQ(f.erwartet.x, r.x) << f.was;
        EXPECT_EQ(f.erwartet.y, r.y) << f.was;
        EXPECT_EQ(f.erwartet.breite, r.breite) << f.was;
        EXPECT_EQ(f.erwartet.hoehe, r.hoehe) << f.was;
    }
}
