"""Reads a tune's text score into plain data for the module writer.

A score is a line-oriented text file ("#" at a line's start or after a space starts a comment):

    title   Stage One
    speed   6            ticks per row
    tempo   150          beats per minute, as trackers count them (a row lasts 2.5 * speed / tempo s)

    instrument lead  square   length=32 volume=40 envelope=0:64,3:50,30:40 sustain=2 fadeout=600 pan=112
    instrument kick  kick     volume=64

    channel melody lead       a channel and the instrument its notes use unless a note names another
    channel beat   kick

    pattern verse
    melody: E5 . G5 . C6:4 | D6 . ^ .
    beat:   [ kick . hat . snare . hat . ]2

    order verse verse

One token is one row: a note (C4 is middle C; C#4 or Db4 for the black keys), "." or "-" for an
empty row, "^" to release the note, or an instrument's name to play it at its own note (drums).
A note or name may add "@instrument" and "v<0-64>" for its volume; any token may add ":<rows>"
for the rows it spans (C5:4 is C5 and three empty rows, .:8 is eight empty rows). "[ ... ]N" repeats the tokens inside N times and "|" is
only a bar line for the reader. A channel may take several lines in one pattern; they join up.
Every channel named in a pattern must fill the same number of rows; unnamed channels stay silent.
"""

import re
from dataclasses import dataclass, field

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
KEY_OFF = "off"
COMMENT = re.compile(r"(^|\s)#.*")      # "#" after a space, so that F#5 stays a note

TOKEN = re.compile(
    r"^(?P<name>[A-G][#b]?\d|[a-z_]+?|\^|\.|-)"
    r"(?:@(?P<inst>[a-z_]+))?(?:v(?P<vol>\d+))?(?::(?P<rows>\d+))?$")


class ScoreError(Exception):
    pass


@dataclass
class Instrument:
    name: str
    wave: str
    options: dict


@dataclass
class Cell:
    """What one row of one channel asks for: a note (semitones from C0), a release, or nothing."""
    note: object = None          # int, KEY_OFF or None
    instrument: str = None
    volume: int = None


@dataclass
class Score:
    title: str = ""
    speed: int = 6
    tempo: int = 125
    instruments: list = field(default_factory=list)
    channels: list = field(default_factory=list)        # (name, default instrument)
    patterns: dict = field(default_factory=dict)        # name -> list of rows of Cells
    order: list = field(default_factory=list)


def note_number(name):
    """C0 is 0, C4 (middle C) is 48."""
    semitone = NOTE_NAMES[name[0]]
    if name[1] == "#":
        semitone += 1
    elif name[1] == "b":
        semitone -= 1
    return semitone + 12 * int(name[-1])


def expand_repeats(tokens, where):
    """Unrolls "[ ... ]N" groups, nested or not."""
    stack = [[]]
    for token in tokens:
        if token == "[":
            stack.append([])
        elif token.startswith("]"):
            count = token[1:].lstrip("x")
            if len(stack) < 2 or not count.isdigit():
                raise ScoreError(f"{where}: unmatched or uncounted '{token}'")
            group = stack.pop()
            stack[-1].extend(group * int(count))
        else:
            stack[-1].append(token)
    if len(stack) != 1:
        raise ScoreError(f"{where}: '[' without ']'")
    return stack[0]


def parse_cells(tokens, default_instrument, instruments, where):
    cells = []
    for token in expand_repeats(tokens, where):
        if token == "|":
            continue
        match = TOKEN.match(token)
        if not match:
            raise ScoreError(f"{where}: cannot read '{token}'")
        name, inst, vol, rows = match.group("name", "inst", "vol", "rows")
        span = int(rows or 1)
        if name in (".", "-", "^"):
            first = Cell(note=KEY_OFF) if name == "^" else Cell()
            cells.extend([first] + [Cell() for _ in range(span - 1)])
            continue
        if name[0].isupper():
            note, instrument = note_number(name), inst or default_instrument
        else:
            note, instrument = None, name
        if instrument not in instruments:
            raise ScoreError(f"{where}: no instrument '{instrument}'")
        volume = int(vol) if vol is not None else None
        if volume is not None and volume > 64:
            raise ScoreError(f"{where}: volume {volume} above 64 in '{token}'")
        cells.append(Cell(note=note, instrument=instrument, volume=volume))
        cells.extend(Cell() for _ in range(span - 1))
    return cells


def parse_options(words, where):
    options = {}
    for word in words:
        key, sep, value = word.partition("=")
        if not sep:
            raise ScoreError(f"{where}: expected key=value, got '{word}'")
        options[key] = value
    return options


def parse_score(text, source="score"):
    score = Score()
    instruments = {}
    channel_instruments = {}
    current = None        # (pattern name, {channel: tokens})
    pattern_order = []

    def close_pattern():
        if current is not None:
            score.patterns[current[0]] = build_rows(current, score.channels, instruments, source)

    for number, raw in enumerate(text.splitlines(), 1):
        line = COMMENT.sub("", raw).strip()
        if not line:
            continue
        where = f"{source}:{number}"
        head, _, rest = line.partition(":")
        if current is not None and rest and head.strip() in channel_instruments:
            current[1].setdefault(head.strip(), []).extend(rest.split())
            continue
        words = line.split()
        keyword, args = words[0], words[1:]
        if keyword == "title":
            score.title = " ".join(args)
        elif keyword in ("speed", "tempo"):
            setattr(score, keyword, int(args[0]))
        elif keyword == "instrument":
            if len(args) < 2:
                raise ScoreError(f"{where}: instrument needs a name and a wave")
            instruments[args[0]] = Instrument(args[0], args[1], parse_options(args[2:], where))
            score.instruments.append(instruments[args[0]])
        elif keyword == "channel":
            if len(args) != 2 or args[1] not in instruments:
                raise ScoreError(f"{where}: channel needs a name and a known instrument")
            channel_instruments[args[0]] = args[1]
            score.channels.append((args[0], args[1]))
        elif keyword == "pattern":
            close_pattern()
            current = (args[0], {})
            pattern_order.append(args[0])
        elif keyword == "order":
            close_pattern()
            current = None
            score.order.extend(args)
        else:
            raise ScoreError(f"{where}: unknown line '{line}'")
    close_pattern()

    for name in score.order:
        if name not in score.patterns:
            raise ScoreError(f"{source}: order names unknown pattern '{name}'")
    if not score.order:
        raise ScoreError(f"{source}: no order")
    return score


def build_rows(pattern, channels, instruments, source):
    """Turns one pattern's channel lines into rows of cells, one cell per channel."""
    name, lines = pattern
    columns = {}
    for channel, default in channels:
        if channel in lines:
            where = f"{source}: pattern {name}, channel {channel}"
            columns[channel] = parse_cells(lines[channel], default, instruments, where)
    lengths = {len(cells) for cells in columns.values()}
    if len(lengths) != 1:
        detail = ", ".join(f"{c}={len(v)}" for c, v in columns.items())
        raise ScoreError(f"{source}: pattern {name} has channels of different lengths ({detail})")
    rows = lengths.pop()
    if not 1 <= rows <= 256:
        raise ScoreError(f"{source}: pattern {name} has {rows} rows (1 to 256 allowed)")
    return [[columns[c][r] if c in columns else Cell() for c, _ in channels] for r in range(rows)]
