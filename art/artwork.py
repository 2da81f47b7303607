"""The 65 skin images: what each one shows, built from the vocabulary in paint.py.

Backgrounds are drawn first; buttons and glyphs that sit on them start from the
very patch of the background they cover at scale 1, so opaque images blend in
exactly and transparent edges show the same colours around them.
"""

from paint import BLACK, WHITE, Canvas, crop, darker, lighter, mix

# --- palette: one calm blue family, grey neutrals ---------------------------------

NAVY = (13, 37, 84)          # deepest: title strip, feedback dialog
NAVY_2 = (19, 56, 122)
BLUE = (34, 94, 190)         # bottom of the main panel's header
SKY = (59, 130, 246)         # the application icon's light blue
ACCENT = (31, 99, 204)       # filled buttons on white
ACCENT_BRIGHT = (47, 122, 232)  # filled buttons on the dark feedback dialog
BAND = (240, 242, 246)       # the message prompt's title band
BAND_LINE = (223, 227, 233)
INK = (28, 28, 30)
HAIRLINE = (228, 231, 236)
DISABLED_FILL = (213, 217, 223)
DISABLED_TEXT = (146, 152, 162)
DISABLED_FILL_DARK = (78, 88, 106)
DISABLED_TEXT_DARK = (146, 156, 174)

QUESTION = "您的问题解决了吗？"
TITLE = "Kelvane"

NORMAL, HOVER, PRESSED, DISABLED = range(4)
STATES = (NORMAL, HOVER, PRESSED, DISABLED)


def state_fill(base, state, on_dark=False):
    """One base colour gives the four button states."""
    if state == HOVER:
        return lighter(base, 0.18)
    if state == PRESSED:
        return darker(base, 0.22)
    if state == DISABLED:
        return DISABLED_FILL_DARK if on_dark else DISABLED_FILL
    return base


# --- small shared pieces ----------------------------------------------------------

def app_tile(c, x, y, size):
    """The application icon in miniature: a blue tile holding a window with its taskbar."""
    r = size * 0.22
    c.gradient((x, y, x + size, y + size), [(0, SKY), (1, (29, 78, 216))], radius=r)
    u = size / 16
    c.rect((x + 3 * u, y + 4 * u, x + 13 * u, y + 11 * u), WHITE, radius=u, alpha=0.95)
    c.rect((x + 3 * u, y + 9 * u, x + 13 * u, y + 11 * u), (30, 58, 138))


def frame(content, size, insets, glow=None):
    """A layered-window frame: soft shadow (or glow) margin around the content artwork.

    The content is pasted into the opaque middle, so the frame looks complete
    for the moment before its content window appears.
    """
    w, h = size
    left, top, right, bottom = insets
    box = (left, top, w - right, h - bottom)
    c = Canvas(w, h)
    if glow:
        c.shadow(box, blur=4.5, spread=1, color=glow, alpha=0.65)
        c.shadow(box, blur=1.5, spread=0.5, color=glow, alpha=0.5)
        edge = darker(glow, 0.45)
    else:
        c.shadow(box, blur=2.4, offset=(0, 1.5), alpha=0.30)
        c.shadow(box, blur=0.8, alpha=0.10)
        edge = BLACK
    c.ring((box[0] - 1, box[1] - 1, box[2] + 1, box[3] + 1), edge, alpha=0.14)
    c.paste(content, (left, top))
    return c.result()


def pixel_cross(c, x0, y0, n, color):
    """A cross of n×n whole pixels: the sharpest mark a 12-pixel button can carry."""
    for i in range(n):
        c.rect((x0 + i, y0 + i, x0 + i + 1, y0 + i + 1), color)
        if n - 1 - i != i:
            c.rect((x0 + n - 1 - i, y0 + i, x0 + n - i, y0 + i + 1), color)


def glyph_close(c, cx, cy, half, color, width=1.0):
    c.line([(cx - half, cy - half), (cx + half, cy + half)], color, width)
    c.line([(cx - half, cy + half), (cx + half, cy - half)], color, width)


# --- main window ------------------------------------------------------------------

HEADER_BOTTOM = 244
SIZE_BUTTONS = {  # the patch of the panel each size button covers
    "大任务栏": (51, 280, 133, 327),
    "中任务栏": (159, 280, 241, 327),
    "小任务栏": (266, 280, 348, 327),
}
CLOSE_BOX = (368, 0, 394, 34)
MINIMISE_BOX = (340, 0, 366, 34)
MORE_TOOLS_BOX = (50, 545, 108, 563)
VERSION_BASELINE = 28  # where the version label's 13 px text sits in its 16..31 band


def wallpaper(w, h, bar_h, icon, radius):
    """A Windows 11 desktop in miniature: bloom wallpaper and a taskbar of bar_h pixels."""
    c = Canvas(w, h)
    c.gradient((0, 0, w, h), [(0, (226, 238, 255)), (1, (150, 192, 250))])
    # A bloom of seven petals fanning up from behind the taskbar.
    area = h - bar_h
    base = (w / 2, area * 0.98)
    blues = [(191, 219, 254), (147, 197, 253), (96, 165, 250), (59, 130, 246),
             (37, 99, 235), (29, 78, 216), (59, 130, 246)]
    for i, angle in enumerate((-160, -135, -112, -90, -68, -45, -20)):
        reach = area * (0.6 if i in (0, 6) else 0.8)
        c.petal(base, reach, area * 0.28, angle, blues[i], alpha=0.75, blur=0.4)
    bar = (0, h - bar_h, w, h)
    c.rect(bar, (246, 248, 251))
    c.rect((0, bar[1], w, bar[1] + 1), WHITE)
    colours = [SKY, (120, 128, 140), (245, 190, 60), (44, 170, 160), (59, 100, 220)]
    step = icon + icon * 0.5
    x0 = w / 2 - (len(colours) * step - icon * 0.5) / 2
    top = bar[1] + (bar_h - icon) / 2
    for i, colour in enumerate(colours):
        x = x0 + i * step
        c.rect((x, top, x + icon, top + icon), colour, radius=icon * 0.25)
    c.rect((x0 + icon * 0.3, top + icon * 0.3, x0 + icon * 0.7, top + icon * 0.7), WHITE, alpha=0.9)
    c.round_corners(radius)
    return c.result()


def monitor(c, cx, top):
    """A desktop monitor whose screen ends in a Windows 11 taskbar; returns the taskbar box."""
    body = (cx - 108, top, cx + 108, top + 130)
    c.shadow(body, radius=10, blur=6, offset=(0, 4), color=NAVY, alpha=0.45)
    c.rect(body, WHITE, radius=10, alpha=0.96)
    screen = (body[0] + 6, body[1] + 6, body[2] - 6, body[3] - 12)
    sw, sh = screen[2] - screen[0], screen[3] - screen[1]
    c.paste(wallpaper(sw, sh, 14, 8, 4), screen[:2])
    # Stand.
    c.rect((cx - 12, body[3], cx + 12, body[3] + 10), (226, 234, 246))
    c.rect((cx - 34, body[3] + 9, cx + 34, body[3] + 14), WHITE, radius=2.5, alpha=0.96)
    return (screen[0], screen[3] - 14, screen[2], screen[3])


def size_arrow(c, x, y0, y1):
    """A vertical double arrow: the taskbar's height is what changes."""
    c.line([(x, y0 + 2), (x, y1 - 2)], WHITE, 1.6)
    c.polygon([(x - 4.5, y0 + 5), (x, y0), (x + 4.5, y0 + 5)], WHITE)
    c.polygon([(x - 4.5, y1 - 5), (x, y1), (x + 4.5, y1 - 5)], WHITE)


def main_panel():
    c = Canvas(400, 600, WHITE)
    c.gradient((0, 0, 400, HEADER_BOTTOM + 20),
               [(0, NAVY), (0.30, NAVY_2), (1, BLUE)])
    # Calm bloom shapes, kept away from the title strip.
    c.ellipse((-90, 120, 170, 330), SKY, alpha=0.30, blur=26)
    c.ellipse((250, 90, 470, 290), (96, 165, 250), alpha=0.22, blur=26)
    # Title: icon and name, right before the version label the panel draws at x 188.
    name_w = c.text_width(TITLE, 13, weight=1)
    c.text((182, VERSION_BASELINE), TITLE, 13, WHITE, align="right", weight=1)
    app_tile(c, 182 - name_w - 23, 14, 17)
    bar = monitor(c, 200, 62)
    size_arrow(c, 328, bar[1] - 14, bar[3] + 14)
    # The white sheet that carries the controls.
    c.rect((0, HEADER_BOTTOM, 400, 640), WHITE, radius=16)
    # What each size gives: a small desktop under each button, its taskbar to scale.
    for (x0, _, x1, _), (bar_h, icon) in zip(SIZE_BUTTONS.values(), ((20, 10), (15, 8), (10, 6))):
        card = (x0, 343, x1, 437)
        c.shadow(card, radius=6, blur=1.5, offset=(0, 1), color=NAVY, alpha=0.18)
        c.paste(wallpaper(x1 - x0, 437 - 343, bar_h, icon, 6), card[:2])
        c.ring(card, (196, 214, 238), radius=6)
    c.rect((8, 568, 392, 569), HAIRLINE)
    return c.result().convert("RGB")


def size_button(panel, caption, state):
    box = SIZE_BUTTONS[caption]
    w, h = box[2] - box[0], box[3] - box[1]
    c = Canvas(w, h)
    c.paste(crop(panel, box))
    fill = state_fill(ACCENT, state)
    body = (1, 1, w - 1, h - 2)
    if state != DISABLED:
        c.shadow(body, radius=6, blur=0.9, offset=(0, 1), color=NAVY, alpha=0.35)
    c.rect(body, fill, radius=6)
    c.ring(body, darker(fill, 0.12) if state != DISABLED else darker(fill, 0.06), radius=6,
           alpha=0.8)
    if state != DISABLED:
        c.rect((body[0] + 6, body[1], body[2] - 6, body[1] + 1), lighter(fill, 0.18), alpha=0.7)
    text = DISABLED_TEXT if state == DISABLED else WHITE
    c.text((w / 2, h / 2), caption, 15, text, weight=1)
    return c.result().convert("RGB")


def caption_button(panel, box, glyph, state):
    """Close and minimise on the dark title strip: the glyph, with a lighter or darker cell."""
    w, h = box[2] - box[0], box[3] - box[1]
    c = Canvas(w, h)
    c.paste(crop(panel, box))
    if state == HOVER:
        c.rect((0, 0, w, h), WHITE, alpha=0.16)
    elif state == PRESSED:
        c.rect((0, 0, w, h), BLACK, alpha=0.28)
    colour = (120, 138, 168) if state == DISABLED else WHITE
    # Whole-pixel geometry keeps the 1-pixel strokes crisp: the cross runs through
    # pixel centres, the bar fills one pixel row.
    cx, cy = w / 2, 17
    if glyph == "close":
        glyph_close(c, cx, cy, 4.5, colour, 1.0)
    else:
        c.rect((cx - 5, cy, cx + 5, cy + 1), colour)
    return c.result().convert("RGB")


def more_tools(panel, state):
    box = MORE_TOOLS_BOX
    w, h = box[2] - box[0], box[3] - box[1]
    c = Canvas(w, h)
    c.paste(crop(panel, box))
    base = (214, 230, 251)
    # A tinted button: hover lifts it towards white, pressing deepens the blue.
    fill = {NORMAL: base, HOVER: lighter(base, 0.6), PRESSED: mix(base, ACCENT, 0.3),
            DISABLED: (236, 238, 241)}[state]
    c.rect((0, 0, w, h), fill, radius=4)
    border = {NORMAL: (176, 203, 242), HOVER: (168, 198, 242), PRESSED: (120, 160, 226),
              DISABLED: (204, 208, 214)}[state]
    c.ring((0, 0, w, h), border, radius=4)
    text = {NORMAL: (24, 80, 176), HOVER: (31, 99, 204), PRESSED: (16, 60, 140),
            DISABLED: DISABLED_TEXT}[state]
    c.text((w / 2, h / 2), "更多工具", 12, text)
    return c.result().convert("RGB")


def check_box():
    c = Canvas(48, 16)
    # Unchecked: an outlined rounded box.
    c.rect((1, 1, 15, 15), WHITE, radius=3)
    c.ring((1, 1, 15, 15), (112, 116, 124), radius=3)
    # Checked: accent fill with a white tick.
    c.rect((17, 1, 31, 15), ACCENT, radius=3)
    c.line([(20.2, 8.3), (22.8, 10.9), (27.9, 5.4)], WHITE, 1.5)
    # Filled.
    c.rect((33, 1, 47, 15), ACCENT, radius=3)
    return c.result()


# --- message prompt ---------------------------------------------------------------

PROMPT_BAND = 29  # 29 image rows become the 30-pixel caption band once stretched to 146


def prompt_content():
    c = Canvas(320, 140, WHITE)
    c.rect((0, 0, 320, PROMPT_BAND), BAND)
    c.rect((0, PROMPT_BAND, 320, PROMPT_BAND + 1), BAND_LINE)
    c.rect((12, 9, 14, 20), ACCENT, radius=1)
    c.text((20, 19), "提示", 13, INK, align="left", weight=1)
    return c.result().convert("RGB")


def prompt_button(caption, primary, state):
    w, h = 55, 24
    c = Canvas(w, h, WHITE)
    if primary:
        fill = state_fill(ACCENT, state)
        border = darker(fill, 0.14)
        text = WHITE
    else:
        fill = {NORMAL: (236, 239, 243), HOVER: (250, 251, 253), PRESSED: (212, 217, 225)}[state]
        border = {NORMAL: (198, 204, 213), HOVER: (210, 216, 224), PRESSED: (180, 187, 198)}[state]
        text = INK
    c.rect((0, 0, w, h), fill, radius=4)
    c.ring((0, 0, w, h), border, radius=4)
    c.text((w / 2, h / 2), caption, 13, text, weight=1 if primary else 0)
    return c.result().convert("RGB")


def prompt_close(state):
    c = Canvas(12, 12, BAND)
    if state == HOVER:
        c.rect((0, 0, 12, 12), WHITE, radius=2)
    elif state == PRESSED:
        c.rect((0, 0, 12, 12), (208, 213, 221), radius=2)
    pixel_cross(c, 2, 2, 7, (70, 74, 82) if state != PRESSED else (36, 38, 44))
    return c.result().convert("RGB")


# --- working prompt ---------------------------------------------------------------

def working_content():
    c = Canvas(204, 104, BLUE)
    c.gradient((0, 0, 204, 104), [(0, (38, 104, 206)), (1, (24, 74, 160))])
    c.ellipse((-40, -50, 110, 60), SKY, alpha=0.35, blur=14)
    c.ellipse((120, 60, 260, 160), NAVY, alpha=0.25, blur=16)
    c.rect((0, 0, 204, 1), WHITE, alpha=0.18)
    return c.result()


# --- problem-solving feedback dialog ----------------------------------------------

FEEDBACK_CLOSE_BOX = (382, 6, 394, 18)


def feedback_content():
    c = Canvas(400, 468, NAVY)
    c.gradient((0, 0, 400, 468), [(0, (12, 33, 76)), (0.6, NAVY_2), (1, (24, 70, 146))])
    c.ellipse((210, -120, 520, 170), SKY, alpha=0.22, blur=30)
    c.ellipse((-140, 300, 170, 560), SKY, alpha=0.20, blur=30)
    app_tile(c, 12, 8, 14)
    c.text((32, 19.5), TITLE, 12, (206, 220, 244), align="left")
    # The question, under a speech-bubble mark.
    cx = 200
    c.ellipse((cx - 24, 44, cx + 24, 92), WHITE, alpha=0.12)
    bubble = (cx - 13, 56, cx + 13, 76)
    c.rect(bubble, WHITE, radius=6)
    c.polygon([(cx - 7, 75), (cx - 1, 75), (cx - 9, 82)], WHITE)
    for dx in (-6, 0, 6):
        c.ellipse((cx + dx - 1.8, 64.2, cx + dx + 1.8, 67.8), ACCENT_BRIGHT)
    c.text((cx, 119), QUESTION, 20, WHITE, weight=2)
    return c.result()


def feedback_button(kind, caption, state):
    w, h = 266, 60
    c = Canvas(w, h)
    body = (9, 9, w - 9, h - 9)
    if state != DISABLED:
        c.shadow(body, radius=8, blur=3, offset=(0, 2.5), alpha=0.40)
    if kind == "solved":
        fill = state_fill(ACCENT_BRIGHT, state, on_dark=True)
        c.rect(body, fill, radius=8)
        c.ring(body, lighter(fill, 0.2) if state != DISABLED else fill, radius=8, alpha=0.6)
    else:
        # Quiet buttons: a veil over the dialog's blue; hover lifts it, pressing sinks it.
        if state == DISABLED:
            c.rect(body, DISABLED_FILL_DARK, radius=8)
        else:
            base = mix(NAVY_2, WHITE, 0.14)
            fill = state_fill(base, state)
            c.rect(body, fill, radius=8, alpha=0.9)
            c.ring(body, WHITE, radius=8, alpha={NORMAL: 0.22, HOVER: 0.32, PRESSED: 0.12}[state])
    text = DISABLED_TEXT_DARK if state == DISABLED else WHITE
    c.text((w / 2, h / 2), caption, 16, text, weight=1)
    return c.result()


def feedback_close(content, state):
    c = Canvas(12, 12)
    c.paste(crop(content, FEEDBACK_CLOSE_BOX))
    if state == HOVER:
        c.rect((0, 0, 12, 12), WHITE, radius=2, alpha=0.22)
    elif state == PRESSED:
        c.rect((0, 0, 12, 12), BLACK, radius=2, alpha=0.35)
    colour = (112, 128, 158) if state == DISABLED else WHITE
    pixel_cross(c, 2, 2, 7, colour)
    return c.result().convert("RGB")


# --- the unused balloon -----------------------------------------------------------

def balloon():
    w, h = 541, 402
    shape = Canvas(w, h)
    body = (16, 12, w - 16, 336)
    shape.rect(body, WHITE, radius=20)
    shape.polygon([(92, 334), (156, 334), (74, 384)], WHITE)
    c = Canvas(w, h)
    c.shadow_of(shape, blur=5, offset=(0, 3), alpha=0.28)
    c.shadow_of(shape, blur=1, alpha=0.10)
    c.im.alpha_composite(shape.im)
    return c.result()


# --- the table --------------------------------------------------------------------

# id: (width, height, alpha)
TABLE = {
    148: (410, 611, True), 149: (400, 600, False), 150: (48, 16, True),
    **{i: (26, 34, False) for i in range(151, 155)},
    155: (232, 132, True), 156: (204, 104, True),
    **{i: (26, 34, False) for i in range(157, 161)},
    **{i: (266, 60, True) for i in range(161, 165)},
    **{i: (58, 18, False) for i in range(165, 169)},
    169: (330, 150, True), 170: (320, 140, False),
    **{i: (55, 24, False) for i in range(171, 174)},
    **{i: (12, 12, False) for i in range(174, 177)},
    **{i: (55, 24, False) for i in range(177, 186)},
    186: (410, 479, True), 187: (400, 468, True),
    **{i: (12, 12, False) for i in range(188, 192)},
    **{i: (266, 60, True) for i in range(197, 201)},
    201: (541, 402, True),
    **{i: (266, 60, True) for i in range(202, 206)},
    **{i: (82, 47, False) for i in range(206, 218)},
}


def build():
    """Every image of the table, keyed by resource id."""
    out = {}
    panel = main_panel()
    out[149] = panel
    out[148] = frame(panel, (410, 611), (5, 4, 5, 7))
    out[150] = check_box()
    for i, s in enumerate(STATES):
        out[151 + i] = caption_button(panel, CLOSE_BOX, "close", s)
        out[157 + i] = caption_button(panel, MINIMISE_BOX, "minimise", s)
        out[165 + i] = more_tools(panel, s)
        for j, caption in enumerate(SIZE_BUTTONS):
            out[206 + 4 * j + i] = size_button(panel, caption, s)

    working = working_content()
    out[156] = working
    out[155] = frame(working, (232, 132), (14, 12, 14, 16), glow=SKY)

    prompt = prompt_content()
    out[170] = prompt
    out[169] = frame(prompt, (330, 150), (5, 3, 5, 7))
    for i, s in enumerate((NORMAL, HOVER, PRESSED)):
        out[171 + i] = prompt_button("取消", False, s)
        out[174 + i] = prompt_close(s)
        out[177 + i] = prompt_button("否", False, s)
        out[180 + i] = prompt_button("确认", True, s)
        out[183 + i] = prompt_button("是", True, s)

    feedback = feedback_content()
    out[187] = feedback
    out[186] = frame(feedback, (410, 479), (5, 4, 5, 7))
    for i, s in enumerate(STATES):
        out[188 + i] = feedback_close(feedback, s)
        out[197 + i] = feedback_button("solved", "问题已解决，继续保持！", s)
        out[202 + i] = feedback_button("unsolved", "问题未解决，我要吐槽！", s)
        out[161 + i] = feedback_button("other", "其 他", s)

    out[201] = balloon()
    return out
