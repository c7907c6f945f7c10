#!/usr/bin/env python3
"""Compares two Debian packages and names what differs, from the outside in:
the members of the .deb (an ar archive), then the entries of its tar members
(mode, owner, time, size), then the bytes of each file that differs, and last
what the differences point to. Exit status 0 when the two are the same byte
for byte, 1 when they differ.
  compare_debs.py <first.deb> <second.deb>
"""
import difflib
import io
import sys
import tarfile
import time

FIELDS = ("mode", "owner", "time", "size")


def ar_members(path):
    """The members of an ar archive: {name: (header fields, bytes)}, in order."""
    data = open(path, "rb").read()
    if not data.startswith(b"!<arch>\n"):
        sys.exit(f"{path}: not an ar archive")
    members, at = {}, 8
    while at + 60 <= len(data):
        header = data[at : at + 60].decode("ascii")
        size = int(header[48:58])
        body = data[at + 60 : at + 60 + size]
        fields = {
            "mode": oct(int(header[40:48], 8))[2:].zfill(4)[-4:],
            "owner": f"{header[28:34].strip()}/{header[34:40].strip()}",
            "time": stamp(int(header[16:28])),
            "size": size,
        }
        members[header[:16].strip().rstrip("/")] = (fields, body)
        at += 60 + size + size % 2
    return members


def tar_entries(body):
    """The entries of a (compressed) tar member: {name: (fields, bytes or None)}."""
    entries = {}
    with tarfile.open(fileobj=io.BytesIO(body), mode="r:*") as archive:
        for entry in archive:
            fields = {
                "mode": oct(entry.mode)[2:].zfill(4),
                "owner": f"{entry.uname or entry.uid}/{entry.gname or entry.gid}",
                "time": stamp(entry.mtime),
                "size": entry.size,
            }
            content = archive.extractfile(entry).read() if entry.isfile() else None
            entries[entry.name] = (fields, content)
    return entries


def stamp(seconds):
    return time.strftime("%Y-%m-%d %H:%M:%S UTC", time.gmtime(seconds))


def compare(where, first, second, causes):
    """Compares two {name: (fields, bytes)} listings, one line for each field
    that differs; returns the names whose bytes differ."""
    if list(first) != list(second):
        print(f"{where}: the entries differ or come in another order:")
        print(f"  first:  {' '.join(first)}")
        print(f"  second: {' '.join(second)}")
        causes.add("order")
    differing, by_field = [], {field: [] for field in FIELDS}
    for name in first:
        if name not in second:
            continue
        (a, body_a), (b, body_b) = first[name], second[name]
        for field in FIELDS:
            if a[field] != b[field]:
                by_field[field].append(f"{name} {a[field]} against {b[field]}")
        if body_a != body_b:
            differing.append(name)
    for field, found in by_field.items():
        if found:
            shown = ", ".join(found[:3]) + (", ..." if len(found) > 3 else "")
            print(f"{where}: {field} differs on {len(found)} of {len(first)}: {shown}")
            causes.add(field)
    return differing


def elf_sections(data):
    """(name, offset, size) of each section of a 64-bit ELF file, or []."""
    if data[:5] != b"\x7fELF\x02":
        return []
    shoff = int.from_bytes(data[0x28:0x30], "little")
    size, count, names = (int.from_bytes(data[i : i + 2], "little") for i in (0x3A, 0x3C, 0x3E))

    def header(i):
        at = shoff + i * size
        return (
            int.from_bytes(data[at : at + 4], "little"),
            int.from_bytes(data[at + 24 : at + 32], "little"),
            int.from_bytes(data[at + 32 : at + 40], "little"),
        )

    table = header(names)[1]
    sections = []
    for i in range(count):
        name, offset, length = header(i)
        end = data.index(b"\0", table + name)
        sections.append((data[table + name : end].decode(), offset, length))
    return sections


def byte_report(where, name, a, b):
    a, b = a or b"", b or b""
    offsets = [i for i in range(min(len(a), len(b))) if a[i] != b[i]]
    lengths = f", and the lengths: {len(a)} against {len(b)}" if len(a) != len(b) else ""
    print(f"{where}: {name}: {len(offsets)} bytes differ{lengths}")
    sections = elf_sections(a)
    if sections:
        counts = {}
        for i in offsets:
            section = next((n for n, at, size in sections if at <= i < at + size), "outside sections")
            counts[section] = counts.get(section, 0) + 1
        print("  in " + ", ".join(f"{section} {count}" for section, count in counts.items()))
    elif b"\0" not in a + b:
        lines = difflib.unified_diff(a.decode().splitlines(), b.decode().splitlines(), lineterm="", n=0)
        for line in list(lines)[2:10]:
            print(f"  {line}")
        return
    for i in offsets[:4]:
        print(f"  offset {i}: {a[i]:#04x} against {b[i]:#04x}")


def main(first_path, second_path):
    if open(first_path, "rb").read() == open(second_path, "rb").read():
        return 0
    causes = set()
    first, second = ar_members(first_path), ar_members(second_path)
    for member in compare(".deb", first, second, causes):
        if ".tar" not in member:
            byte_report(".deb", member, first[member][1], second[member][1])
            causes.add("content")
            continue
        inner_a = tar_entries(first[member][1])
        inner_b = tar_entries(second[member][1])
        files = compare(member, inner_a, inner_b, causes)
        for name in files:
            byte_report(member, name, inner_a[name][1], inner_b[name][1])
            causes.add("content")
        if not files and inner_a == inner_b:
            print(f"{member}: same entries, but the compressed bytes differ")
            causes.add("compression")
    explanations = {
        "time": "times differ: the clock of the build reaches the package "
        "(SOURCE_DATE_EPOCH, from CHANGELOG.md's top entry, is not in effect)",
        "mode": "modes differ: the builder's umask reaches the package "
        "(the folder-mode script of CPack, the install modes or package.sh's umask 022 for CPack is missing)",
        "owner": "owners differ: the building user reaches the package",
        "order": "the order of the entries differs",
        "content": "file contents differ (see the bytes above)",
        "compression": "the compression differs (a gzip header with a time or a name?)",
    }
    print("The packages differ:")
    for cause in sorted(causes & set(explanations)):
        print(f"  - {explanations[cause]}")
    return 1


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
