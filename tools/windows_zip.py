#!/usr/bin/python3
"""Packs the Windows release archive: the files in the order given, each with
a fixed time and mode, so that two builds of one commit give the same bytes.

    windows_zip.py <archive> <date YYYY-MM-DD> <name=path>...
"""
import sys
import zipfile


def main():
    archive, date = sys.argv[1], sys.argv[2]
    year, month, day = (int(part) for part in date.split("-"))
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as packed:
        for entry in sys.argv[3:]:
            name, path = entry.split("=", 1)
            info = zipfile.ZipInfo(name, date_time=(year, month, day, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            info.create_system = 0  # MS-DOS, as Windows' own archives say
            with open(path, "rb") as source:
                packed.writestr(info, source.read(), compresslevel=9)


if __name__ == "__main__":
    main()
