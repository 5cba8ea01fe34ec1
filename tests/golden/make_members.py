#!/usr/bin/env python3
"""Writes tests/golden/members.jsonl: the generated members of the golden report test.

The members of scripts/gen_batch.py (fixed seed), their section replaced in turn by one of
every shape (I, PFC, T, angle, CHS, RHS, SHS, a welded I and an unequal angle given by their
dimensions), some with minor-axis actions and torsion added, so that every section shape
writes its report. Deterministic: rerunning gives the same file byte for byte.

Usage: tests/golden/make_members.py [OUT]
"""
import json
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
import gen_batch  # noqa: E402

SEED = 16
COUNT = 36

# section, grade: cycled over the generated members (dimensions in m, the generator's unit)
SECTIONS = [
    (None, "300PLUS"),  # the generator's own UB or UC
    ("200PFC", "300PLUS"),
    ({"shape": "T", "cut_from": "460UB74.6"}, "300PLUS"),
    ("150x150x12EA", "300PLUS"),
    ("165.1x5.4CHS", "C350L0"),
    ("250x150x9RHS", "C350L0"),
    ("150x150x9SHS", "C350L0"),
    ("300PFC", "300PLUS"),
    ({"shape": "I", "D": 0.4, "B": 0.2, "T": 0.012, "tw": 0.008, "category": "HW"}, "300PLUS"),
    ({"shape": "angle", "name": "125x75x8UA", "d": 0.125, "b": 0.075, "t": 0.008, "r1": 0.008,
      "r2": 0.004}, "300PLUS"),
    ("273.1x9.3CHS", "C350L0"),
    ("200x200x20EA", "300PLUS"),
]


def subspans_of(member):
    if "cases" in member:
        return [s for case in member["cases"] for s in case["subspans"]]
    return member["subspans"]


def add_minor_and_torsion(member, minor, torque):
    """Minor-axis shear and moment as `minor` times the major ones, a uniform torque."""
    for s in subspans_of(member):
        for side in ("left", "right"):
            forces, moments = s["forces_" + side], s["moments_" + side]
            forces[2] = round(minor * forces[1], 3)
            moments[2] = round(minor * moments[1], 3)
            moments[0] = torque


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__),
                                                             "members.jsonl")
    rng = random.Random(SEED)
    makers = [gen_batch.beam, gen_batch.cantilever, gen_batch.beam_column]
    with open(out, "w", encoding="utf-8") as f:
        for i in range(COUNT):
            member = makers[i % len(makers)](rng, i + 1)
            section, grade = SECTIONS[i % len(SECTIONS)]
            if section is not None:
                member["section"] = section
                member["grade"] = grade
            if i % 4 == 1:
                add_minor_and_torsion(member, 0.25, 0)
            elif i % 4 == 3:
                add_minor_and_torsion(member, 0.1, 0.5)
            f.write(json.dumps(member, separators=(",", ":")) + "\n")


if __name__ == "__main__":
    main()
