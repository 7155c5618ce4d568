#pragma once

// The main window's layout in design pixels (96 DPI). Everything on screen is placed from
// this one table, scaled by the window's DPI, so 96 DPI gives the design to the pixel.
#include "platform/controls.h"

namespace tarvok::layout {

inline constexpr int kClientWidth = 158;
inline constexpr int kClientHeight = 418;
inline constexpr int kDesignLeft = 320; // before the stored position is applied
inline constexpr int kDesignTop = 102;

inline constexpr Box kToolBar{0, 0, 158, 27};
// Inside the toolbar: two labels and five page buttons in one row.
inline constexpr int kToolRowTop = 2;
inline constexpr int kToolRowHeight = 23;
inline constexpr Box kToolLabelPrevious{0, kToolRowTop, 26, kToolRowHeight};
inline constexpr int kToolButtonLeft[5] = {26, 45, 64, 83, 102};
inline constexpr int kToolButtonWidth = 19;
inline constexpr Box kToolLabelNext{121, kToolRowTop, 29, kToolRowHeight};

inline constexpr Box kPageName{7, 36, 52, 19};

inline constexpr int kSlotLeft = 39;
inline constexpr int kSlotTop = 65;
inline constexpr int kSlotPitch = 35;
inline constexpr int kSlotWidth = 115;
inline constexpr int kSlotHeight = 35;

// Key labels: right edge at x = 35, top 10 pixels below their button's top.
inline constexpr int kKeyLabelRight = 35;
inline constexpr int kKeyLabelTop = 75;
inline constexpr int kKeyLabelHeight = 15;

// Character heights of the fonts.
inline constexpr int kFontWindow = 13;
inline constexpr int kFontToolBar = 15;
inline constexpr int kFontToolLabel = 11;
inline constexpr int kFontPageName = 19;
inline constexpr int kFontKeyLabel = 15;

constexpr Box slotBox(int index) {
    return Box{kSlotLeft, kSlotTop + kSlotPitch * index, kSlotWidth, kSlotHeight};
}

} // namespace tarvok::layout
