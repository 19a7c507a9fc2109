#!/usr/bin/env python3
# SPDX-License-Identifier: LicenseRef-Wrenhop
"""Writes the benchmark packages once into a folder; existing ones are kept.

  makedata.py FOLDER CARTALINE_EXE

mixed.zip  about 256 MiB: random files and text files, deflated
big.zip    1 GiB of random files, stored
small.zip  1 MiB of random data, stored
many.zip   4,000 text files of 1 to 8 KiB in 40 folders, deflated
Each holds package/Cartaline.exe, so that it installs as a release.
"""
import os
import random
import sys
import zipfile

MIB = 1024 * 1024
WORDS = ("route map update region tile road junction lane speed limit camera "
         "address street city north south east west version layer index").split()


def text_block(rng, size):
    lines = []
    length = 0
    while length < size:
        line = "%08d %s\n" % (rng.randrange(10**8), " ".join(rng.choice(WORDS) for _ in range(rng.randrange(4, 14))))
        lines.append(line)
        length += len(line)
    return "".join(lines).encode()[:size]


def write(path, standin, entries, compression):
    if os.path.exists(path):
        return
    partial = path + ".partial"
    with zipfile.ZipFile(partial, "w", compression, allowZip64=True) as archive:
        archive.write(standin, "package/Cartaline.exe")
        for name, produce in entries:
            archive.writestr(name, produce())
    os.replace(partial, path)
    print("wrote %s (%d bytes)" % (path, os.path.getsize(path)))


def main():
    folder, standin = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(1)
    mixed = [("package/random/r%02d.bin" % i, lambda: os.urandom(8 * MIB)) for i in range(28)]
    mixed += [("package/text/t%02d.txt" % i, lambda: text_block(rng, 4 * MIB)) for i in range(32)]
    write(os.path.join(folder, "mixed.zip"), standin, mixed, zipfile.ZIP_DEFLATED)
    big = [("package/random/r%02d.bin" % i, lambda: os.urandom(16 * MIB)) for i in range(64)]
    write(os.path.join(folder, "big.zip"), standin, big, zipfile.ZIP_STORED)
    write(os.path.join(folder, "small.zip"), standin, [("package/random/r00.bin", lambda: os.urandom(MIB))],
          zipfile.ZIP_STORED)
    many = [("package/many/%02d/f%04d.txt" % (i % 40, i), lambda: text_block(rng, rng.randrange(1024, 8192)))
            for i in range(4000)]
    write(os.path.join(folder, "many.zip"), standin, many, zipfile.ZIP_DEFLATED)


if __name__ == "__main__":
    main()
