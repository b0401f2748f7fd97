// The size of the main window at start-up.
#include <gtest/gtest.h>

#include "fenster.h"
#include "start/programm.h"

namespace {

// ---- start size ----

TEST(Startgroesse, BisEinschliesslich800Pixel640Mal480) {
    int32_t b = 0, h = 0;
    startgroesse(800, b, h);
    EXPECT_EQ(640, b);
    EXPECT_EQ(480, h);
    startgroesse(801, b, h);
    EXPECT_EQ(Fenster::STANDARD, b);
    EXPECT_EQ(Fenster::STANDARD, h);
}

}  // namespace
