#!/usr/bin/env python3
"""Parses settings files with Python's configparser and nothing more: the yardstick that
bench/cli_bench.sh holds `tavmir -v` against. Files in the SET form are skipped (configparser
reads only the sectioned CFG form)."""
import configparser
import sys

count = 0
for name in sys.argv[1:]:
    parser = configparser.ConfigParser(strict=False, interpolation=None)
    with open(name, encoding="latin-1") as f:
        parser.read_file(f)
    count += sum(len(parser[s]) for s in parser.sections())
print(f"{len(sys.argv) - 1} files, {count} settings parsed")
