// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The main window's look, as one line per row control plus the button's caption, so that a
// comparison with the expected look names the control that differs.
#pragma once

#include <QColor>
#include <QStringList>

#include <array>

class MainWindowDriver;
class QLineEdit;

struct QuantityRowNames
{
    const char *label;
    const char *box;
};

// In the order the handlers take them: M, Po/P, To/T, rho_o/rho.
constexpr std::array<QuantityRowNames, 4> quantityRows = {{{"Label_M", "Text_M"},
                                                           {"Label_PoP", "Text_PoP"},
                                                           {"Label_ToT", "Text_ToT"},
                                                           {"Label_RoR", "Text_RoR"}}};

[[nodiscard]] QStringList lookOf(const MainWindowDriver &window);

// At start: every row shown, every box white, "Choose an input option".
[[nodiscard]] QStringList startLook();
// After choosing the quantity whose box is given: only its row, white; the others grey.
[[nodiscard]] QStringList inputLook(const char *box);
// After a calculation from that box: every row, the input white, the results grey.
[[nodiscard]] QStringList resultsLook(const char *box);

// The colour on screen near a box's right end, clear of its text and frame, at any display
// scale: the grab holds device pixels.
[[nodiscard]] QColor screenColour(QLineEdit *box);
