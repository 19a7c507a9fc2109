#!/usr/bin/env python3
# SPDX-License-Identifier: LicenseRef-Wrenhop
"""Serves a folder, created if missing, on a free port of 127.0.0.1: the tests
lay out their packages and manifests in it. Prints the base URL, then serves
until it is ended.

    depsserver.py FOLDER
"""
import functools
import http.server
import os
import sys


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    handler = functools.partial(QuietHandler, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
