#!/usr/bin/env python3
"""Checks the udev rule where `udevadm verify` is missing (Debian 12): every
line parses into udev's KEY[{attr}] OP "value" pairs, each line matches a USB
device of FTDI's vendor id and one of the single-channel chips, and grants
access only through TAG+="uaccess" and the group plugdev (mode 0660, never
world-writable), in a file that sorts before
73-seat-late.rules."""
import os
import re
import shutil
import subprocess
import sys

CHIPS = {"6001", "6010", "6011", "6014", "6015"}
PAIR = re.compile(r'\s*([A-Z_]+)(?:\{([^}]+)\})?\s*(==|!=|\+=|-=|:=|=)\s*"([^"]*)"\s*(,|$)')
MATCH_KEYS = {"SUBSYSTEM", "ENV", "ATTR", "ACTION", "KERNEL"}
ALLOWED_ASSIGNMENTS = {("TAG", "+=", "uaccess"), ("GROUP", "=", "plugdev"), ("MODE", "=", "0660")}


def parse(line):
    pairs, pos = [], 0
    while pos < len(line):
        m = PAIR.match(line, pos)
        if not m:
            raise ValueError(f"cannot parse at column {pos + 1}: {line[pos:]!r}")
        pairs.append(m.groups()[:4])
        pos = m.end()
    return pairs


def check(path):
    errors = []
    name = os.path.basename(path)
    if not name.endswith(".rules") or not name < "73-seat-late.rules":
        errors.append(f"{name} must end in .rules and sort before 73-seat-late.rules")
    chips = set()
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            where = f"line {number}"
            try:
                pairs = parse(line)
            except ValueError as e:
                errors.append(f"{where}: {e}")
                continue
            matches = {(k, a): v for k, a, op, v in pairs if op in ("==", "!=")}
            for key, attr, op, value in pairs:
                if op in ("==", "!=") and key not in MATCH_KEYS:
                    errors.append(f"{where}: unexpected match key {key}")
                if op not in ("==", "!=") and (key, op, value) not in ALLOWED_ASSIGNMENTS:
                    errors.append(f"{where}: only TAG+=\"uaccess\", GROUP=\"plugdev\", MODE=\"0660\" may be assigned, not {key}{op}\"{value}\"")
            if matches.get(("SUBSYSTEM", None)) != "usb":
                errors.append(f'{where}: must match SUBSYSTEM=="usb"')
            if matches.get(("ENV", "DEVTYPE")) != "usb_device":
                errors.append(f'{where}: must match ENV{{DEVTYPE}}=="usb_device"')
            if matches.get(("ATTR", "idVendor")) != "0403":
                errors.append(f'{where}: must match ATTR{{idVendor}}=="0403"')
            product = matches.get(("ATTR", "idProduct"))
            if product not in CHIPS:
                errors.append(f"{where}: idProduct {product!r} is not one of {sorted(CHIPS)}")
            chips.add(product)
            if ("TAG", None, "+=", "uaccess") not in pairs:
                errors.append(f'{where}: no TAG+="uaccess"')
    if chips != CHIPS:
        errors.append(f"chips covered {sorted(c for c in chips if c)}, wanted {sorted(CHIPS)}")
    udevadm = shutil.which("udevadm")
    if udevadm and subprocess.run([udevadm, "verify", "--help"], capture_output=True).returncode == 0:
        result = subprocess.run([udevadm, "verify", path], capture_output=True, text=True)
        if result.returncode != 0:
            errors.append("udevadm verify: " + result.stdout + result.stderr)
    return errors


if __name__ == "__main__":
    problems = check(sys.argv[1])
    for p in problems:
        print(p)
    print("udev rule: " + ("FAILED" if problems else "ok"))
    sys.exit(1 if problems else 0)
