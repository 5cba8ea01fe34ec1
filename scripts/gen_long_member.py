#!/usr/bin/env python3
"""Writes a long beam-column member file for scaling measurements: a simply supported
150UC30.0 (or --section) of 6 m under 150 kN compression and 4 kN/m, cut into POINTS-1
sub-spans, with a lateral brace every --brace-every points (0: braced only at the ends)."""
import argparse, json

ap = argparse.ArgumentParser(description=__doc__)
ap.add_argument("points", type=int)
ap.add_argument("--section", default="150UC30.0")
ap.add_argument("--brace-every", type=int, default=10)
ap.add_argument("--length", type=float, default=6.0)
a = ap.parse_args()
L, n, w, N = a.length, a.points - 1, 4.0, -150.0
shear = lambda x: w * (L / 2 - x)
moment = lambda x: w * x * (L - x) / 2
points = []
for i in range(n + 1):
    p = {"x": round(L * i / n, 9)}
    if i in (0, n):
        p["restraint"] = {"names": ["F"]}
    elif a.brace_every and i % a.brace_every == 0:
        p["restraint"] = {"names": ["lateral", "flange1", "flange2", "twist", "full_twist"]}
    points.append(p)
subs = []
for i in range(n):
    x0, x1 = L * i / n, L * (i + 1) / n
    subs.append({"forces_left": [N, shear(x0), 0], "forces_right": [N, shear(x1), 0],
                 "moments_left": [0, moment(x0), 0], "moments_right": [0, moment(x1), 0]})
print(json.dumps({"title": f"{a.section} beam-column, {a.points} points",
                  "units": {"length": "m", "force": "kN"}, "section": a.section,
                  "grade": "300PLUS", "points": points, "subspans": subs}))
