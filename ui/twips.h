// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The windows are designed in twips: 1440 to the inch, so 15 to a pixel at 96 dots per inch.
#pragma once

#include <QRect>

// A rectangle given in twips, in Qt's device-independent pixels; Qt scales those for denser
// screens, so the design keeps its proportions everywhere.
constexpr QRect twips(int left, int top, int width, int height)
{
    constexpr int twipsPerPixel = 15;
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
            height / twipsPerPixel};
}
