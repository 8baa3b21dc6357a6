"""Renders every picture of data/images from the art modules."""
import os
import sys

import art_player
import art_props
import art_scene
import art_stars
import art_toys
import geometry as g
import svg
from geometry import Frame


def catalogue():
    """(file name, frame in world units, pixel size or None, drawing)."""
    return [
        ("wheel", g.WHEEL_FRAME, None, art_player.wheel),
        ("squirrel", g.SQUIRREL_FRAME, None, art_player.squirrel),
        ("quib", Frame(1.72, 1.72), (64, 64), art_player.icon),
        ("box", g.PLANK_FRAME, None, art_props.plank),
        ("distanceJoint", art_props.rope_frame(), (1024, 256), art_props.rope),
        ("frequencyJoint", art_props.rope_frame(), (1024, 256), art_props.spring),
        ("cardLeft", g.CARD_LEFT_FRAME, None, art_props.card_left),
        ("cardTop", g.CARD_TOP_FRAME, None, art_props.card_top),
        ("domino", g.DOMINO_FRAME, None, art_props.domino),
        ("hazelnut", g.HAZELNUT_FRAME, None, art_props.hazelnut),
        ("bird", g.BIRD_FRAME, None, art_props.bird),
        ("bird2", g.BIRD_FRAME, None, art_props.bird2),
        ("cannon", g.CANNON_FRAME, None, art_props.cannon),
        ("bowlingStar", Frame(2.0, 2.0), None, art_stars.bowling_star),
        ("balanceStar", Frame(5.0, 1.563), (256, 128), art_stars.balance_star),
        ("cherryStar", Frame(1.44, 2.0), (128, 128), art_stars.cherry_star),
        ("skateStar", Frame(3.5, 2.2), (256, 128), art_stars.skate_star),
        ("cannonStar", Frame(5.0, 5.0), (256, 256), art_stars.cannon_star),
        ("background", Frame(art_scene.BACKGROUND_SIZE, art_scene.BACKGROUND_SIZE), (1024, 1024),
         art_scene.background),
        ("tree", Frame(17.0, 17.0), (512, 512), art_scene.tree),
        ("underground", Frame(1.0, 1.0), (8, 8), art_scene.underground),
        ("dragbox", Frame(2.0, 14.0), (128, 1024), art_scene.drag_box),
        ("mute", Frame(1.2, 1.2), None, art_scene.mute),
        ("muted", Frame(1.2, 1.2), None, art_scene.muted),
        ("restart", Frame(1.2, 1.2), None, art_scene.restart),
        ("bowling", g.BOWLING_FRAME, None, art_toys.bowling),
        ("cherry", g.CHERRY_FRAME, None, art_toys.cherry),
        ("skate", g.SKATE_FRAME, None, art_toys.skate),
        ("skateWheel", g.SKATE_HUB_FRAME, (32, 32), art_toys.skate_hub),
        ("balance", g.BALANCE_FRAME, None, art_toys.balance),
        ("balanceFix", g.BALANCE_FIX_FRAME, None, art_toys.balance_fix),
        ("balanceDragBox", Frame(1.4, 1.4), None, art_toys.balance_icon),
        ("skateDragBox", Frame(1.6, 1.6), None, art_toys.skate_icon),
    ]


def main(out_dir, only=None):
    os.makedirs(out_dir, exist_ok=True)
    for name, frame, pixels, draw in catalogue():
        if only and name not in only:
            continue
        defs, items = draw()
        text = svg.document(frame, pixels or svg.pixels_for(frame), defs, items)
        svg.render(text, os.path.join(out_dir, name + ".png"))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/images", sys.argv[2:])
