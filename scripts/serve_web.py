#!/usr/bin/env python3
"""Serves the assembled page from a folder on 127.0.0.1, with the headers any host of the page
should send (README, "In the browser"): no framing by another site, no guessing of file types.

    serve_web.py FOLDER PORT    (port 0: one the system picks, named in the first line printed)
"""

import functools
import http.server
import sys

PAGE_HEADERS = {
    "Content-Security-Policy": "frame-ancestors 'none'",
    "X-Content-Type-Options": "nosniff",
}


class PageHandler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        for name, value in PAGE_HEADERS.items():
            self.send_header(name, value)
        super().end_headers()


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
