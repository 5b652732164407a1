#!/usr/bin/env python3
"""Serves the web edition's site folder on 127.0.0.1 until stopped.

Usage: serve.py SITE_DIR [PORT]  (the port also from AXIM_WEB_PORT, else 8000)
"""
import functools
import gzip
import http.server
import os
import sys

# What is worth compressing: everything but the pictures.
COMPRESSED = {".html", ".js", ".mjs", ".wasm", ".css", ".yaml", ".json", ".webmanifest"}


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
        ".webmanifest": "application/manifest+json",
    }

    # Site files compressed when the browser takes gzip (the wasm shrinks to
    # about a third), each compressed once per change.
    packed = {}

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        wants = "gzip" in self.headers.get("Accept-Encoding", "")
        if not wants or os.path.splitext(path)[1] not in COMPRESSED or not os.path.isfile(path):
            return super().do_GET()
        stamp = os.stat(path).st_mtime_ns
        kept = self.packed.get(path)
        if kept is None or kept[0] != stamp:
            with open(path, "rb") as source:
                kept = (stamp, gzip.compress(source.read(), 9))
            self.packed[path] = kept
        body = kept[1]
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        self.wfile.write(body)

    def end_headers(self):
        # The service worker is looked for again on every visit.
        if self.path.split("?")[0].endswith("/sw.js"):
            self.send_header("Cache-Control", "no-cache")
        super().end_headers()


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
