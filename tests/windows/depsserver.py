#!/usr/bin/env python3
# SPDX-License-Identifier: LicenseRef-Wrenhop
"""Serves, on a free port of 127.0.0.1, a folder holding a package (a zip) and
the manifest packageInfo.xml that describes it: where it is, its size and
SHA-1 (from hashlib, not from the code under test) and the files it installs.
Prints the base URL, then serves until it is ended.

    depsserver.py FOLDER
"""
import functools
import hashlib
import http.server
import os
import sys
import zipfile

ENTRIES = {
    "Cartaline.exe": os.urandom(1 << 20),  # stored: keeps the download over 1 MiB
    "data/readme.txt": b"Cartaline\r\n" * 100,
}


def lay_out(folder, host):
    os.makedirs(folder, exist_ok=True)
    package = os.path.join(folder, "update_win.zip")
    with zipfile.ZipFile(package, "w") as archive:
        for name, data in ENTRIES.items():
            method = zipfile.ZIP_DEFLATED if name.endswith(".txt") else zipfile.ZIP_STORED
            archive.writestr(name, data, compress_type=method)
    with open(package, "rb") as f:
        data = f.read()
    files = "".join(
        f"<file><name>{name}</name><package>update_win</package><platform>windows</platform></file>"
        for name in ENTRIES)
    manifest = (
        '<?xml version="1.0" encoding="UTF-8"?>\n<update><packages>'
        "<package><name>update_mac</name><platform>mac</platform><source>/none.zip</source></package>"
        f"<package><name>update_win</name><hash>{hashlib.sha1(data).hexdigest()}</hash><host>{host}</host>"
        f"<source>/update_win.zip</source><platform>windows</platform><size>{len(data)}</size></package>"
        f"</packages><install>{files}</install></update>\n")
    with open(os.path.join(folder, "packageInfo.xml"), "w", encoding="utf-8") as f:
        f.write(manifest)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    handler = functools.partial(QuietHandler, directory=folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        host = f"http://127.0.0.1:{server.server_address[1]}"
        lay_out(folder, host)
        print(host, flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
