#!/usr/bin/env python3
"""Writes examples/batch.jsonl: a few hundred generated members, one member file per line.

Deterministic: the same seed gives the same file byte for byte. Simply supported beams under
uniform load (restrained at the ends, at midspan or at the third points, loads on the top
flange or at the shear centre), cantilevers with a tip load, and braced beam-columns with
axial load and end moments. Loads are scaled from each section's elastic modulus so the
utilisations spread around 1 (some members fail on purpose).

Usage: scripts/gen_batch.py [OUT] [--count N] [--seed S]
"""
import argparse
import json
import random

FY = 300.0  # MPa, a round figure for sizing the loads

# designation: (depth mm, Zx mm^3)
BEAMS = {
    "150UB14.0": (150.0, 88.8e3), "180UB16.1": (173.0, 123e3), "200UB25.4": (203.2, 232e3),
    "250UB31.4": (251.6, 354e3), "310UB40.4": (304.0, 569e3), "360UB50.7": (355.6, 798e3),
    "410UB59.7": (406.4, 1060e3), "460UB74.6": (457.4, 1460e3), "530UB92.4": (533.0, 2080e3),
}
# designation: (depth mm, Zx mm^3, Ag mm^2)
COLUMNS = {
    "150UC30.0": (157.6, 223e3, 3860.0), "200UC46.2": (203.4, 451e3, 5900.0),
    "250UC72.9": (253.8, 897e3, 9320.0), "310UC96.8": (308.0, 1450e3, 12400.0),
}
F_END = {"names": ["F"]}
BRACE = {"names": ["lateral", "flange1", "flange2", "twist", "full_twist"]}


def pick(rng, items):
    return items[int(rng.random() * len(items))]


def r3(v):
    return round(v, 3)


def subspans_udl(xs, w, v0, m0):
    """Sub-spans of a member with M(x) = m0 + v0 x - w x^2/2 (kN, m), V = dM/dx."""
    out = []
    for a, b in zip(xs, xs[1:]):
        out.append({
            "forces_left": [0, r3(v0 - w * a), 0], "forces_right": [0, r3(v0 - w * b), 0],
            "moments_left": [0, r3(m0 + v0 * a - w * a * a / 2), 0],
            "moments_right": [0, r3(m0 + v0 * b - w * b * b / 2), 0]})
    return out


def beam(rng, i):
    name = pick(rng, sorted(BEAMS))
    depth, zx = BEAMS[name]
    span = round(3.0 + 6.0 * rng.random(), 1)
    bracing = pick(rng, ["ends", "midspan", "thirds"])
    top_flange = rng.random() < 0.6
    # Midspan moment wL^2/8 at 0.2 to 0.8 of the yield moment.
    target = (0.2 + 0.6 * rng.random()) * FY * zx * 1e-6  # kN·m
    w = r3(8.0 * target / span ** 2)
    braced_at = {"ends": [], "midspan": [span / 2], "thirds": [span / 3, 2 * span / 3]}[bracing]
    xs = sorted(set([0.0, span / 4, span / 2, 3 * span / 4, span] + braced_at))
    points = []
    for x in xs:
        restraint = F_END if x in (0.0, span) else (BRACE if x in braced_at else None)
        point = {"x": r3(x)}
        if restraint:
            point["restraint"] = restraint
        points.append(point)
    height = r3(depth / 2000.0) if top_flange else 0.0
    return {
        "title": f"B{i} {name} beam, {span} m, braced at {bracing}",
        "units": {"length": "m", "force": "kN"},
        "section": name, "grade": "300PLUS", "points": points,
        "segments": [{"restraint": {"load_height": height}} for _ in xs[1:]],
        "cases": [{"name": "ULS", "subspans": subspans_udl(xs, w, w * span / 2, 0.0)}],
    }


def cantilever(rng, i):
    name = pick(rng, sorted(BEAMS))
    depth, zx = BEAMS[name]
    length = round(1.0 + 2.5 * rng.random(), 1)
    target = (0.2 + 0.6 * rng.random()) * FY * zx * 1e-6
    p = r3(target / length)
    xs = [0.0, length / 2, length]
    fixed = {"names": ["F", "rotation_x", "rotation_y", "lateral_rotation"]}
    points = [{"x": 0.0, "restraint": fixed}, {"x": r3(length / 2)}, {"x": r3(length)}]
    # Tip load P at x = L: V = P, M(x) = -P (L - x).
    subspans = []
    for a, b in zip(xs, xs[1:]):
        subspans.append({
            "forces_left": [0, p, 0], "forces_right": [0, p, 0],
            "moments_left": [0, r3(-p * (length - a)), 0],
            "moments_right": [0, r3(-p * (length - b)), 0]})
    return {
        "title": f"C{i} {name} cantilever, {length} m",
        "units": {"length": "m", "force": "kN"},
        "section": name, "grade": "300PLUS", "points": points,
        "segments": [{"restraint": {"load_height": r3(depth / 2000.0)}} for _ in subspans],
        "subspans": subspans,
    }


def beam_column(rng, i):
    name = pick(rng, sorted(COLUMNS))
    depth, zx, area = COLUMNS[name]
    height = round(3.0 + 3.0 * rng.random(), 1)
    axial = r3(-(0.1 + 0.4 * rng.random()) * FY * area * 1e-3)  # kN, compression
    m_bottom = r3((0.1 + 0.3 * rng.random()) * FY * zx * 1e-6)
    m_top = r3(m_bottom * (2.0 * rng.random() - 1.0))  # single or double curvature
    v = r3((m_top - m_bottom) / height)
    xs = [0.0, height / 2, height]
    m_mid = r3((m_bottom + m_top) / 2)
    moments = [m_bottom, m_mid, m_top]
    subspans = []
    for k in range(2):
        subspans.append({
            "forces_left": [axial, v, 0], "forces_right": [axial, v, 0],
            "moments_left": [0, moments[k], 0], "moments_right": [0, moments[k + 1], 0]})
    return {
        "title": f"K{i} {name} braced column, {height} m",
        "units": {"length": "m", "force": "kN"},
        "section": name, "grade": "300PLUS",
        "points": [{"x": 0.0, "restraint": F_END}, {"x": r3(height / 2)},
                   {"x": r3(height), "restraint": F_END}],
        "cases": [{"name": "ULS", "subspans": subspans}],
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out", nargs="?", default="examples/batch.jsonl")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=4100)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    makers = [beam, beam, beam, cantilever, beam_column]
    with open(args.out, "w", encoding="utf-8") as out:
        for i in range(1, args.count + 1):
            member = pick(rng, makers)(rng, i)
            out.write(json.dumps(member, separators=(",", ":")) + "\n")


if __name__ == "__main__":
    main()
