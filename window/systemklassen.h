// The window procedures of the system control classes that library controls
// wrap ("static", "edit", "listbox", "combobox", "button", "scrollbar"),
// read from the system on first use.
#pragma once

#include <windows.h>

// The procedure of a wrapped system class, or null for any other class name.
WNDPROC systemklassen_proz(const char* klasse);
