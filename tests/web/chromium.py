# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
"""Headless Chromium driven over its DevTools protocol, and a static server for a folder.

The page gets real input events from the browser (mouse, keyboard, touch), as a user's would
be; the tests read what the page shows, never the program's insides."""

import base64
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

import websocket


class Server:
    """Serves a folder on 127.0.0.1, .wasm as application/wasm, until stopped."""

    def __init__(self, folder):
        handler = functools.partial(_QuietHandler, directory=folder)
        self._server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = f'http://127.0.0.1:{self._server.server_port}/'
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def stop(self):
        self._server.shutdown()
        self._server.server_close()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


class Browser:
    """A headless Chromium with a new, empty profile."""

    def __init__(self, arguments=()):
        self._profile = tempfile.mkdtemp(prefix='vfe-chromium-')
        # No network of its own: these machines have none, and every refused connection of
        # Chromium's background services would slow it down.
        self._process = subprocess.Popen(
            ['chromium', '--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--disable-quic', '--disable-features=Translate,MediaRouter',
             '--remote-debugging-port=0', f'--user-data-dir={self._profile}', *arguments,
             'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self._profile, 'DevToolsActivePort')
        deadline = time.monotonic() + 30
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.monotonic() > deadline or self._process.poll() is not None:
                raise RuntimeError('Chromium did not start')
            time.sleep(0.05)
        time.sleep(0.1)
        with open(port_file) as lines:
            self.port = int(lines.readline())
            path = lines.readline().strip()
        self._browser = _Connection(f'ws://127.0.0.1:{self.port}{path}')
        self.pages = []

    def page(self, width, height, scale=1, mobile=False):
        """A new tab with a viewport of width x height CSS pixels at the scale given."""
        target = self._browser.call('Target.createTarget', url='about:blank')['targetId']
        self.pages.append(Page(_Connection(f'ws://127.0.0.1:{self.port}/devtools/page/{target}'),
                    width, height, scale, mobile))
        return self.pages[-1]

    def grant_clipboard(self, origin):
        self._browser.call('Browser.grantPermissions', origin=origin,
                           permissions=['clipboardReadWrite', 'clipboardSanitizedWrite'])

    def close(self):
        try:
            self._browser.call('Browser.close')
        except Exception:  # noqa: BLE001 - it may be gone already
            pass
        try:
            self._process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._process.kill()
        shutil.rmtree(self._profile, ignore_errors=True)


class _Connection:
    def __init__(self, url):
        self._socket = websocket.create_connection(url, timeout=60, suppress_origin=True)
        self._next = 0
        self.events = []

    def call(self, method, **params):
        self._next += 1
        self._socket.send(json.dumps({'id': self._next, 'method': method, 'params': params}))
        while True:
            message = json.loads(self._socket.recv())
            if message.get('id') == self._next:
                if 'error' in message:
                    raise RuntimeError(f'{method}: {message["error"]}')
                return message.get('result', {})
            if 'method' in message:
                self.events.append(message)


KEYS = {
    'Enter': (13, 'Enter', '\r'), 'Tab': (9, 'Tab', ''), 'Escape': (27, 'Escape', ''),
    'Space': (32, 'Space', ' '), 'ArrowDown': (40, 'ArrowDown', ''),
    'ArrowUp': (38, 'ArrowUp', ''), 'Backspace': (8, 'Backspace', ''),
}


class Page:
    def __init__(self, connection, width, height, scale, mobile):
        self._connection = connection
        self.call = connection.call
        self.call('Page.enable')
        self.call('Runtime.enable')
        self.call('Log.enable')
        self.call('Emulation.setDeviceMetricsOverride', width=width, height=height,
                  deviceScaleFactor=scale, mobile=mobile)
        if mobile:
            self.call('Emulation.setTouchEmulationEnabled', enabled=True, maxTouchPoints=1)
            self.call('Emulation.setEmitTouchEventsForMouse', enabled=True)
        self.scale = scale

    def open(self, url):
        self.call('Page.navigate', url=url)

    def evaluate(self, expression, wait=False):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True,
                           awaitPromise=wait)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def wait_for(self, expression, timeout=60, what=None):
        """Waits until the expression is true in the page, and gives its value."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                value = self.evaluate(expression)
            except RuntimeError:
                value = None
            if value:
                return value
            if time.monotonic() > deadline:
                raise AssertionError(f'timed out waiting for {what or expression}')
            time.sleep(0.05)

    def messages(self):
        """What the page wrote to its console and the browser reported, so far."""
        self.evaluate('0')  # takes in the events that came since the last call
        texts = []
        for event in self._connection.events:
            if event['method'] == 'Runtime.consoleAPICalled':
                texts.append(' '.join(str(a.get('value', a.get('description', '')))
                                      for a in event['params']['args']))
            elif event['method'] == 'Log.entryAdded':
                texts.append(event['params']['entry']['text'])
            elif event['method'] == 'Runtime.exceptionThrown':
                texts.append(event['params']['exceptionDetails'].get('text', ''))
        return texts

    def click(self, x, y):
        for kind in ('mouseMoved', 'mousePressed', 'mouseReleased'):
            self.call('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left',
                      buttons=0 if kind == 'mouseReleased' else 1, clickCount=1)
        time.sleep(0.05)

    def tap(self, x, y):
        self.call('Input.dispatchTouchEvent', type='touchStart',
                  touchPoints=[{'x': x, 'y': y}])
        self.call('Input.dispatchTouchEvent', type='touchEnd', touchPoints=[])
        time.sleep(0.05)

    def key(self, name, modifiers=0):
        """A key by name ('Enter', 'Tab', ...) or a letter, with modifiers (2 is Ctrl)."""
        if name in KEYS:
            code, key_code, text = KEYS[name]
            key = 'Enter' if name == 'Enter' else (' ' if name == 'Space' else name)
        else:
            code, key_code, text = ord(name.upper()), f'Key{name.upper()}', name
            key = name
        if modifiers:
            text = ''
        self.call('Input.dispatchKeyEvent', type='keyDown', key=key, code=key_code,
                  windowsVirtualKeyCode=code, nativeVirtualKeyCode=code, text=text,
                  unmodifiedText=text, modifiers=modifiers)
        self.call('Input.dispatchKeyEvent', type='keyUp', key=key, code=key_code,
                  windowsVirtualKeyCode=code, nativeVirtualKeyCode=code, modifiers=modifiers)
        time.sleep(0.03)

    def type(self, text):
        for character in text:
            if character.isalpha():
                self.key(character)
            else:
                code = ord(character)
                key_code = {'.': 'Period', '-': 'Minus', ',': 'Comma', ' ': 'Space'}.get(
                    character, f'Digit{character}' if character.isdigit() else '')
                vk = {'.': 190, '-': 189, ',': 188}.get(character, code)
                self.call('Input.dispatchKeyEvent', type='keyDown', key=character,
                          code=key_code, windowsVirtualKeyCode=vk, text=character,
                          unmodifiedText=character)
                self.call('Input.dispatchKeyEvent', type='keyUp', key=character,
                          code=key_code, windowsVirtualKeyCode=vk)
                time.sleep(0.03)

    def screenshot(self, path):
        data = self.call('Page.captureScreenshot', format='png')['data']
        with open(path, 'wb') as out:
            out.write(base64.b64decode(data))
