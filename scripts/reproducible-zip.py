"""Zips a directory so that the same files give the same bytes: entries in
byte order of their paths below one top directory, each with the time of
SOURCE_DATE_EPOCH (at least 1980, the format's first year), fixed
permissions and deflate at a fixed level.

    reproducible-zip.py DIRECTORY ZIP TOP
"""
import os
import sys
import time
import zipfile

directory, output, top = sys.argv[1:4]
epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
stamp = time.gmtime(epoch)[:6]

paths = []
for parent, _, files in os.walk(directory):
    for name in files:
        paths.append(os.path.relpath(os.path.join(parent, name), directory).replace(os.sep, "/"))

with zipfile.ZipFile(output + ".tmp", "w") as archive:
    for path in sorted(paths, key=lambda p: p.encode()):
        info = zipfile.ZipInfo(f"{top}/{path}", date_time=stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.create_system = 3  # Unix, so that the permissions below are read
        executable = path.endswith((".exe", ".dll"))
        info.external_attr = (0o100755 if executable else 0o100644) << 16
        with open(os.path.join(directory, path), "rb") as source:
            archive.writestr(info, source.read(), compresslevel=9)
os.replace(output + ".tmp", output)
