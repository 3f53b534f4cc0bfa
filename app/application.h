// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The application object's name, version and look, shared by the program and its benchmarks.
#pragma once

// Gives the application its title and version and the widget style the windows are drawn for.
// Call it once the QApplication exists.
void setUpApplication();
