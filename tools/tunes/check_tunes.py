#!/usr/bin/env python3
"""Checks built tunes the way the game's player uses them, through libopenmpt.

    check_tunes.py NAME.xm:LIMIT [...] [--wav-dir DIR]

For each module: no larger than LIMIT bytes, loads, lasts under 180 s, never clips, has no long
silence, and its last frame meets its first without a jump (level tunes loop one rendered pass).
Prints one line per tune; exits non-zero if any check fails. --wav-dir also saves the renders.
"""

import argparse
import array
import ctypes
import math
import os
import struct
import sys
import wave

RATE = 44100
LONGEST_TUNE_SECONDS = 180
LONGEST_SILENCE_SECONDS = 2.0
SILENCE_LEVEL = 10 ** (-60 / 20)
LARGEST_JOIN_STEP = 0.05          # sample step where the end meets the start, full scale = 1


def load_library():
    lib = ctypes.CDLL("libopenmpt.so.0")
    lib.openmpt_module_create_from_memory2.restype = ctypes.c_void_p
    lib.openmpt_module_create_from_memory2.argtypes = [
        ctypes.c_void_p, ctypes.c_size_t] + [ctypes.c_void_p] * 7 + [ctypes.c_void_p]
    lib.openmpt_module_get_duration_seconds.restype = ctypes.c_double
    lib.openmpt_module_get_duration_seconds.argtypes = [ctypes.c_void_p]
    lib.openmpt_module_ctl_set_text.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_char_p]
    lib.openmpt_module_read_interleaved_float_stereo.restype = ctypes.c_size_t
    lib.openmpt_module_read_interleaved_float_stereo.argtypes = [
        ctypes.c_void_p, ctypes.c_int32, ctypes.c_size_t, ctypes.POINTER(ctypes.c_float)]
    lib.openmpt_module_destroy.argtypes = [ctypes.c_void_p]
    return lib


def render(lib, data):
    """The whole module as interleaved stereo floats, as the game's player renders it."""
    buffer = ctypes.create_string_buffer(data, len(data))
    module = lib.openmpt_module_create_from_memory2(buffer, len(data), *([None] * 8))
    if not module:
        return None, 0.0
    try:
        lib.openmpt_module_ctl_set_text(module, b"play.at_end", b"stop")
        duration = lib.openmpt_module_get_duration_seconds(module)
        chunk = 4096
        block = (ctypes.c_float * (2 * chunk))()
        samples = array.array("f")
        while True:
            count = lib.openmpt_module_read_interleaved_float_stereo(module, RATE, chunk, block)
            if count == 0:
                break
            samples.frombytes(bytes(block)[:8 * count])
        return samples, duration
    finally:
        lib.openmpt_module_destroy(module)


def peak_of(samples):
    return max(max(samples), -min(samples))


def longest_silence(samples):
    """Longest stretch of near-silence, measured in 10 ms blocks."""
    block = 2 * RATE // 100
    longest = run = 0
    for start in range(0, len(samples), block):
        quiet = peak_of(samples[start:start + block]) < SILENCE_LEVEL
        run = run + 1 if quiet else 0
        longest = max(longest, run)
    return longest / 100


def join_step(samples):
    return max(abs(samples[-2] - samples[0]), abs(samples[-1] - samples[1]))


def save_wav(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        levels = (max(-32767, min(32767, round(s * 32767))) for s in samples)
        out.writeframes(struct.pack(f"<{len(samples)}h", *levels))


def check(lib, path, limit, wav_dir):
    """The problems found with one module, and a summary line."""
    try:
        with open(path, "rb") as source:
            data = source.read()
    except OSError as error:
        return [str(error)], f"{path}: cannot be read"
    problems = []
    if len(data) > limit:
        problems.append(f"{len(data)} bytes, over {limit}")
    samples, duration = render(lib, data)
    if not samples:
        return ["libopenmpt cannot load it"], f"{path}: does not load"
    peak = peak_of(samples)
    silence = longest_silence(samples)
    step = join_step(samples)
    if duration >= LONGEST_TUNE_SECONDS:
        problems.append(f"lasts {duration:.1f} s")
    if peak >= 1.0:
        problems.append(f"clips (peak {peak:.3f})")
    if silence > LONGEST_SILENCE_SECONDS:
        problems.append(f"{silence:.1f} s of silence")
    if step > LARGEST_JOIN_STEP:
        problems.append(f"end jumps {step:.3f} to the start")
    if wav_dir:
        save_wav(os.path.join(wav_dir, os.path.basename(path) + ".wav"), samples)
    peak_db = 20 * math.log10(peak) if peak > 0 else -math.inf
    summary = (f"{os.path.basename(path)}: {len(data)}/{limit} bytes, {duration:.2f} s, "
               f"peak {peak_db:.1f} dBFS, longest silence {silence:.2f} s, join step {step:.4f}")
    return problems, summary


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tunes", nargs="+", help="module path and byte limit, as path:limit")
    parser.add_argument("--wav-dir")
    args = parser.parse_args(argv)
    lib = load_library()
    failed = False
    for entry in args.tunes:
        path, _, limit = entry.rpartition(":")
        problems, summary = check(lib, path, int(limit), args.wav_dir)
        print(summary)
        for problem in problems:
            print(f"  FAIL: {problem}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
