#!/usr/bin/python3
"""Regenerates the skin artwork: src/res/png/<id>.png for every id of the image table.

Also redraws the application icon (make-icon.sh) and, for review, writes a contact
sheet and mock-ups of the four windows under build/art/. The output is the same
bytes on every run, so `make art` leaves the tree unchanged unless the art changed.
"""

import argparse
import os
import re
import struct
import subprocess
import sys

sys.dont_write_bytecode = True  # keep art/ free of caches

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)

import artwork  # noqa: E402
import review  # noqa: E402


def png_header(path):
    """(width, height, bit depth, colour type) from a PNG's IHDR."""
    with open(path, "rb") as f:
        head = f.read(29)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise ValueError(f"{path}: not a PNG")
    w, h, depth, colour = struct.unpack(">IIBB", head[16:26])
    return w, h, depth, colour


def write_images(images, out_dir, optimise):
    os.makedirs(out_dir, exist_ok=True)
    # Leave nothing behind that the table no longer lists.
    for name in os.listdir(out_dir):
        m = re.fullmatch(r"(\d+)\.png", name)
        if m and int(m.group(1)) not in artwork.TABLE:
            os.remove(os.path.join(out_dir, name))
    paths = []
    for rid in sorted(artwork.TABLE):
        w, h, alpha = artwork.TABLE[rid]
        img = images[rid].convert("RGBA" if alpha else "RGB")
        if img.size != (w, h):
            raise SystemExit(f"{rid}: drawn {img.size}, table says {(w, h)}")
        path = os.path.join(out_dir, f"{rid}.png")
        img.save(path, format="PNG", compress_level=9)
        paths.append(path)
    if optimise:
        # -nx keeps bit depth and colour type: RGB stays RGB and RGBA stays RGBA even
        # where the pixels would allow a smaller type, because the table fixes them.
        subprocess.run(["optipng", "-quiet", "-o5", "-nx", "-strip", "all", *paths], check=True)
    for rid, path in zip(sorted(artwork.TABLE), paths):
        w, h, alpha = artwork.TABLE[rid]
        got = png_header(path)
        want = (w, h, 8, 6 if alpha else 2)
        if got != want:
            raise SystemExit(f"{path}: header {got}, expected {want}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "src", "res", "png"))
    parser.add_argument("--review", default=os.path.join(ROOT, "build", "art"),
                        help="folder for the contact sheet and mock-ups")
    parser.add_argument("--no-optimise", action="store_true", help="skip optipng (drafts)")
    parser.add_argument("--no-icon", action="store_true", help="leave the icon alone")
    parser.add_argument("--no-review", action="store_true", help="skip the review pictures")
    args = parser.parse_args()

    if not args.no_icon:
        subprocess.run([os.path.join(HERE, "make-icon.sh")], check=True)
    images = artwork.build()
    write_images(images, args.out, not args.no_optimise)
    print(f"wrote {len(artwork.TABLE)} images to {os.path.relpath(args.out, ROOT)}")
    if not args.no_review:
        for path in review.write_all(args.out, args.review):
            print(f"review: {os.path.relpath(path, ROOT)}")


if __name__ == "__main__":
    main()
