#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
"""Writes the seed corpus: texts a user types, raw doubles at the edges of ShowNumber, and
whole calculations. Run once; the files are checked in."""
import pathlib
import struct

here = pathlib.Path(__file__).parent / "corpus"

texts = ["1.4", " ", "", "2abc", "1,5", "-.5", "+7", "1e400", "-1e-400", "0x10", "inf", "nan",
         "1e", "1e+", "9007199254740993", "2.2250738585072011e-308", "4.9e-324", "0." + "0" * 30 + "1",
         "1" + "0" * 40, "\t\n 3.25e-2xyz", "1.2.3", "٣", "１", "1e99999999999999999999"]

doubles = [0.0, -0.0, 1.0, 1.2, 0.5, 1.7999999999999998, 0.03125, 0.09375, 1.00005, -0.00004,
           -0.00005, 5e-324, 2.2250738585072014e-308, 1e11, 123456789012.3456, 100000000000000.5,
           999999999999999.9, 1e15, 1.7976931348623157e308, float("inf"), float("-inf"),
           float("nan")]

calculations = [(0, "1.4", "1"), (0, "1.4", "2"), (1, "1.4", "2"), (1, "1.4", "0.5"),
                (2, "1.4", "2"), (2, "1.4", "0.9"), (0, "1", "2"), (1, "0", "2"), (0, "0.5", "3"),
                (0, "0.3", "3"), (1, "0.5", "0"), (0, "1.4", "1e200"), (0, "1e400", "1"),
                (2, "1.4", " "), (0, "abc", "1"), (1, "-1", "2"), (2, "1.67", "1e308")]


def write(folder, name, data):
    path = here / folder
    path.mkdir(parents=True, exist_ok=True)
    (path / name).write_bytes(data)


for i, text in enumerate(texts):
    write("read_number", f"text-{i:02}", text.encode())
for i, x in enumerate(doubles):
    write("show_number", f"double-{i:02}", struct.pack("<d", x))
for i, (known, gama, value) in enumerate(calculations):
    write("calculation", f"case-{i:02}", bytes([known]) + f"{gama}\n{value}".encode())
