"""Writes the object drawings data/shapes/<name>.svg from geometry.py."""
import os
import sys

import geometry
import polygon
import shapefile


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, outlines in geometry.shape_files().items():
        for label, points in outlines:
            problem = polygon.fault(points) if len(points) > 1 else ""
            if problem:
                sys.exit("%s.svg, %s: %s" % (name, label, problem))
        shapefile.write(os.path.join(out_dir, name + ".svg"), outlines)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/shapes")
