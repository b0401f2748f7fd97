// The system clock's universal time, which both programs' moment needs.
#pragma once

#include <cstdint>

// UTC seconds since 1970-01-01 00:00, without leap seconds (Windows only:
// karte/uhr.cpp).
int64_t utc_jetzt();
