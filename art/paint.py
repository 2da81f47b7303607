"""A small drawing vocabulary shared by every skin image.

Everything is drawn at S times the final size and reduced with a box filter, so
edges are anti-aliased while shapes placed on whole design pixels stay crisp.
Only Pillow is used and nothing depends on time or randomness: the same inputs
give the same bytes.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

S = 4
FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
FONT_INDEX = 0  # WenQuanYi Zen Hei (proportional)

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

_fonts = {}


def font(px):
    """The CJK face at a pixel size of the supersampled surface."""
    if px not in _fonts:
        _fonts[px] = ImageFont.truetype(FONT_FILE, px, index=FONT_INDEX)
    return _fonts[px]


def mix(a, b, t):
    """Blend colour a towards b by t (0 keeps a, 1 gives b)."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a[:3], b[:3]))


def lighter(c, t):
    return mix(c, WHITE, t)


def darker(c, t):
    return mix(c, BLACK, t)


def _scaled(box):
    return tuple(round(v * S) for v in box)


def _shape_mask(size, box, radius):
    """An L mask of `size` (supersampled) holding a rounded rectangle."""
    mask = Image.new("L", size, 0)
    x0, y0, x1, y1 = box
    if x1 <= x0 or y1 <= y0:
        return mask
    draw = ImageDraw.Draw(mask)
    r = max(0, round(radius * S))
    # Pillow's rectangles include their far edge; design boxes do not.
    draw.rounded_rectangle((x0, y0, x1 - 1, y1 - 1), radius=r, fill=255)
    return mask


def _scale_mask(mask, alpha):
    if alpha >= 1:
        return mask
    return mask.point(lambda v: round(v * alpha))


class Canvas:
    """An RGBA surface addressed in design pixels."""

    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        fill = (0, 0, 0, 0) if background is None else tuple(background[:3]) + (255,)
        self.im = Image.new("RGBA", (w * S, h * S), fill)

    # --- composition primitives -------------------------------------------------

    def _over(self, color, mask, origin=(0, 0)):
        """Composite a solid colour through an L mask placed at origin (surface px)."""
        layer = Image.new("RGBA", mask.size, tuple(color[:3]) + (0,))
        layer.putalpha(mask)
        self._over_image(layer, origin)

    def _over_image(self, layer, origin):
        ox, oy = origin
        # Clip to the surface; alpha_composite refuses boxes outside either image.
        sx0, sy0 = max(0, -ox), max(0, -oy)
        sx1 = min(layer.width, self.im.width - ox)
        sy1 = min(layer.height, self.im.height - oy)
        if sx1 <= sx0 or sy1 <= sy0:
            return
        self.im.alpha_composite(layer, dest=(ox + sx0, oy + sy0), source=(sx0, sy0, sx1, sy1))

    def _region(self, box, pad=0):
        """The supersampled integer region covering box plus pad design pixels."""
        x0, y0, x1, y1 = _scaled(box)
        p = round(pad * S)
        return x0 - p, y0 - p, x1 + p, y1 + p

    # --- shapes -----------------------------------------------------------------

    def rect(self, box, color, radius=0, alpha=1.0):
        rx0, ry0, rx1, ry1 = self._region(box)
        mask = _shape_mask((rx1 - rx0, ry1 - ry0), (0, 0, rx1 - rx0, ry1 - ry0), radius)
        self._over(color, _scale_mask(mask, alpha), (rx0, ry0))

    def ring(self, box, color, radius=0, width=1.0, alpha=1.0):
        """A border of `width` design pixels just inside box."""
        rx0, ry0, rx1, ry1 = self._region(box)
        size = (rx1 - rx0, ry1 - ry0)
        outer = _shape_mask(size, (0, 0) + size, radius)
        w = round(width * S)
        inner = _shape_mask(size, (w, w, size[0] - w, size[1] - w), max(0, radius - width))
        self._over(color, _scale_mask(ImageChops.subtract(outer, inner), alpha), (rx0, ry0))

    def gradient(self, box, stops, radius=0, alpha=1.0, horizontal=False):
        """A linear gradient through (position 0..1, colour) stops."""
        rx0, ry0, rx1, ry1 = self._region(box)
        size = (rx1 - rx0, ry1 - ry0)
        n = size[0] if horizontal else size[1]
        strip = Image.new("RGBA", (n, 1) if horizontal else (1, n))
        px = strip.load()
        for i in range(n):
            t = (i + 0.5) / n
            for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
                if t <= t1 or (t1, c1) == stops[-1]:
                    f = 0 if t1 == t0 else min(1, max(0, (t - t0) / (t1 - t0)))
                    c = mix(c0, c1, f)
                    break
            px[(i, 0) if horizontal else (0, i)] = c + (255,)
        layer = strip.resize(size, Image.NEAREST)
        mask = _scale_mask(_shape_mask(size, (0, 0) + size, radius), alpha)
        layer.putalpha(mask)
        self._over_image(layer, (rx0, ry0))

    def ellipse(self, box, color, alpha=1.0, blur=0.0):
        pad = blur * 3
        rx0, ry0, rx1, ry1 = self._region(box, pad)
        size = (rx1 - rx0, ry1 - ry0)
        mask = Image.new("L", size, 0)
        p = round(pad * S)
        ImageDraw.Draw(mask).ellipse((p, p, size[0] - p - 1, size[1] - p - 1), fill=255)
        if blur:
            mask = mask.filter(ImageFilter.GaussianBlur(blur * S))
        self._over(color, _scale_mask(mask, alpha), (rx0, ry0))

    def shadow(self, box, radius=0, blur=3.0, offset=(0, 0), color=BLACK, alpha=0.3, spread=0.0):
        """A soft shadow (or glow) of a rounded box, drawn beneath what follows."""
        x0, y0, x1, y1 = box
        dx, dy = offset
        shape = (x0 - spread + dx, y0 - spread + dy, x1 + spread + dx, y1 + spread + dy)
        pad = blur * 3
        rx0, ry0, rx1, ry1 = self._region(shape, pad)
        size = (rx1 - rx0, ry1 - ry0)
        p = round(pad * S)
        mask = _shape_mask(size, (p, p, size[0] - p, size[1] - p), radius + spread)
        if blur:
            mask = mask.filter(ImageFilter.GaussianBlur(blur * S))
        self._over(color, _scale_mask(mask, alpha), (rx0, ry0))

    def petal(self, base, length, width, angle, color, alpha=1.0, blur=0.0):
        """An elongated ellipse growing from `base` towards `angle` degrees (0 = right, clockwise)."""
        pad = blur * 3 + 1
        n = round((length + pad) * S)
        size = 2 * n
        mask = Image.new("L", (size, size), 0)
        half = width * S / 2
        ImageDraw.Draw(mask).ellipse((n, n - half, n + round(length * S), n + half), fill=255)
        mask = mask.rotate(-angle, resample=Image.BICUBIC, center=(n, n))
        if blur:
            mask = mask.filter(ImageFilter.GaussianBlur(blur * S))
        self._over(color, _scale_mask(mask, alpha), (round(base[0] * S) - n, round(base[1] * S) - n))

    def shadow_of(self, other, blur=3.0, offset=(0, 0), color=BLACK, alpha=0.3):
        """A soft shadow of whatever another canvas of the same size holds."""
        mask = other.im.getchannel("A")
        if blur:
            mask = mask.filter(ImageFilter.GaussianBlur(blur * S))
        self._over(color, _scale_mask(mask, alpha), (round(offset[0] * S), round(offset[1] * S)))

    def line(self, points, color, width=1.0, alpha=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        pad = width + 1
        rx0, ry0, rx1, ry1 = self._region((min(xs), min(ys), max(xs), max(ys)), pad)
        mask = Image.new("L", (rx1 - rx0, ry1 - ry0), 0)
        pts = [(x * S - rx0, y * S - ry0) for x, y in points]
        ImageDraw.Draw(mask).line(pts, fill=255, width=round(width * S), joint="curve")
        self._over(color, _scale_mask(mask, alpha), (rx0, ry0))

    def polygon(self, points, color, alpha=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        rx0, ry0, rx1, ry1 = self._region((min(xs), min(ys), max(xs), max(ys)), 1)
        mask = Image.new("L", (rx1 - rx0, ry1 - ry0), 0)
        ImageDraw.Draw(mask).polygon([(x * S - rx0, y * S - ry0) for x, y in points], fill=255)
        self._over(color, _scale_mask(mask, alpha), (rx0, ry0))

    def round_corners(self, radius):
        """Make everything outside a rounded rectangle of the whole surface transparent."""
        mask = _shape_mask(self.im.size, (0, 0) + self.im.size, radius)
        self.im.putalpha(ImageChops.multiply(self.im.getchannel("A"), mask))

    # --- text -------------------------------------------------------------------

    def text(self, pos, text, size, color, align="centre", weight=0, alpha=1.0):
        """Draw text in the CJK face.

        align "centre": pos is the centre of the ink; "left"/"right": pos is the
        left or right end of the baseline. weight thickens strokes by that many
        supersampled pixels (1 reads as semibold).
        """
        f = font(round(size * S))
        l, t, r, b = f.getbbox(text, anchor="ls", stroke_width=weight)
        x, y = pos[0] * S, pos[1] * S
        if align == "centre":
            ox, oy = x - (l + r) / 2, y - (t + b) / 2
        elif align == "left":
            ox, oy = x, y
        else:
            ox, oy = x - r, y
        pad = 2 * S
        rx0, ry0 = int(ox + l) - pad, int(oy + t) - pad
        rx1, ry1 = int(ox + r) + pad, int(oy + b) + pad
        mask = Image.new("L", (rx1 - rx0, ry1 - ry0), 0)
        ImageDraw.Draw(mask).text(
            (ox - rx0, oy - ry0), text, font=f, fill=255, anchor="ls",
            stroke_width=weight, stroke_fill=255,
        )
        self._over(color, _scale_mask(mask, alpha), (rx0, ry0))

    def text_width(self, text, size, weight=0):
        l, _, r, _ = font(round(size * S)).getbbox(text, anchor="ls", stroke_width=weight)
        return (r - l) / S

    # --- images -----------------------------------------------------------------

    def paste(self, image, xy=(0, 0)):
        """Composite a finished design-size RGBA image at whole design pixels."""
        big = image.convert("RGBA").resize((image.width * S, image.height * S), Image.NEAREST)
        self._over_image(big, (round(xy[0] * S), round(xy[1] * S)))

    def result(self):
        """The image at design size."""
        return self.im.resize((self.w, self.h), Image.BOX)


def crop(image, box):
    """A design-size patch of a finished image, as RGBA."""
    return image.convert("RGBA").crop(box)
