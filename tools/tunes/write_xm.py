#!/usr/bin/env python3
"""Writes a tune's text score (see score.py) as a FastTracker 2 module (.xm).

    write_xm.py score.txt out.xm [--max-bytes N]

Instruments are waveforms made here: looped single cycles for tones, short baked drums.
Every channel slides its volume to nothing across the last row, so that the end of the tune
meets its start (or silence) without a click.
"""

import argparse
import math
import random
import struct
import sys

from score import KEY_OFF, ScoreError, parse_score

C4_RATE = 8363          # playback rate of an unshifted sample at the tracker's C-4
DRUM_NOTE = 60          # drums sound at their own rate when played at C-5
XM_KEY_OFF = 97
VOLUME_SLIDE = 0x0A


# --- Waveforms -------------------------------------------------------------------------------

def tone_cycle(wave, length):
    """One cycle of a tone as floats in -1..1."""
    shapes = {
        "sine": lambda p: math.sin(2 * math.pi * p),
        "square": lambda p: 0.6 if p < 0.5 else -0.6,
        "pulse": lambda p: 0.6 if p < 0.25 else -0.6,
        "saw": lambda p: 0.8 * (1 - 2 * p),
        "triangle": lambda p: 4 * p - 1 if p < 0.5 else 3 - 4 * p,
        # a soft organ: fundamental with a little octave and twelfth
        "organ": lambda p: 0.6 * math.sin(2 * math.pi * p) + 0.25 * math.sin(4 * math.pi * p)
        + 0.15 * math.sin(6 * math.pi * p),
    }
    if wave not in shapes:
        raise ScoreError(f"unknown wave '{wave}'")
    return [shapes[wave]((i + 0.5) / length) for i in range(length)]


def drum_sound(wave, rate):
    """A drum hit as floats in -1..1, baked with its own decay; noise is seeded per drum."""
    noise = random.Random(wave)
    if wave == "kick":
        frames = int(0.14 * rate)
        phase, out = 0.0, []
        for i in range(frames):
            t = i / rate
            phase += 2 * math.pi * (45 + 110 * math.exp(-t * 30)) / rate
            out.append(math.sin(phase) * math.exp(-t * 18))
        return out
    if wave == "snare":
        frames = int(0.12 * rate)
        return [(0.75 * noise.uniform(-1, 1) + 0.35 * math.sin(2 * math.pi * 190 * i / rate))
                * math.exp(-i / rate * 26) for i in range(frames)]
    if wave == "hat":
        frames = int(0.04 * rate)
        out, previous = [], 0.0
        for i in range(frames):
            white = noise.uniform(-1, 1)
            out.append((white - previous) * 0.6 * math.exp(-i / rate * 70))   # thin, bright
            previous = white
        return out
    raise ScoreError(f"unknown wave '{wave}'")


DRUM_RATES = {"kick": 7000, "snare": 11025, "hat": 22050}


def semitone_shift(ratio):
    """Relative note and finetune (1/128 semitone) that multiply a playback rate by `ratio`."""
    semitones = 12 * math.log2(ratio)
    relative = round(semitones)
    finetune = max(-128, min(127, round((semitones - relative) * 128)))
    return relative, finetune


def make_sample(instrument):
    """Sample data and its header fields for one instrument."""
    options = instrument.options
    wave = instrument.wave
    if wave in DRUM_RATES:
        rate = DRUM_RATES[wave]
        data = drum_sound(wave, rate)
        relative, finetune = semitone_shift(rate / (C4_RATE * 2 ** ((DRUM_NOTE - 48) / 12)))
        return dict(data=data, bits=8, loop=False, relative=relative, finetune=finetune)
    length = int(options.get("length", 32))
    if not 16 <= length <= 256:
        raise ScoreError(f"instrument {instrument.name}: length {length} outside 16..256")
    # C4 in the score must sound middle C: the cycle plays C4_RATE / length Hz at the tracker's C-4
    relative, finetune = semitone_shift(261.6256 * length / C4_RATE)
    return dict(data=tone_cycle(wave, length), bits=16, loop=True,
                relative=relative, finetune=finetune)


# --- Module layout ---------------------------------------------------------------------------

def fixed_text(text, size):
    return text.encode("ascii", "replace")[:size].ljust(size, b"\0")


def delta_encode(values, bits):
    fmt, top = ("<h", 32767) if bits == 16 else ("<b", 127)
    mask = 0xFFFF if bits == 16 else 0xFF
    out, previous = bytearray(), 0
    for value in values:
        level = max(-top, min(top, round(value * top)))
        delta = (level - previous) & mask
        if delta > mask // 2:
            delta -= mask + 1
        out += struct.pack(fmt, delta)
        previous = level
    return bytes(out)


def envelope_block(points):
    block = b"".join(struct.pack("<HH", x, y) for x, y in points)
    return block.ljust(48, b"\0")


def parse_envelope(text, name):
    points = []
    for pair in text.split(","):
        x, _, y = pair.partition(":")
        points.append((int(x), int(y)))
    if not 2 <= len(points) <= 12 or any(b[0] <= a[0] for a, b in zip(points, points[1:])):
        raise ScoreError(f"instrument {name}: envelope needs 2 to 12 points in rising time")
    if any(not 0 <= y <= 64 for _, y in points):
        raise ScoreError(f"instrument {name}: envelope levels are 0..64")
    return points


def instrument_bytes(instrument):
    options = instrument.options
    sample = make_sample(instrument)
    data = delta_encode(sample["data"], sample["bits"])
    width = sample["bits"] // 8

    envelope = parse_envelope(options["envelope"], instrument.name) if "envelope" in options else []
    sustain = int(options.get("sustain", len(envelope) - 1 if envelope else 0))
    envelope_flags = (1 | 2) if envelope else 0          # on, with a sustain point
    header = struct.pack("<I22sBH", 263, fixed_text(instrument.name, 22), 0, 1)
    header += struct.pack("<I", 40) + bytes(96)
    header += envelope_block(envelope) + envelope_block([])
    header += struct.pack("<BBBBBBBBBB", len(envelope), 0, sustain, 0, 0, 0, 0, 0,
                          envelope_flags, 0)
    header += struct.pack("<BBBBH", 0, 0, 0, 0, int(options.get("fadeout", 1024)))
    header += bytes(22)

    frames = len(data)
    loop_type = 1 if sample["loop"] else 0
    sample_header = struct.pack(
        "<IIIBbBBbB22s", frames, 0, frames if sample["loop"] else 0,
        int(options.get("volume", 48)), sample["finetune"],
        loop_type | (0x10 if width == 2 else 0), int(options.get("pan", 128)),
        sample["relative"], 0, fixed_text(instrument.name, 22))
    return header + sample_header + data


def xm_cell(cell, instrument_numbers):
    """The five fields of one cell: note, instrument, volume column, effect, parameter."""
    if cell.note == KEY_OFF:
        return [XM_KEY_OFF, 0, 0, 0, 0]
    if cell.instrument is None:
        return [0, 0, 0, 0, 0]
    note = cell.note if cell.note is not None else DRUM_NOTE
    if not 0 <= note < 96:
        raise ScoreError(f"note {note} outside C0..B7")
    volume = 0x10 + cell.volume if cell.volume is not None else 0
    return [note + 1, instrument_numbers[cell.instrument], volume, 0, 0]


def pack_row(fields_per_channel):
    """FastTracker 2 packing: a flag byte names which fields follow; empty fields cost nothing."""
    out = bytearray()
    for fields in fields_per_channel:
        present = [i for i, value in enumerate(fields) if value]
        if len(present) == 5:
            out += bytes(fields)
            continue
        out.append(0x80 | sum(1 << i for i in present))
        out += bytes(fields[i] for i in present)
    return bytes(out)


def pattern_bytes(rows, instrument_numbers, channel_count, fade_last_row):
    packed = bytearray()
    for index, row in enumerate(rows):
        fields = [xm_cell(cell, instrument_numbers) for cell in row]
        fields += [[0] * 5 for _ in range(channel_count - len(fields))]
        if fade_last_row and index == len(rows) - 1:
            for cell in fields:
                cell[3], cell[4] = VOLUME_SLIDE, 0x0F
        packed += pack_row(fields)
    return struct.pack("<IBHH", 9, 0, len(rows), len(packed)) + packed


def module_bytes(score):
    names = list(dict.fromkeys(score.order))
    last = score.order[-1]
    # the last pattern gets a faded copy, so it plays unfaded where it appears earlier
    pattern_list = [score.patterns[name] for name in names] + [score.patterns[last]]
    order = [names.index(name) for name in score.order[:-1]] + [len(names)]
    if len(order) > 256:
        raise ScoreError("more than 256 entries in the order")
    instrument_numbers = {inst.name: i + 1 for i, inst in enumerate(score.instruments)}
    channel_count = len(score.channels) + len(score.channels) % 2

    header = b"Extended Module: " + fixed_text(score.title, 20) + b"\x1a"
    header += fixed_text("quindle write_xm", 20) + struct.pack("<H", 0x0104)
    header += struct.pack("<IHHHHHHHH", 276, len(order), 0, channel_count, len(pattern_list),
                          len(score.instruments), 1, score.speed, score.tempo)
    header += bytes(order).ljust(256, b"\0")
    patterns = b"".join(
        pattern_bytes(rows, instrument_numbers, channel_count, index == len(pattern_list) - 1)
        for index, rows in enumerate(pattern_list))
    instruments = b"".join(instrument_bytes(inst) for inst in score.instruments)
    return header + patterns + instruments


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("score")
    parser.add_argument("output")
    parser.add_argument("--max-bytes", type=int, help="fail if the module comes out larger")
    args = parser.parse_args(argv)
    try:
        with open(args.score, encoding="utf-8") as source:
            module = module_bytes(parse_score(source.read(), args.score))
    except ScoreError as error:
        print(f"write_xm: {error}", file=sys.stderr)
        return 1
    if args.max_bytes is not None and len(module) > args.max_bytes:
        print(f"write_xm: {args.score} makes {len(module)} bytes, more than {args.max_bytes}",
              file=sys.stderr)
        return 1
    with open(args.output, "wb") as out:
        out.write(module)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
