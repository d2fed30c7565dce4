#!/usr/bin/env python3
"""Runs pelmo-cli and darvo-cli on the recorded requests and compares what they give
(exit status, standard output, standard error and every file they write) byte for byte
with the records in tests/fixtures/cli_outputs.

    compare_cli_outputs.py PROGRAM_FOLDER FIXTURE_FOLDER VERSION [--refresh]

Each request runs in an empty folder of its own, so a file it writes is named as the
command line names it and the confirmation texts do not depend on where the test runs.
Two things change from run to run without being a change of behaviour and are replaced
before comparing: the program version, and the date line at the top of a ".dvx" file.

An output of more than CUT_ABOVE lines is recorded as its first and last lines with its
line count and SHA-256, so the records stay readable while every byte still counts. A
request marked "whole" keeps each written file complete beside the record.
"""

import hashlib
import os
import re
import shlex
import subprocess
import sys
import tempfile

CUT_ABOVE = 24
HEAD_LINES = 12
TAIL_LINES = 4
DVX_DATE = re.compile(rb"\A(![^\r\n]*?)\d{1,2}/\d{1,2}/\d{2,4} \d{1,2}:\d{2}:\d{2}")


def read_requests(fixtures):
    requests = []
    with open(os.path.join(fixtures, "requests.txt"), encoding="utf-8") as listing:
        for number, line in enumerate(listing, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            words = shlex.split(line)
            if len(words) < 3 or words[1] not in ("cut", "whole"):
                sys.exit(f"requests.txt:{number}: expected NAME cut|whole TOOL ARGUMENTS...")
            requests.append((words[0], words[1] == "whole", words[2:]))
    return requests


def normalised(data, version, file_name=""):
    data = data.replace(version.encode(), b"{version}")
    if file_name.endswith(".dvx"):
        data = DVX_DATE.sub(rb"\1{date}", data, count=1)
    return data


def section(title, data, keep_whole):
    lines = data.splitlines(keepends=True)
    digest = hashlib.sha256(data).hexdigest()
    header = f"--- {title}: {len(lines)} lines, {len(data)} bytes, sha256 {digest}\n".encode()
    if keep_whole or len(lines) <= CUT_ABOVE:
        body = data if data.endswith(b"\n") or not data else data + b"\n{no line end}\n"
        return header + body
    cut = b"".join(lines[:HEAD_LINES]) + b"{...}\n" + b"".join(lines[-TAIL_LINES:])
    return header + cut


def run_request(programs, version, whole, arguments):
    """The record of one request and the written files kept whole."""
    tool = os.path.join(os.path.abspath(programs), arguments[0])
    with tempfile.TemporaryDirectory() as folder:
        done = subprocess.run([tool] + arguments[1:], cwd=folder, capture_output=True, timeout=300)
        record = f"exit {done.returncode}\n".encode()
        record += section("stdout", normalised(done.stdout, version), False)
        record += section("stderr", normalised(done.stderr, version), False)
        kept = {}
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), "rb") as written:
                data = normalised(written.read(), version, name)
            record += section("file " + name, data, False)
            if whole:
                kept[name] = data
    return record, kept


def main():
    if len(sys.argv) not in (4, 5) or (len(sys.argv) == 5 and sys.argv[4] != "--refresh"):
        sys.exit(__doc__)
    programs, fixtures, version = sys.argv[1:4]
    refresh = len(sys.argv) == 5
    differing = []
    for name, whole, arguments in read_requests(fixtures):
        record, kept = run_request(programs, version, whole, arguments)
        expected = {name + ".record": record}
        expected.update({f"{name}.{file}": data for file, data in kept.items()})
        for file, data in expected.items():
            path = os.path.join(fixtures, file)
            if refresh:
                with open(path, "wb") as golden:
                    golden.write(data)
                continue
            try:
                with open(path, "rb") as golden:
                    recorded = golden.read()
            except FileNotFoundError:
                recorded = None
            if recorded != data:
                differing.append(file)
                sys.stdout.write(f"{file} differs from the recording; this run gives:\n")
                sys.stdout.buffer.write(data[:4000])
                sys.stdout.write("\n")
    if differing:
        sys.exit(f"{len(differing)} recorded outputs differ: {', '.join(differing)}")
    print("every recorded output is unchanged" if not refresh else "records written")


if __name__ == "__main__":
    main()
