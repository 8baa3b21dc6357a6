"""Renders the game's icon at the sizes a desktop asks for, for installation."""
import os
import sys

import art_player
import svg
from geometry import Frame

SIZES = (32, 48, 64, 128, 256)


def main(out_dir):
    defs, items = art_player.icon()
    for size in SIZES:
        folder = os.path.join(out_dir, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        text = svg.document(Frame(1.72, 1.72), (size, size), defs, items)
        svg.render(text, os.path.join(folder, "quib.png"))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "packaging/icons")
