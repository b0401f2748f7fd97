// A horizontal scroll bar that claims the Left and Right arrow keys of its
// dialog, wherever the focus stands there: the dialogs' keyboard filter
// offers every key-down to the dialog's children, and this bar takes the two
// arrows and hands them to its parent as its own key-down, so the parent's
// key handling is the one place that says what they do.
#pragma once

#include "scrollbar_kf.h"

class Tasten_Scrollbar_KF : public Scrollbar_KF {
public:
    Tasten_Scrollbar_KF(Fenster* vater, const char* text, int32_t x, int32_t y, int32_t breite,
                        int32_t hoehe, DWORD stil);

    // 1 for VK_LEFT and VK_RIGHT while the bar and its parent have windows.
    int taste(uint16_t code) override;
};
