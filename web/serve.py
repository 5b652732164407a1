#!/usr/bin/env python3
"""Serves the web edition's site folder on 127.0.0.1 until stopped.

Usage: serve.py SITE_DIR [PORT]  (the port also from AXIM_WEB_PORT, else 8000)
"""
import functools
import http.server
import os
import sys


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    # The module and the wasm need their own types for the browser to take
    # them (and to compile the wasm while it streams in).
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".mjs": "text/javascript",
        ".js": "text/javascript",
        ".wasm": "application/wasm",
        ".css": "text/css",
        ".html": "text/html; charset=utf-8",
        ".yaml": "text/yaml; charset=utf-8",
    }


def main():
    if len(sys.argv) < 2 or not os.path.isdir(sys.argv[1]):
        sys.exit("usage: serve.py SITE_DIR [PORT]: SITE_DIR must be the built site folder")
    port_text = sys.argv[2] if len(sys.argv) > 2 else os.environ.get("AXIM_WEB_PORT", "8000")
    if not port_text.isdigit() or not 0 < int(port_text) < 65536:
        sys.exit(f"serve.py: the port must be a number from 1 to 65535, not '{port_text}'")
    handler = functools.partial(SiteHandler, directory=sys.argv[1])
    with http.server.ThreadingHTTPServer(("127.0.0.1", int(port_text)), handler) as server:
        print(f"The simulator is at http://127.0.0.1:{port_text}/ (Ctrl+C stops)", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
