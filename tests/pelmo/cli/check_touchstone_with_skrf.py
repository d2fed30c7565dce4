#!/usr/bin/python3
"""Reads pelmo's Touchstone files with scikit-rf, an independent Touchstone reader.

Usage: check_touchstone_with_skrf.py PELMO_CLI

Exports every capacitor and inductor of the sample library with `pelmo-cli export-all
s2p`, a few capacitors in shunt connection with `pelmo-cli export s2p --mode shunt`,
and loads a fixed sample of 40 files with skrf.Network. Each must have its grid from
the class start to the part's upper frequency with 201 points (402 for 20 GHz parts),
and the S11/S21 magnitudes skrf reads must be the ones printed in the file, to the
file's print precision. A simulator that reads these files reads the same numbers.
"""

import logging
import math
import os
import re
import subprocess
import sys
import tempfile
import warnings

SAMPLE_SIZE = 40
SHUNT_PARTS = 8

RANGE_LINE = re.compile(
    r"^!Freq\. Start=([0-9.]+)\[(kHz|MHz)\] Stop=([0-9.]+)\[GHz\], ([0-9]+)\[Steps\]$")
UNIT = {"kHz": 1e3, "MHz": 1e6}


def run(cli, *arguments):
    result = subprocess.run([cli, *arguments], capture_output=True, text=True, check=False)
    if result.returncode != 0:
        sys.exit(f"pelmo-cli {' '.join(arguments)} failed ({result.returncode}):\n{result.stderr}")
    return result.stdout


def every_nth(items, count):
    """count items spread evenly over the sorted list, always the same ones."""
    items = sorted(items)
    if len(items) <= count:
        return items
    step = len(items) / count
    return [items[int(i * step)] for i in range(count)]


def read_own(path):
    """The range line and the data rows as the file prints them."""
    with open(path, "rb") as handle:
        text = handle.read().decode("ascii")
    lines = text.split("\r\n")
    if lines[-1] != "":
        raise AssertionError(f"{path}: the last line has no CR LF")
    lines = lines[:-1]
    range_match = next((RANGE_LINE.match(line) for line in lines if RANGE_LINE.match(line)), None)
    if range_match is None:
        raise AssertionError(f"{path}: no range line")
    rows = [line.split(" ") for line in lines if not line.startswith(("!", "#"))]
    for row in rows:
        if len(row) != 9:
            raise AssertionError(f"{path}: a data row with {len(row)} items: {row}")
    return range_match, [[float(item) for item in row] for row in rows]


def print_step(value):
    """Half a unit of the last printed digit of a "0.000E+#0" number."""
    if value == 0.0:
        return 0.5e-3
    return 0.5e-3 * 10.0 ** math.floor(math.log10(abs(value)) + 1e-12)


def check(path, skrf):
    failures = []
    range_match, rows = read_own(path)
    start = float(range_match.group(1)) * UNIT[range_match.group(2)]
    stop = float(range_match.group(3)) * 1e9
    steps = int(range_match.group(4))
    if steps not in (201, 402) or (steps == 402) != (abs(stop - 20e9) < 1.0):
        failures.append(f"{steps} steps for a stop of {stop} Hz")

    network = skrf.Network(path)
    frequencies = network.f
    if len(frequencies) != steps or len(rows) != steps:
        failures.append(f"{len(frequencies)} points read, {len(rows)} rows, {steps} announced")
    if frequencies[0] != start:
        failures.append(f"first frequency {frequencies[0]} is not the class start {start}")
    # The stop is printed with seven significant digits; the last row is the part's
    # upper frequency to the hertz.
    if abs(frequencies[-1] - stop) > 1e-6 * stop or frequencies[-1] != rows[-1][0]:
        failures.append(f"last frequency {frequencies[-1]} is not the upper frequency {stop}")
    if any(b <= a for a, b in zip(frequencies, frequencies[1:])):
        failures.append("frequencies do not ascend")

    s_db = network.s_db
    s_deg = network.s_deg
    for i, row in enumerate(rows[: len(frequencies)]):
        read = {
            "S11 dB": (s_db[i, 0, 0], row[1]),
            "S11 deg": (s_deg[i, 0, 0], row[2]),
            "S21 dB": (s_db[i, 1, 0], row[3]),
            "S12 dB": (s_db[i, 0, 1], row[5]),
            "S22 dB": (s_db[i, 1, 1], row[7]),
        }
        for name, (by_skrf, printed) in read.items():
            if abs(by_skrf - printed) > print_step(printed):
                failures.append(f"row {i}: {name} {by_skrf} read, {printed} printed")
        # A single series or shunt element: reciprocal and symmetric.
        if row[3:5] != row[5:7] or row[1:3] != row[7:9]:
            failures.append(f"row {i}: S12/S22 differ from S21/S11")
    return failures


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    logging.disable(logging.WARNING)
    warnings.simplefilter("ignore")
    import skrf  # pylint: disable=import-outside-toplevel

    with tempfile.TemporaryDirectory(prefix="pelmo-skrf-") as folder:
        capacitors = os.path.join(folder, "cap")
        inductors = os.path.join(folder, "ind")
        shunt = os.path.join(folder, "shunt")
        os.mkdir(shunt)
        run(cli, "export-all", "s2p", "--out", capacitors)
        run(cli, "export-all", "s2p", "--kind", "ind", "--out", inductors)
        for part in every_nth(run(cli, "list").split(), SHUNT_PARTS):
            run(cli, "export", "s2p", "--part", part, "--mode", "shunt", "-o", os.path.join(shunt, part + ".s2p"))

        capacitor_files = [os.path.join(capacitors, name) for name in os.listdir(capacitors)]
        inductor_files = [os.path.join(inductors, name) for name in os.listdir(inductors)]
        shunt_files = [os.path.join(shunt, name) for name in os.listdir(shunt)]
        # The 20 GHz parts have twice the points; make sure some are read.
        wide = sorted(path for path in capacitor_files if "402[Steps]" in open(path, encoding="ascii").read())
        if not wide:
            sys.exit("the sample library has no 20 GHz capacitor")
        sample = (every_nth(wide, 2)
                  + every_nth(capacitor_files, SAMPLE_SIZE - 2 - 8 - len(shunt_files))
                  + every_nth(inductor_files, 8)
                  + shunt_files)
        if len(sample) != SAMPLE_SIZE:
            sys.exit(f"sampled {len(sample)} files instead of {SAMPLE_SIZE}")

        failed = 0
        for path in sample:
            failures = check(path, skrf)
            if failures:
                failed += 1
                print(f"{os.path.relpath(path, folder)}:")
                for failure in failures[:10]:
                    print(f"  {failure}")
        print(f"{len(sample) - failed} of {len(sample)} Touchstone files read back by scikit-rf "
              f"{skrf.__version__} as written")
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
