#!/usr/bin/env python3
"""Serves the assembled page from a folder on 127.0.0.1 as any host of the page should (README,
"In the browser"): no framing by another site, no guessing of file types, and text and
WebAssembly sent gzip-compressed to a browser that accepts it, as static hosts do.

    serve_web.py FOLDER PORT    (port 0: one the system picks, named in the first line printed)
"""

import email.utils
import functools
import gzip
import http.server
import io
import os
import sys

PAGE_HEADERS = {
    "Content-Security-Policy": "frame-ancestors 'none'",
    "X-Content-Type-Options": "nosniff",
}
# The page's fonts and PNG icons are compressed already.
COMPRESSED_SUFFIXES = (".html", ".js", ".css", ".wasm", ".svg", ".webmanifest", ".json")


class PageHandler(http.server.SimpleHTTPRequestHandler):
    # A file's compressed bytes by its path and modification time, made once.
    compressed = {}

    def end_headers(self):
        for name, value in PAGE_HEADERS.items():
            self.send_header(name, value)
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            if not self.path.split("?", 1)[0].split("#", 1)[0].endswith("/"):
                return super().send_head()  # its redirect to the folder's address
            path = os.path.join(path, "index.html")
        accepts_gzip = "gzip" in self.headers.get("Accept-Encoding", "")
        if not (accepts_gzip and path.endswith(COMPRESSED_SUFFIXES) and os.path.isfile(path)):
            return super().send_head()
        modified = os.stat(path).st_mtime
        since = self.headers.get("If-Modified-Since")
        if since:
            try:
                if email.utils.parsedate_to_datetime(since).timestamp() >= int(modified):
                    self.send_response(http.HTTPStatus.NOT_MODIFIED)
                    self.send_header("Vary", "Accept-Encoding")
                    self.end_headers()
                    return None
            except (TypeError, ValueError, IndexError, OverflowError):
                pass
        key = (path, modified)
        body = PageHandler.compressed.get(key)
        if body is None:
            with open(path, "rb") as file:
                body = gzip.compress(file.read(), compresslevel=9, mtime=0)
            PageHandler.compressed[key] = body
        self.send_response(http.HTTPStatus.OK)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(int(modified)))
        self.end_headers()
        return io.BytesIO(body)


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(PageHandler, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Serving HTTP on 127.0.0.1 port {server.server_address[1]}", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
