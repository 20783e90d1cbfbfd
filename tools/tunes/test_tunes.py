"""Tests of the score reader and the module writer's packing."""

import struct
import unittest

from score import KEY_OFF, ScoreError, parse_score
from write_xm import module_bytes, pack_row

HEADER = """
speed 6
tempo 125
instrument lead square length=32
instrument kick kick
channel melody lead
channel beat kick
"""


class ScoreReading(unittest.TestCase):
    def rows(self, body, pattern="p"):
        return parse_score(HEADER + body).patterns[pattern]

    def test_tokens_become_rows(self):
        rows = self.rows("pattern p\nmelody: C4 F#5:3 ^ Bb4@leadv20 . | kick\norder p")
        melody = [row[0] for row in rows]
        self.assertEqual([c.note for c in melody], [48, 66, None, None, KEY_OFF, 58, None, None])
        self.assertEqual(melody[5].volume, 20)
        self.assertEqual(melody[7].instrument, "kick")

    def test_repeats_nest_and_lines_join(self):
        rows = self.rows("pattern p\nbeat: [ kick [ . ]2 ]3\nbeat: kick:3\norder p")
        self.assertEqual([r[1].instrument for r in rows], ["kick", None, None] * 4)

    def test_comment_needs_a_space_so_sharps_survive(self):
        rows = self.rows("pattern p\nmelody: C#4 D#4 # two sharps\norder p")
        self.assertEqual([r[0].note for r in rows], [49, 51])

    def test_mistakes_are_reported(self):
        cases = {
            "uneven channels": "pattern p\nmelody: C4 .\nbeat: kick\norder p",
            "unknown instrument": "pattern p\nmelody: C4@piano\norder p",
            "unread token": "pattern p\nmelody: H4\norder p",
            "loud volume": "pattern p\nmelody: C4v65\norder p",
            "open repeat": "pattern p\nmelody: [ C4\norder p",
            "unknown pattern": "pattern p\nmelody: C4\norder q",
            "no order": "pattern p\nmelody: C4",
        }
        for name, body in cases.items():
            with self.subTest(name), self.assertRaises(ScoreError):
                parse_score(HEADER + body)


class ModuleWriting(unittest.TestCase):
    def test_packing_skips_empty_fields(self):
        self.assertEqual(pack_row([[0, 0, 0, 0, 0]]), b"\x80")
        self.assertEqual(pack_row([[49, 1, 0, 0, 0]]), b"\x83\x31\x01")
        self.assertEqual(pack_row([[49, 1, 0x30, 0x0A, 0x0F]]), bytes([49, 1, 0x30, 0x0A, 0x0F]))

    def test_only_the_final_order_entry_fades(self):
        score = parse_score(HEADER + "pattern p\nmelody: C4 C4\npattern q\nmelody: D4 D4\n"
                                     "order p q p")
        module = module_bytes(score)
        song_length, _, channels, patterns = struct.unpack_from("<HHHH", module, 64)
        self.assertEqual((song_length, channels, patterns), (3, 2, 3))
        self.assertEqual(list(module[80:83]), [0, 1, 2])     # the last p is a faded copy
        faded = module[336:]
        for _ in range(2):                                     # skip the two plain patterns
            faded = faded[9 + struct.unpack_from("<H", faded, 7)[0]:]
        size = struct.unpack_from("<H", faded, 7)[0]
        last_row = faded[9:9 + size][-8:]                      # two channels, note+inst+fx+param
        self.assertEqual(last_row, bytes([0x9B, 49, 1, 0x0A, 0x0F, 0x98, 0x0A, 0x0F]))


if __name__ == "__main__":
    unittest.main()
