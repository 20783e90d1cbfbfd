"""A tiny pixel canvas for drawing the game's pictures and writing them as XPM text.

Every picture shares one palette (DawnBringer's 32 colours); a pixel holds a palette
key, or None where the picture is transparent.
"""

PALETTE = {
    "k": "#000000", "n": "#222034", "v": "#45283C", "b": "#663931", "B": "#8F563B",
    "o": "#DF7126", "t": "#D9A066", "s": "#EEC39A", "y": "#FBF236", "l": "#99E550",
    "g": "#6ABE30", "G": "#37946E", "d": "#4B692F", "D": "#524B24", "q": "#323C39",
    "i": "#3F3F74", "u": "#306082", "U": "#5B6EE1", "c": "#639BFF", "C": "#5FCDE4",
    "p": "#CBDBFC", "w": "#FFFFFF", "e": "#9BADB7", "a": "#847E87", "A": "#696A6A",
    "r": "#595652", "P": "#76428A", "R": "#AC3232", "m": "#D95763", "M": "#D77BBA",
    "O": "#8F974A", "h": "#8A6F30",
}
TRANSPARENT = "."


class Canvas:
    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        """A filled ellipse centred between pixels when the centre is a half value."""
        for yy in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for xx in range(int(cx - rx) - 1, int(cx + rx) + 2):
                dx = (xx + 0.5 - cx) / rx
                dy = (yy + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.put(xx, yy, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def polygon(self, points, colour):
        """Fills the pixels whose centres lie inside the polygon (even-odd rule)."""
        ys = [p[1] for p in points]
        for yy in range(int(min(ys)), int(max(ys)) + 1):
            cy = yy + 0.5
            crossings = []
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    crossings.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            crossings.sort()
            for a, b in zip(crossings[::2], crossings[1::2]):
                for xx in range(int(round(a)), int(round(b))):
                    self.put(xx, yy, colour)

    def stamp(self, rows, x, y, key):
        """Draws a small grid of text rows; characters missing from `key` are left alone."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in key:
                    self.put(x + i, y + j, key[ch])

    def outline(self, colour):
        """Gives every shape a one-pixel outline on its transparent side."""
        edge = []
        for y in range(self.height):
            for x in range(self.width):
                if self.pixels[y][x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < self.width and 0 <= ny < self.height and \
                            self.pixels[ny][nx] not in (None, colour):
                        edge.append((x, y))
                        break
        for x, y in edge:
            self.pixels[y][x] = colour

    def paste(self, other, x, y):
        for j in range(other.height):
            for i in range(other.width):
                if other.pixels[j][i] is not None:
                    self.put(x + i, y + j, other.pixels[j][i])

    def scaled(self, factor):
        big = Canvas(self.width * factor, self.height * factor)
        for y in range(big.height):
            for x in range(big.width):
                big.pixels[y][x] = self.pixels[y // factor][x // factor]
        return big

    def mirrored(self):
        flipped = Canvas(self.width, self.height)
        flipped.pixels = [list(reversed(row)) for row in self.pixels]
        return flipped


def write_xpm(canvas, path, name, palette=None, transparent=TRANSPARENT):
    palette = palette or PALETTE
    used = sorted({p for row in canvas.pixels for p in row if p is not None})
    lines = ['"%d %d %d 1"' % (canvas.width, canvas.height,
                                len(used) + (1 if any(None in r for r in canvas.pixels) else 0))]
    if any(None in row for row in canvas.pixels):
        lines.append('"%s c None"' % transparent)
    lines += ['"%s c %s"' % (k, palette[k]) for k in used]
    lines += ['"%s"' % "".join(transparent if p is None else p for p in row)
              for row in canvas.pixels]
    with open(path, "w") as out:
        out.write("/* XPM */\nstatic char *%s[] = {\n" % name)
        out.write(",\n".join(lines))
        out.write("\n};\n")
