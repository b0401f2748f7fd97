// Names that Windows keeps for its devices: a file of that name, with any
// ending, is the device itself ("NUL.bmp" writes into nothing, "CON.bmp"
// onto the console), never a file on the disk.
#pragma once

// True when the last component of pfad (after the last '\', '/' or ':')
// names a device: CON, PRN, AUX, NUL, COM1..COM9 or LPT1..LPT9 (also with
// the superscript digits 1..3), in any case, before its first '.' and any
// trailing blanks. Null counts as "".
bool geraetename(const char* pfad);
