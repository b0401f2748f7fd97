// The system clock as the moment needs it: universal time, whole seconds.
#pragma once

#include <cstdint>

// The universal time: utc_jetzt, shared with the saver.
#include "weltzeit.h"

// Milliseconds from now to the start of the next minute, 1..60000.
uint32_t ms_bis_zur_naechsten_minute();

// The year of the computer's local clock.
int32_t jahr_jetzt();
