// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Keeps the offscreen platform's notices about window-manager features out of the tests' logs.
#pragma once

// Drops the offscreen platform's notices that it cannot pass size hints or stacking order to a
// window manager; every other message still reaches Qt Test. Call it from initTestCase().
void quietOffscreenWarnings();
