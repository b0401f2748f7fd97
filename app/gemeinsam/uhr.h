// The system clock as the moment needs it: universal time, whole seconds.
#pragma once

#include <cstdint>

// UTC seconds since 1970-01-01 00:00, without leap seconds.
int64_t utc_jetzt();

// Milliseconds from now to the start of the next minute, 1..60000.
uint32_t ms_bis_zur_naechsten_minute();

// The year of the computer's local clock.
int32_t jahr_jetzt();
