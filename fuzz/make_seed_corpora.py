#!/usr/bin/env python3
"""Writes the seed corpora of fuzz/corpus/ from the worked examples of the
number texts and the command. Run it again after changing the examples; the
fuzz runs only read these files.

    number_from_text/  mark byte + text            (",12,5")
    text_round_trip/   8 bytes of a double + a mark byte (odd: ",")
    number_to_text/    10 bytes of an 80-bit value + a mark byte
    calculation/       D\\ W\\ f + mark byte       ("1000\\ 2000\\ 1296,")
"""
import hashlib
import math
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent

TEXTS = [
    "12,5", " 12,5 ", "12.5", "1e3", "1E+03", "1e-3", ",5", "5,", ",", "-0", "-,", "+5",
    "+", "-", "   ", "", "1,2,3", "12 5", "1 000", "- 5", "--5", "E5", "1e 5", "0x10",
    "1e", "1e+", "1e-", ",e5", "1e500", "1e0500", "1e4932", "1e4933", "1e4990",
    "1e5000", "1e-5000", "1e-4999", "0,000000000000000000001", "\t12", "1\u0435" "5",
    "12\u00a05", "3,14159265358979323846", "7,497875084924015", "1234567890123456789",
    "12,50", "012", "0,00001", "1000", "-1296", "1e-400", "1e309", "1e-00004999",
    "123456789012345678901234567890", "12\x005",
    # The edge of the mantissa: 4932 significant digits fit, 4933 may not,
    # 4934 never do; leading zeros do not count.
    "," + "9" * 4932, "," + "9" * 4933, "1" * 4934, "0" * 5000 + "1296",
    "0," + "0" * 300 + "1" * 4850,
]

DOUBLES = [
    0.0, -0.0, 12.5, -12.5, 100.0, 1e14, 999999999999999.0, 1e15, 999999999999999.9,
    1234567890123456.0, 123456789012345678.0, 0.0001, -0.0001, 0.000123, 0.00001,
    0.000099999, 1 / 3, 2 / 3, 0.1, 0.3, 1.5e300, -1e20, 1.7976931348623157e308,
    5e-324, 7.497875084924015, 4545.45, 2.9999999, -0.5, 1000.5, 363.6363636363636,
]

# 80-bit patterns as (significand, sign and exponent).
EXTENDED = [
    (0x8000000000000000, 0x3FFF),  # 1
    (0xC800000000000000, 0x4005),  # 100
    (0xFFFFFFFFFFFFFFFF, 0x7FFE),  # the largest extended value
    (0x8000000000000000, 0x0001),  # the smallest normal
    (0x0000000000000001, 0x0000),  # the smallest denormal
    (0x8000000000000000, 0x0000),  # a pseudo-denormal
    (0x4000000000000000, 0x3FFF),  # an unnormal
    (0x8000000000000000, 0x7FFF),  # +inf
    (0x8000000000000000, 0xFFFF),  # -inf
    (0xC000000000000000, 0x7FFF),  # a quiet NaN
    (0x0000000000000000, 0x7FFF),  # a pseudo-infinity
    (0x4000000000000000, 0x7FFF),  # a pseudo-NaN
    (0x0000000000000000, 0x8000),  # -0
    (0xDE0B6B3A76400000, 0x403A),  # 10^18
    (0x8AC7230489E80000, 0x403F),  # 10^19
]

COMMANDS = [
    ("1000", "2000", "1296"), ("600", "1000", "2400"), ("1200", "1500", "435"),
    ("100", "100", "10000"), ("1500", "3000", "145"), ("1000,5", "2000", "1296"),
    ("", "2000", "1296"), ("1000", "", "1296"), ("1000", "2000", ""), ("   ", "2000", "1296"),
    ("0", "2000", "1296"), ("-0", "2000", "1296"), ("1e-400", "2000", "1296"),
    ("0", "abc", "1296"), ("1000", "2000", "0"), ("1000", "0", "1296"),
    ("1000", "-2000", "1296"), ("-1000", "2000", "1296"), ("-1000", "-2000", "1296"),
    ("1000", "2000", "-1296"), ("1000", "2000", "1"), ("1e200", "2000", "1296"),
    ("1e306", "2000", "1296"), ("1e309", "2000", "1296"), ("1000", "1e308", "1296"),
    ("1e307", "2000", "1296"), ("1000", "2000", "1e-300"), ("1000", "2000", "1e157"),
    ("1000", "2000", "1e300"), ("1000", "2000", "1e400"), ("1000", "0", "1e400"),
    ("1e-200", "2000", "1296"), ("5696", "2000", "1296"), ("53,9", "2000", "1296"),
    ("1057,1", "2000", "1296"), ("4,1", "5000", "1296"), ("0,7", "1000", "1296"),
    ("10000", "1000", "4500"), ("1000", "2000", "12.5"),
    ("0" * 5000 + "1000", "2000", "1296,"  + "0" * 4000), ("1000", "9" * 4934, "1296"),
]


def escape_field(text: bytes) -> bytes:
    return text.replace(b"\\", b"\\\\")


def write(target: str, payloads: list[bytes]) -> None:
    folder = HERE / "corpus" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for payload in payloads:
        (folder / hashlib.sha1(payload).hexdigest()).write_bytes(payload)


def main() -> None:
    from_text = []
    for text in TEXTS:
        for mark in ",.":
            from_text.append(mark.encode() + text.encode())
    write("number_from_text", from_text)

    round_trip = []
    for x in DOUBLES:
        for mark in (1, 0):
            round_trip.append(struct.pack("<d", x) + bytes([mark]))
    write("text_round_trip", round_trip)

    to_text = []
    for significand, sign_exponent in EXTENDED:
        for mark in (1, 0):
            to_text.append(struct.pack("<QH", significand, sign_exponent) + bytes([mark]))
    for x in DOUBLES[:8]:  # doubles as extended values: the x87 widening is exact
        m, e = math.frexp(abs(x))
        if m == 0:
            continue
        significand = int(m * 2**64)
        sign_exponent = (e - 1 + 16383) | (0x8000 if x < 0 else 0)
        to_text.append(struct.pack("<QH", significand, sign_exponent) + b"\x01")
    write("number_to_text", to_text)

    calculation = []
    for d, w, f in COMMANDS:
        for mark in ",.":
            fields = [escape_field(t.encode()) for t in (d, w, f)]
            if mark == ".":
                fields = [t.replace(b",", b".") for t in fields]
            calculation.append(b"\\ ".join(fields) + mark.encode())
    write("calculation", calculation)


if __name__ == "__main__":
    main()
