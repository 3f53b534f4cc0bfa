#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
"""The program's page in headless Chromium, used as a person uses it.

   tests/web/page_test.py SITE SCREENSHOTS

Serves the folder SITE on 127.0.0.1 and drives the page with the mouse, the keyboard and
touches: the designed state, each input quantity, the messages, About, Enter, the keyboard
alone, at device pixel ratios 1 and 2 and on a phone's screen, then offline once the page has
been visited, and in a browser without WebAssembly. It reads what the page shows: the boxes
through the clipboard (Ctrl+A, Ctrl+C), the captions, labels and messages from Qt's
accessibility layer, which mirrors the widgets as HTML elements, and the windows' places and
pixels from the page. It saves screenshots in SCREENSHOTS and fails when one check fails."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chromium import Browser, Server  # noqa: E402

TITLE = 'Velmoric Flow Equations'
CAPTION = 'VelmoricFlow Equations'
# The main window's client area, 3315 x 2730 twips, in CSS pixels; its menu bar comes on top.
CLIENT = (221, 182)
# Put in the clipboard before each copy: an empty box copies nothing and leaves it there.
NOTHING = '\u2400 nothing copied'

failures = []


def check(condition, what):
    print(f'{"PASS" if condition else "FAIL"}  {what}')
    if not condition:
        failures.append(what)
    return condition


ROOT = "document.querySelector('#screen > div').shadowRoot"
# Every window of the page, from the back: its title, its place and its canvas's, the canvas's
# pixels, and the visible elements of its accessibility layer with their roles and texts.
WINDOWS = ROOT + r""".querySelectorAll('.qt-window')"""
DESCRIBE = r"""(() => {
  const box = e => { const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; };
  return [...ROOT.querySelectorAll('.qt-window')].map(w => {
    const name = w.querySelector('.window-name');
    const canvas = w.querySelector('canvas');
    const items = [...w.querySelectorAll('.qt-window-a11y-container *')]
      .filter(e => e.getClientRects().length && e.getBoundingClientRect().width > 0)
      .map(e => ({tag: e.tagName, type: e.type || '', role: e.getAttribute('role') || '',
                  text: e.tagName === 'TEXTAREA' ? e.value : e.innerText, checked: !!e.checked,
                  box: box(e)}));
    return {title: name ? name.innerText : '', titleWhole: name ? name.scrollWidth <= name.clientWidth : false,
            box: box(w), canvas: box(canvas), pixels: [canvas.width, canvas.height], items};
  });
})()""".replace('ROOT', ROOT)


class Calculator:
    """The page as its user sees it."""

    def __init__(self, browser, url, width, height, scale=1, mobile=False):
        self.page = browser.page(width, height, scale, mobile)
        self.url = url
        self.mobile = mobile
        self.width, self.height, self.scale = width, height, scale

    def load(self):
        self.page.open(self.url)
        self.page.wait_for("document.getElementById('status')?.hidden", 90, 'the program to start')
        self.page.wait_for(f"{WINDOWS}.length > 0", 30, 'the main window')
        # The accessibility layer, switched on as a screen reader's user does with its button,
        # once the window is up to take it.
        enabled = ROOT + ".querySelector('.qt-window-a11y-container input')"
        deadline = time.monotonic() + 30
        while not self.page.evaluate(f'!!{enabled}'):
            if time.monotonic() > deadline:
                raise AssertionError('the accessibility layer did not come up')
            self.page.evaluate(
                ROOT + ".querySelector('.hidden-visually-read-by-screen-reader')?.click()")
            time.sleep(0.3)

    def windows(self):
        return self.page.evaluate(DESCRIBE)

    def main(self):
        return self.windows()[0]

    def _items(self, window=None):
        return (window or self.main())['items']

    def rows(self):
        """The labels of the quantity rows that show, from the top, as their pixels tell: the
        accessibility layer keeps hidden widgets, and reorders what changes."""
        labels = sorted((i for i in self._items() if i['tag'] == 'TEXTAREA'
                         and i['text'] in ('M =', 'rho o over rho =', 'Po/P =', 'To/T =')),
                        key=lambda i: i['box'][1])
        return [label['text'] for label in labels if self._drawn(label['box'])]

    def _drawn(self, box):
        """Whether anything dark, text or a border, is drawn in the box, a page's rectangle."""
        x, y, w, h = box
        return self.page.evaluate(r"""(() => {
          const canvas = ROOT.querySelector('.qt-window canvas');
          const at = canvas.getBoundingClientRect(), scale = canvas.width / at.width;
          const data = canvas.getContext('2d').getImageData(
            Math.round((X - at.x) * scale), Math.round((Y - at.y) * scale),
            Math.round(W * scale), Math.round(H * scale)).data;
          for (let i = 0; i < data.length; i += 4)
            if (data[i] + data[i + 1] + data[i + 2] < 300) return true;
          return false;
        })()""".replace('ROOT', ROOT).replace('X', str(x)).replace('Y', str(y))
                                  .replace('W', str(w)).replace('H', str(h)))

    def _box_of(self, label):
        items = self._items()
        found = [i['box'] for i in items if i['tag'] == 'TEXTAREA' and i['text'] == label]
        if not found:
            raise AssertionError(f'no label "{label}"')
        lx, ly, lw, lh = found[0]
        beside = [i['box'] for i in items if i['tag'] == 'INPUT' and i['type'] == 'text'
                  and abs(i['box'][1] + i['box'][3] / 2 - ly - lh / 2) < 6 and i['box'][0] > lx]
        return min(beside, key=lambda b: b[0])

    def _options(self):
        return sorted((i for i in self._items() if i['type'] == 'radio'), key=lambda i: i['box'][1])

    def caption(self):
        buttons = [i for i in self._items() if i['tag'] == 'BUTTON' and i['role'] != 'menuitem']
        return buttons[0]['text'] if buttons else None

    def chosen(self):
        return [o['checked'] for o in self._options()]

    def press(self, box):
        x, y, w, h = box
        if self.mobile:
            self.page.tap(x + w / 2, y + h / 2)
        else:
            self.page.click(x + w / 2, y + h / 2)
        time.sleep(0.15)

    def choose(self, index):
        self.press(self._options()[index]['box'])

    def click_button(self):
        buttons = [i for i in self._items() if i['tag'] == 'BUTTON' and i['role'] != 'menuitem']
        self.press(buttons[0]['box'])

    def about(self):
        menu = [i for i in self._items() if i['role'] == 'menuitem']
        self.press(menu[0]['box'])

    def box(self, label):
        """What the box beside the label holds, copied as a user copies it."""
        self.page.evaluate(f"navigator.clipboard.writeText({NOTHING!r})", wait=True)
        self.press(self._box_of(label))
        self.page.key('a', modifiers=2)
        self.page.key('c', modifiers=2)
        time.sleep(0.15)
        text = self.page.evaluate('navigator.clipboard.readText()', wait=True)
        return '' if text == NOTHING else text

    def type_into(self, label, text):
        self.press(self._box_of(label))
        self.page.key('a', modifiers=2)
        self.page.type(text)

    def enter(self, option, label, text):
        """Chooses the option, types the text into its box and presses Enter: the boxes then."""
        self.choose(option)
        self.type_into(label, text)
        self.page.key('Enter')
        time.sleep(0.3)
        return self.boxes()

    def boxes(self):
        return [self.box(label) for label in ('M =', 'Po/P =', 'To/T =', 'rho o over rho =')]

    def message(self):
        """The text and title of the message box that is open, or None."""
        windows = self.windows()
        if len(windows) < 2 or windows[-1]['title'] == 'About':
            return None
        texts = [i['text'] for i in windows[-1]['items'] if i['tag'] == 'TEXTAREA']
        return windows[-1]['title'], ' '.join(texts)

    def wait_for_message(self):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            message = self.message()
            if message and message[1]:
                return message
            time.sleep(0.1)
        return None

    def screenshot(self, folder, name):
        self.page.screenshot(os.path.join(folder, f'{name}.png'))


def whole_and_sharp(calculator, where):
    window = calculator.main()
    x, y, w, h = window['box']
    check(x >= 0 and y >= 0 and x + w <= calculator.width and y + h <= calculator.height,
          f'{where}: the main window is whole on the page ({x:.0f}, {y:.0f}, {w:.0f} x {h:.0f})')
    check(y <= 8, f'{where}: the main window is at the top of the page')
    canvas = window['canvas']
    check(round(canvas[2]) == CLIENT[0] and CLIENT[1] + 15 <= round(canvas[3]) <= CLIENT[1] + 30,
          f'{where}: the client area is {CLIENT[0]} x {CLIENT[1]} CSS pixels under the menu bar '
          f'({canvas[2]:.0f} x {canvas[3]:.0f})')
    check(window['pixels'] == [round(canvas[2] * calculator.scale), round(canvas[3] * calculator.scale)],
          f'{where}: the window is drawn in device pixels ({window["pixels"]} at {calculator.scale})')
    check(window['title'] == CAPTION and window['titleWhole'],
          f'{where}: the title bar shows the whole caption "{window["title"]}"')


def designed_state(calculator, where):
    check(calculator.page.evaluate('document.title') == TITLE, f'{where}: the page\'s title')
    check(calculator.rows() == ['M =', 'rho o over rho =', 'Po/P =', 'To/T ='],
          f'{where}: the four rows show at start')
    check(calculator.caption() == 'Choose an input option', f'{where}: the button\'s caption at start')
    check(calculator.chosen() == [False, False, False], f'{where}: no option is chosen at start')
    check(calculator.box('gamma =') == '1.4' and calculator.boxes() == ['0', '1', '1', '1'],
          f'{where}: the boxes hold 1.4, 0, 1, 1 and 1 at start')


def calculations(calculator, where, shots):
    calculator.click_button()
    message = calculator.wait_for_message()
    check(message == (TITLE, 'choose an input parameter'),
          f'{where}: with no option chosen the message says "choose an input parameter" ({message})')
    calculator.screenshot(shots, f'{where}-message')
    calculator.page.key('Enter')
    time.sleep(0.3)
    check(calculator.message() is None, f'{where}: OK closes the message')

    calculator.choose(1)
    rows, caption = calculator.rows(), calculator.caption()
    check(rows == ['Po/P ='] and caption == 'Input value then CLICK',
          f'{where}: choosing Po/P leaves its row alone and asks for the value ({rows}, {caption})')
    text = calculator.box('Po/P =')
    check(text == ' ', f'{where}: the Po/P box holds a single space ("{text}")')
    calculator.type_into('Po/P =', '2')
    calculator.click_button()
    boxes = calculator.boxes()
    check(boxes == ['1.0465', '2', '1.219', '1.6407'],
          f'{where}: Po/P = 2 gives 1.0465, 2, 1.219 and 1.6407 ({boxes})')
    calculator.screenshot(shots, f'{where}-po-p-2')

    # Option, its row's label, the input, and the boxes M, Po/P, To/T and ρo/ρ after Enter.
    for option, label, text, expected in (
            (0, 'M =', '2', ['2', '7.8244', '1.8', '4.3469']),
            (2, 'To/T =', '2', ['2.2361', '11.3137', '2', '5.6569'])):
        boxes = calculator.enter(option, label, text)
        check(boxes == expected, f'{where}: {label} {text} with Enter gives {expected} ({boxes})')

    calculator.choose(1)
    calculator.type_into('Po/P =', '0.5')
    calculator.click_button()
    message = calculator.wait_for_message()
    expected = ('No Mach number gives Po/P = 0.5 with \u03b3 = 1.4: it would take the square root '
                'of a negative number. Po/P must be at least 1 when \u03b3 is above 1.')
    check(message == (TITLE, expected), f'{where}: Po/P = 0.5 says why it has no result ({message})')
    calculator.page.key('Enter')
    time.sleep(0.3)
    check(calculator.message() is None, f'{where}: OK closes the failure\'s message')

    calculator.about()
    calculator.page.wait_for(f"{WINDOWS}.length === 2", 10, 'the About window')
    calculator.about()
    time.sleep(0.5)
    titles = [w['title'] for w in calculator.windows()]
    check(titles == [CAPTION, 'About'], f'{where}: About opens one window, however often ({titles})')
    calculator.screenshot(shots, f'{where}-about')
    check(calculator.enter(1, 'Po/P =', '2')[0] == '1.0465',
          f'{where}: with About open the main window calculates')


def keyboard_alone(calculator, where):
    # From the γ box, Tab goes to the options, Space chooses M, Tab goes to its box and then,
    # past the hidden ones, to the button.
    calculator.press(calculator._box_of('gamma ='))
    for key in ('Tab', 'Space'):
        calculator.page.key(key)
    time.sleep(0.2)
    check(calculator.rows() == ['M ='], f'{where}: Tab and Space choose M')
    calculator.page.key('Tab')
    calculator.page.type('1')
    calculator.page.key('Tab')
    calculator.page.key('Space')
    time.sleep(0.3)
    check(calculator.boxes() == ['1', '1.8929', '1.2', '1.5774'],
          f'{where}: typing M = 1 and pressing the button with Space gives 1, 1.8929, 1.2 and 1.5774')


def main():
    site, shots = sys.argv[1], sys.argv[2]
    os.makedirs(shots, exist_ok=True)
    server = Server(site)
    browser = Browser()
    browser.grant_clipboard(server.url.rstrip('/'))
    try:
        for scale in (1, 2):
            where = f'{scale}x'
            calculator = Calculator(browser, server.url, 1024, 700, scale)
            calculator.load()
            calculator.screenshot(shots, f'{where}-start')
            whole_and_sharp(calculator, where)
            designed_state(calculator, where)
            calculations(calculator, where, shots)

        calculator = Calculator(browser, server.url, 1024, 700)
        calculator.load()
        keyboard_alone(calculator, 'keyboard')

        phone = Calculator(browser, server.url, 360, 640, 2, mobile=True)
        phone.load()
        check(phone.page.evaluate('document.documentElement.scrollWidth') <= 360,
              'phone: the page fits 360 CSS pixels without zooming out')
        whole_and_sharp(phone, 'phone')
        phone.choose(1)
        phone.press(phone._box_of('Po/P ='))
        check(phone.page.evaluate("document.activeElement?.tagName === 'INPUT'"),
              'phone: tapping a box focuses a text field, which brings up the on-screen keyboard')
        phone.page.type('2')
        phone.click_button()
        phone.screenshot(shots, 'phone-po-p-2')
        check(phone.boxes() == ['1.0465', '2', '1.219', '1.6407'], 'phone: taps calculate Po/P = 2')

        # Offline: once the service worker has kept the files, the page needs no server.
        calculator = Calculator(browser, server.url, 1024, 700)
        calculator.load()
        check(calculator.page.evaluate(
            'navigator.serviceWorker.ready.then(r => !!r.active)', wait=True),
            'the service worker is active after the first visit')
        calculator.page.wait_for('!!navigator.serviceWorker.controller', 30, 'the worker to take over')
        errors = calculator.page.call('Page.getInstallabilityErrors')['installabilityErrors']
        check(errors == [], f'the browser can install the page as an app ({errors})')
        server.stop()
        server = None
        calculator.load()
        check(calculator.enter(1, 'Po/P =', '2') == ['1.0465', '2', '1.219', '1.6407'],
              'offline: the page reloads and calculates with the server stopped')

        messages = [m for page in browser.pages for m in page.messages()]
        blocked = [m for m in messages if 'Content Security Policy' in m or 'Refused' in m]
        check(not blocked, f'nothing the page loads breaks its Content-Security-Policy ({blocked})')
    finally:
        browser.close()
        if server:
            server.stop()

    # A browser with WebAssembly turned off, as a locked-down one may have it, is told so.
    server = Server(site)
    browser = Browser()
    try:
        page = browser.page(1024, 700)
        page.call('Page.addScriptToEvaluateOnNewDocument', source='delete window.WebAssembly;')
        page.open(server.url)
        text = page.wait_for("document.querySelector('#message.failed')?.textContent", 30,
                             'the message of a browser without WebAssembly')
        check('needs a browser that runs WebAssembly' in text,
              f'without WebAssembly the page says what it needs ({text[:60]}...)')
        page.screenshot(os.path.join(shots, 'no-webassembly.png'))
    finally:
        browser.close()
        server.stop()

    print(f'{len(failures) == 0 and "all passed" or f"{len(failures)} failed"}')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
