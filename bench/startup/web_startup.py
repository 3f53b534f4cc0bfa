#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
"""What the program's page weighs and how soon it shows, beside a bare Qt window's page.

   bench/startup/web_startup.py SITE BARE_SITE ROUNDS

Prints, as Markdown, the size of each file of SITE as it is and as gzip -9 and brotli -q 11
would send it; then the time from navigation to the first paint of each page's window in
headless Chromium, served on 127.0.0.1, the two pages taking turns for ROUNDS loads each after
one load of each to fill the caches: the medians and their ratio. The first paint is the first
animation frame in which the window's canvas holds a drawn pixel, read by a script of this
benchmark's own that the browser runs in the page before the page's."""

import gzip
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tests', 'web'))
from chromium import Browser, Server  # noqa: E402

WATCH = r"""
(() => {
  const look = () => {
    const root = document.querySelector('#screen > div')?.shadowRoot;
    const canvas = root?.querySelector('.qt-window canvas');
    if (canvas && canvas.width > 0) {
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      for (let i = 3; i < data.length; i += 4 * 7) {
        if (data[i] !== 0) { window.firstPaint = performance.now(); return; }
      }
    }
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
})();
"""


def sizes(site):
    print('| File | bytes | gzip -9 | brotli -q 11 |')
    print('|---|---:|---:|---:|')
    totals = [0, 0, 0]
    for name in sorted(os.listdir(site)):
        path = os.path.join(site, name)
        if not os.path.isfile(path):
            continue
        with open(path, 'rb') as data:
            raw = data.read()
        brotli = subprocess.run(['brotli', '-q', '11', '-c', path], check=True,
                                capture_output=True).stdout
        row = [len(raw), len(gzip.compress(raw, 9, mtime=0)), len(brotli)]
        totals = [t + r for t, r in zip(totals, row)]
        print(f'| `{name}` | {row[0]:,} | {row[1]:,} | {row[2]:,} |')
    print(f'| all | {totals[0]:,} | {totals[1]:,} | {totals[2]:,} |')


def first_paint(page, url):
    page.open(url)
    return page.wait_for('window.firstPaint', 60, f'the first paint of {url}')


def main():
    site, bare_site, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    print('## What a server sends\n')
    sizes(site)
    program, bare = Server(site), Server(bare_site)
    browser = Browser()
    try:
        page = browser.page(1024, 700)
        page.call('Page.addScriptToEvaluateOnNewDocument', source=WATCH)
        times = {'program': [], 'bare': []}
        first_paint(page, program.url)
        first_paint(page, bare.url)
        for _ in range(rounds):
            times['program'].append(first_paint(page, program.url))
            times['bare'].append(first_paint(page, bare.url))
            time.sleep(0.2)
    finally:
        browser.close()
        program.stop()
        bare.stop()
    medians = {name: statistics.median(values) for name, values in times.items()}
    print(f'\n## Navigation to first paint, medians of {rounds} loads each\n')
    print('| Page | median | range | ratio |')
    print('|---|---:|---:|---:|')
    for name, label in (('program', 'the program'), ('bare', 'bare Qt window')):
        values = times[name]
        print(f'| {label} | {medians[name]:.0f} ms | {min(values):.0f} to {max(values):.0f} ms '
              f'| {medians[name] / medians["bare"]:.2f} |')
    return 0


if __name__ == '__main__':
    sys.exit(main())
