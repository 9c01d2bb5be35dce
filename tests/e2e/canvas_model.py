"""What the canvas must show, computed from the files a test placed with the program's pixel rules
written out plainly, and where the selection marks show the selected object."""

import math

from harness import Failure

TURN_ONE = 1 << 16  # the turn's cosine and sine are kept in 1/65536ths


def rounded(value):
    """To the nearest whole number, halves away from zero."""
    return math.floor(value + 0.5) if value >= 0 else -math.floor(-value + 0.5)


def turn_for(degrees):
    """The fixed-point cosine and sine of a turn; quarter turns exact."""
    angle = degrees % 360
    exact = {0: (TURN_ONE, 0), 90: (0, TURN_ONE), 180: (-TURN_ONE, 0), 270: (0, -TURN_ONE)}
    if angle in exact:
        return exact[angle]
    radians = angle * math.pi / 180.0
    return rounded(math.cos(radians) * TURN_ONE), rounded(math.sin(radians) * TURN_ONE)


def luminance(rgb):
    """A mask pixel's weight: 0.3 R + 0.59 G + 0.11 B rounded to the nearest, halves to even."""
    value = 30 * rgb[0] + 59 * rgb[1] + 11 * rgb[2]
    whole, rest = divmod(value, 100)
    return whole + 1 if rest > 50 or (rest == 50 and whole % 2 == 1) else whole


def blend(layer, under, weight, passes):
    result = list(layer)
    for _ in range(passes):
        result = [((255 - weight) * u + weight * v) // 255 for v, u in zip(result, under)]
    return tuple(result)


def stretched(picture, width, height, x, y):
    """Pixel x, y of the picture stretched to width x height by nearest neighbour."""
    return picture.pixel(x * picture.width // width, y * picture.height // height)


class PlacedObject:
    """An object on the canvas as the test placed it: bounds, source picture and mask."""

    def __init__(self, name, left, top, width, height, source, mask):
        self.name = name
        self.left, self.top, self.width, self.height = left, top, width, height
        self.source = source
        self.mask = mask
        self.passes = 2  # a recomposition blends twice; the end of a drag renders the object once
        self.angle = 0  # turned clockwise about the centre of its bounds, in degrees

    def local(self, x, y):
        """The pixel of the bounds that canvas pixel x, y shows: its centre turned back about the centre
        of the bounds, in half pixels and 1/65536ths; None outside the turned bounds."""
        cosine, sine = turn_for(self.angle)
        dx = 2 * x + 1 - (2 * self.left + self.width)
        dy = 2 * y + 1 - (2 * self.top + self.height)
        u = dx * cosine + dy * sine + self.width * TURN_ONE
        v = dy * cosine - dx * sine + self.height * TURN_ONE
        if not (0 <= u < 2 * self.width * TURN_ONE and 0 <= v < 2 * self.height * TURN_ONE):
            return None
        return u // (2 * TURN_ONE), v // (2 * TURN_ONE)

    def contains(self, x, y):
        return self.local(x, y) is not None

    def weight(self, x, y):
        u, v = self.local(x, y)
        return luminance(stretched(self.mask, self.width, self.height, u, v))

    def shows(self, x, y):
        """Whether a press at x, y lands on this object: its mask is not black there."""
        return self.contains(x, y) and self.weight(x, y) > 0

    def visible_point(self, avoid=(), allowed=lambda x, y: True):
        """A canvas point where the object shows, near its middle, outside the objects in `avoid`, where
        `allowed` holds."""
        cx, cy = self.left + self.width // 2, self.top + self.height // 2
        for radius in range(0, max(self.width, self.height), 3):
            for x, y in ((cx + radius, cy), (cx - radius, cy), (cx, cy + radius), (cx, cy - radius),
                         (cx + radius, cy + radius), (cx - radius, cy - radius)):
                if self.shows(x, y) and not any(other.shows(x, y) for other in avoid) and allowed(x, y):
                    return x, y
        raise Failure(f"{self.name} shows nowhere near its middle")

    def moved(self, dx, dy):
        self.left += dx
        self.top += dy

    def render(self, x, y, under):
        u, v = self.local(x, y)
        layer = stretched(self.source, self.width, self.height, u, v)
        return blend(layer, under, self.weight(x, y), self.passes)


MARK_COLOUR = (254, 3, 3)  # the selection marks drawn on the selected object


def selection_bounds(canvas):
    """The bounds (left, top, width, height) that the selection marks on a canvas picture enclose."""
    mark = bytes(MARK_COLOUR)
    xs, ys = [], []
    for y in range(canvas.height):
        row = canvas.rgb[y * canvas.width * 3:(y + 1) * canvas.width * 3]
        at = row.find(mark)
        while at >= 0:
            if at % 3 == 0:
                xs.append(at // 3)
                ys.append(y)
            at = row.find(mark, at + 1)
    if not xs:
        raise Failure("no selection marks on the canvas")
    return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


class Composition:
    """What the canvas must show, computed from the files the test placed: the backdrop stretched to the
    canvas, a frame blended into it, and the objects from the bottom layer up, each blended twice."""

    def __init__(self, canvas_size, backdrop):
        self.width, self.height = canvas_size
        self.backdrop = backdrop
        self.frame = None  # (picture, mask)
        self.objects = []  # bottom to top
        self.unknown = []  # areas whose pixels the test cannot compute (lettering): left, top, width, height

    def backdrop_at(self, x, y):
        colour = stretched(self.backdrop, self.width, self.height, x, y)
        if self.frame is None:
            return colour
        picture, mask = self.frame
        weight = luminance(stretched(mask, self.width, self.height, x, y))
        return blend(colour, stretched(picture, self.width, self.height, x, y), weight, 1)

    def at(self, x, y):
        colour = self.backdrop_at(x, y)
        for placed in self.objects:
            if placed.contains(x, y):
                colour = placed.render(x, y, colour)
        return colour

    def computable(self, x, y):
        return not any(left <= x < left + w and top <= y < top + h for left, top, w, h in self.unknown)

    def recomposed(self):
        """After a recomposition every object is blended twice again."""
        for placed in self.objects:
            placed.passes = 2

    def raise_to_top(self, placed):
        """Selecting an object puts it on top and recomposes."""
        self.objects.remove(placed)
        self.objects.append(placed)
        self.recomposed()

    def flat(self, x, y, colour, reach=6, spread=8):
        """True where the computed picture stays within `spread` of colour all around x, y."""
        for dx in (-reach, 0, reach):
            for dy in (-reach, 0, reach):
                around = self.at(min(max(x + dx, 0), self.width - 1), min(max(y + dy, 0), self.height - 1))
                if max(abs(a - b) for a, b in zip(around, colour)) > spread:
                    return False
        return True

    def check(self, picture, tolerance, what, columns=48, rows=36, flat_only=False):
        """Compares a grid of points of a saved (or shown) canvas with the computed one; with flat_only,
        only points whose surroundings vary little (where JPEG keeps colours well)."""
        if (picture.width, picture.height) != (self.width, self.height):
            raise Failure(f"{what}: {picture.width} x {picture.height}, expected {self.width} x {self.height}")
        checked, worst = 0, (0, None, None, None)
        for row in range(rows):
            for column in range(columns):
                x = (2 * column + 1) * self.width // (2 * columns)
                y = (2 * row + 1) * self.height // (2 * rows)
                if not self.computable(x, y):
                    continue
                expected = self.at(x, y)
                if flat_only and not self.flat(x, y, expected):
                    continue
                found = picture.pixel(x, y)
                difference = max(abs(a - b) for a, b in zip(found, expected))
                if difference > worst[0]:
                    worst = (difference, (x, y), found, expected)
                checked += 1
        if worst[0] > tolerance:
            raise Failure(f"{what}: at {worst[1]} found {worst[2]}, expected {worst[3]} (tolerance {tolerance}; "
                          f"{checked} points compared)")
        if checked < columns * rows // 10:
            raise Failure(f"{what}: only {checked} points could be compared")
        return checked, worst[0]
