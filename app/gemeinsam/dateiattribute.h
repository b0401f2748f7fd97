// What the file system tells of a path, for the checks before a file is
// read, written or replaced.
#pragma once

#include "ablage.h"  // datei_vorhanden: true for an existing file (not a folder)

// True for an existing file marked read-only. The outputs leave such a file
// alone, as Windows refuses to open it for writing, even where a process
// with the rights to pass over the mark could (root under Wine).
bool schreibgeschuetzt(const char* pfad);

// True for an existing folder.
bool ordner_vorhanden(const char* pfad);
