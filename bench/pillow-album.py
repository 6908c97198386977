#!/usr/bin/env python3
# The album's three pictures of every photo made by Pillow the way gallery tools use it:
# each picture opened afresh and made by thumbnail() with reducing_gap 2, which lets the
# JPEG decoder shrink on load (draft), saved at the build's default qualities.
#   usage: pillow-album.py PHOTO_DIR OUT_DIR
import os
import sys

from PIL import Image

PICTURES = (("", (800, 800), 80), ("sm_", (100, 100), 60), ("preview_", (315, 186), 80))

photos, out = sys.argv[1], sys.argv[2]
for name in sorted(os.listdir(photos)):
    if not name.lower().endswith((".jpg", ".jpeg")):
        continue
    for prefix, box, quality in PICTURES:
        with Image.open(os.path.join(photos, name)) as image:
            image.thumbnail(box, reducing_gap=2.0)
            image.save(os.path.join(out, prefix + name), quality=quality)
