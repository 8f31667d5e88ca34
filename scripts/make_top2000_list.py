#!/usr/bin/env python3
"""Builds tests/database/data/top2000.txt from the shared top-2000 playlist.

The list is what a user would bring to the program: a chart ranked by
popularity (the popularity doubles as the vote count), the playlist's order
standing in for last year's places, durations written h:mm:ss, texts as
published (not padded), Windows-1252 bytes and CR LF line ends, closed by an
empty line.

usage: make_top2000_list.py [playlist.tsv] [output]
"""
import csv
import sys

source = sys.argv[1] if len(sys.argv) > 1 else "/work/shared/data/top2000-playlist.tsv"
target = sys.argv[2] if len(sys.argv) > 2 else "tests/database/data/top2000.txt"

with open(source, encoding="utf-8", newline="") as f:
    rows = list(csv.DictReader(f, delimiter="\t"))

for previous, row in enumerate(rows, start=1):
    row["previous"] = previous
ranked = sorted(rows, key=lambda r: -int(r["popularity"] or 0))  # stable: ties keep file order


def duration(seconds):
    if not seconds:
        return ""
    s = int(seconds)
    return "%d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)


lines = ["2026  Artist                        Song                          Year 2025 Duration Votes"]
for place, row in enumerate(ranked, start=1):
    lines.append("%d\t%s\t%s\t%s\t%4d\t%s\t%s" % (
        place, row["artist"], row["title"], row["year"], row["previous"],
        duration(row["length_seconds"]), row["popularity"] or "0"))
lines.append("")

with open(target, "wb") as out:
    out.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
