// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The application object of a widget test: set up as the program's, with a quieter log.
#pragma once

// Gives the test's application the program's style, font and icon, so that the windows are
// tested as users see them on every platform, and drops the platforms' notices that say
// nothing about the program: the offscreen platform's about window-manager features it lacks,
// and Wine's about a Windows call it does not implement. Every other message still reaches
// Qt Test. Call it from initTestCase().
void setUpTestApplication();
