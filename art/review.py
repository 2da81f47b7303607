"""Review pictures: a contact sheet of every image and mock-ups of the windows.

The mock-ups lay the images out the way the program does at scale 1 (frames,
content insets, control rectangles, stretched prompt artwork, texts drawn by the
labels), so one can see whether backgrounds, patches and buttons fit together.
"""

import os

from PIL import Image, ImageDraw, ImageFont

from artwork import TABLE
from paint import FONT_FILE, FONT_INDEX

LABEL_FONT = ImageFont.truetype(FONT_FILE, 12, index=FONT_INDEX)
DIALOG_FONT = ImageFont.truetype(FONT_FILE, 13, index=FONT_INDEX)  # 宋体 10 pt at 96 dpi


def _load(folder, rid):
    return Image.open(os.path.join(folder, f"{rid}.png")).convert("RGBA")


def _checker(size, cell=8):
    w, h = size
    board = Image.new("RGBA", size, (255, 255, 255, 255))
    d = ImageDraw.Draw(board)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=(214, 214, 214, 255))
    return board


def contact_sheet(folder, path):
    """Every image at 1:1 over a checkerboard, small ones also at 4:1, labelled."""
    tiles = []
    for rid in sorted(TABLE):
        img = _load(folder, rid)
        w, h, alpha = TABLE[rid]
        zoom = 4 if max(w, h) <= 82 else 1
        shown = img.resize((w * zoom, h * zoom), Image.NEAREST) if zoom > 1 else img
        label = f"{rid}  {w}×{h}  {'RGBA' if alpha else 'RGB'}" + (f"  (×{zoom})" if zoom > 1 else "")
        tw = int(LABEL_FONT.getlength(label)) + 4
        tile = Image.new("RGBA", (max(shown.width, tw) + 16, shown.height + 30), (246, 247, 249, 255))
        board = _checker(shown.size)
        board.alpha_composite(shown)
        tile.paste(board, (8, 8))
        ImageDraw.Draw(tile).text((8, shown.height + 12), label, font=LABEL_FONT, fill=(30, 30, 30))
        tiles.append(tile)

    width = 1900
    rows, row, x = [], [], 0
    for t in tiles:
        if row and x + t.width > width:
            rows.append(row)
            row, x = [], 0
        row.append(t)
        x += t.width
    rows.append(row)
    height = sum(max(t.height for t in r) for r in rows)
    sheet = Image.new("RGBA", (width, height), (246, 247, 249, 255))
    y = 0
    for r in rows:
        x = 0
        for t in r:
            sheet.paste(t, (x, y))
            x += t.width
        y += max(t.height for t in r)
    sheet.convert("RGB").save(path)


# --- mock-ups -----------------------------------------------------------------------

def _desktop(size):
    w, h = size
    strip = Image.new("RGB", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        strip.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip((232, 238, 247), (196, 212, 236))))
    return strip.resize(size).convert("RGBA")


def _stretch(img, size):
    return img.resize(size, Image.BILINEAR)


def _label(canvas, rect, text, colour, centre=False, wrap=False):
    """A one-line or word-wrapped label, vertically centred like the tool's statics."""
    d = ImageDraw.Draw(canvas)
    ascent, descent = DIALOG_FONT.getmetrics()
    line_h = ascent + descent
    x0, y0, x1, y1 = rect
    lines = [text]
    if wrap:
        lines, line = [], ""
        for ch in text:
            if DIALOG_FONT.getlength(line + ch) > x1 - x0 and line:
                lines.append(line)
                line = ch
            else:
                line += ch
        lines.append(line)
    top = y0 + ((y1 - y0) - line_h * len(lines)) // 2
    for i, ln in enumerate(lines):
        width = DIALOG_FONT.getlength(ln)
        x = x0 + ((x1 - x0) - width) / 2 if centre else x0
        d.text((x, top + i * line_h + ascent), ln, font=DIALOG_FONT, fill=colour, anchor="ls")


def _put(canvas, img, rect):
    x0, y0, x1, y1 = rect
    if img.size != (x1 - x0, y1 - y0):
        img = _stretch(img, (x1 - x0, y1 - y0))
    canvas.alpha_composite(img, (x0, y0))


def _main_window(folder, states, checked):
    """The shell at scale 1: frame 148 with the 400×600 panel laid on it."""
    win = Image.new("RGBA", (410, 611), (0, 0, 0, 0))
    win.alpha_composite(_load(folder, 148))
    panel = _load(folder, 149)
    # Controls lay patches of the panel and their own images over it.
    _label(panel, (188, 16, 328, 31), "1.1.22.1017", (255, 255, 255))
    _put(panel, _load(folder, 151 + states["close"]), (368, 0, 394, 34))
    _put(panel, _load(folder, 157 + states["minimise"]), (340, 0, 366, 34))
    for base, left in ((206, 51), (210, 159), (214, 266)):
        state = states.get(base, 0) if checked else 3
        _put(panel, _load(folder, base + state), (left, 280, left + 82, 327))
    _put(panel, _load(folder, 165 + states["more"]), (50, 545, 108, 563))
    unit = int(DIALOG_FONT.getlength("同意《Ostrel服务工具使用许可协议》")) // 14
    box_right = 26 + 2 * unit
    d = ImageDraw.Draw(panel)
    d.rectangle((8, 575, box_right - 1, 594), fill=(255, 255, 255))
    cell = _load(folder, 150).crop((16, 0, 32, 16) if checked else (0, 0, 16, 16))
    panel.alpha_composite(cell, (8, 577))
    _label(panel, (26, 575, box_right, 595), "同意", (0, 0, 0))
    _label(panel, (box_right + 6, 575, box_right + 6 + 14 * unit, 595),
           "《Ostrel服务工具使用许可协议》", (92, 92, 255))
    fw = int(DIALOG_FONT.getlength("反馈问题") + 4 + 2 + 6)
    _label(panel, (400 - fw - 6, 575, 394, 595), "反馈问题", (92, 92, 255))
    win.alpha_composite(panel, (5, 4))
    return win


def mock_main(folder, path):
    desk = _desktop((900, 680))
    a = _main_window(folder, {"close": 0, "minimise": 0, 206: 0, 210: 1, 214: 2, "more": 0}, True)
    b = _main_window(folder, {"close": 1, "minimise": 2, "more": 1}, False)
    desk.alpha_composite(a, (30, 30))
    desk.alpha_composite(b, (460, 30))
    d = ImageDraw.Draw(desk)
    d.text((30, 650), "left: 中 hover, 小 pressed   right: unticked (size buttons disabled), close hover, minimise pressed, 更多工具 hover",
           font=LABEL_FONT, fill=(40, 40, 40))
    desk.convert("RGB").save(path)


def _prompt(folder, text, first, second, hover_first=False):
    """A message prompt at scale 1: frame 169 stretched to 336×156, content 170 to 326×146."""
    win = Image.new("RGBA", (336, 156), (0, 0, 0, 0))
    win.alpha_composite(_stretch(_load(folder, 169), (336, 156)))
    content = _stretch(_load(folder, 170), (326, 146))
    _put(content, _load(folder, 174), (300, 8, 312, 20))
    _label(content, (10, 30, 316, 106), text, (0, 0, 0), wrap=True)
    if second is None:
        _put(content, _load(folder, first + (1 if hover_first else 0)), (135, 107, 190, 131))
    else:
        _put(content, _load(folder, first + (1 if hover_first else 0)), (96, 107, 151, 131))
        _put(content, _load(folder, second), (175, 107, 230, 131))
    win.alpha_composite(content, (5, 3))
    return win


def mock_prompts(folder, path):
    desk = _desktop((1500, 420))
    shots = [
        (_prompt(folder, "请保存好数据，确定要运行吗？", 180, 171), (30, 30)),
        (_prompt(folder, "设置任务栏大小成功,设置后需要重启电脑生效,是否重启电脑？", 183, 177, True), (420, 30)),
        (_prompt(folder, "设置任务栏大小失败", 180, None), (30, 220)),
    ]
    for img, xy in shots:
        desk.alpha_composite(img, xy)
    # The close glyph's and the buttons' states, enlarged.
    for row, ids in enumerate(((174, 175, 176, 180, 181, 182), (183, 184, 185, 171, 172, 173, 177, 178, 179))):
        x = 420
        for rid in ids:
            img = _load(folder, rid)
            big = img.resize((img.width * 2, img.height * 2), Image.NEAREST)
            desk.alpha_composite(big, (x, 230 + row * 64))
            x += big.width + 8
    desk.convert("RGB").save(path)


def _working(folder, dots):
    win = Image.new("RGBA", (232, 132), (0, 0, 0, 0))
    win.alpha_composite(_load(folder, 155))
    content = _load(folder, 156)
    _label(content, (10, 32, 194, 72), "正在设置，请稍等" + "." * dots, (255, 255, 255), centre=True)
    win.alpha_composite(content, (14, 12))
    return win


def _feedback(folder, states):
    win = Image.new("RGBA", (410, 479), (0, 0, 0, 0))
    win.alpha_composite(_load(folder, 186))
    content = _load(folder, 187)
    for base, top in ((197, 154), (202, 234), (161, 314)):
        _put(content, _load(folder, base + states.get(base, 0)), (67, top, 333, top + 60))
    win.alpha_composite(content, (5, 4))
    return win


def mock_feedback(folder, path):
    desk = _desktop((1180, 540))
    desk.alpha_composite(_feedback(folder, {}), (30, 30))
    desk.alpha_composite(_feedback(folder, {197: 1, 202: 2, 161: 3}), (470, 30))
    desk.alpha_composite(_working(folder, 0), (910, 60))
    desk.alpha_composite(_working(folder, 3), (910, 220))
    balloon = _load(folder, 201).resize((230, 171), Image.BILINEAR)
    desk.alpha_composite(balloon, (910, 360))
    d = ImageDraw.Draw(desk)
    d.text((470, 515), "right: solved hover, not solved pressed, other disabled", font=LABEL_FONT, fill=(40, 40, 40))
    desk.convert("RGB").save(path)


def write_all(folder, out):
    os.makedirs(out, exist_ok=True)
    jobs = [
        ("contact-sheet.png", contact_sheet),
        ("mock-main.png", mock_main),
        ("mock-prompts.png", mock_prompts),
        ("mock-feedback-working.png", mock_feedback),
    ]
    paths = []
    for name, job in jobs:
        path = os.path.join(out, name)
        job(folder, path)
        paths.append(path)
    return paths
