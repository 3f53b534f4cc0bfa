// Keeps the offscreen platform's size-hint notices out of the widget tests' logs.
#pragma once

// Drops the offscreen platform's notice that it cannot pass size hints to a window manager;
// every other message still reaches Qt Test. Call it from initTestCase().
void QuietOffscreenWarnings();
