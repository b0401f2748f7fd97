// Names as a user types them: a place or a word on the command line matches
// whatever the case, and the German umlauts and sharp s may be written as
// two letters, as on a keyboard or in a script without them.
#pragma once

// True when the two Windows-1252 texts are the same name: letters compared
// without case (also the accented ones), and ä, ö, ü, ß the same as ae, oe,
// ue, ss. Null counts as "".
bool namen_gleich(const char* a, const char* b);

// True when name begins with anfang, compared as namen_gleich compares:
// "muen" and "mü" both begin "München". Null counts as "".
bool name_beginnt(const char* name, const char* anfang);
