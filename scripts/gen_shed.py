#!/usr/bin/env python3
"""Writes examples/shed/: a two-frame portal shed (20 m span, 6 m eaves, pinned bases) as an
analysis program exports it: members.csv, forces.csv (kN, kNm, stations along each member)
and combinations.json. The actions are the closed-form ones of a pinned-base portal under
uniform roof load, with wind suction on the roof and pressure on the windward column."""
import json
import pathlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "examples" / "shed"
SPAN, HEIGHT = 20.0, 6.0
RAFTER = SPAN / 2  # horizontal rafter length taken as its length (low pitch)
# Roof load on the rafter (kN/m, downward positive) and the wind on the windward column (kN/m).
ROOF = {"G": 2.0, "Q": 1.2, "W": -3.0}
COLUMN_WIND = {"G": 0.0, "Q": 0.0, "W": 2.5}
EAVE_RATIO = 0.06  # eave moment = -0.06 w SPAN^2 (pinned-base portal, stiff rafter)


def rafter(w, n=11):
    me = -EAVE_RATIO * w * SPAN**2
    v0 = w * RAFTER  # no shear at the ridge by symmetry
    thrust = -me / HEIGHT
    rows = []
    for i in range(n):
        x = RAFTER * i / (n - 1)
        rows.append((x, -thrust, 0.0, v0 - w * x, 0.0, me + v0 * x - w * x * x / 2, 0.0))
    return rows


def column(w, q, windward, n=7):
    mt = -EAVE_RATIO * w * SPAN**2  # eave moment, hogging at the top
    qq = q if windward else 0.0
    v0 = (mt + qq * HEIGHT**2 / 2) / HEIGHT
    rows = []
    for i in range(n):
        x = HEIGHT * i / (n - 1)
        rows.append((x, -w * RAFTER, 0.0, v0 - qq * x, 0.0, v0 * x - qq * x * x / 2, 0.0))
    return rows


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    # Purlins hold the top flange every 1.25 m; fly braces at every second purlin hold both.
    purlins = "; ".join(f"{x:g}:flange2" + (" flange1 lateral twist" if i % 2 else "")
                        for i, x in enumerate((1.25, 2.5, 3.75, 5, 6.25, 7.5, 8.75)))
    members = ["member,group,section,grade,length [m],restraints,load_height [mm]"]
    forces = ["member,case,x [m],N [kN],Vx [kN],Vy [kN],T [kNm],Mx [kNm],My [kNm]"]
    for frame in (1, 2):
        for side in ("L", "R"):
            col, raf = f"C{frame}{side}", f"R{frame}{side}"
            # Frame 2's columns are too light: the schedule shows them failing.
            column_section = "310UB40.4" if frame == 1 else "310UB32.0"
            members.append(f"{col},columns,{column_section},300PLUS,{HEIGHT:g},,")
            members.append(f"{raf},rafters,310UB40.4,300PLUS,{RAFTER:g},\"0:F; {purlins}; 10:F\",124")
            for case in ROOF:
                for row in column(ROOF[case], COLUMN_WIND[case], side == "L"):
                    forces.append(",".join([col, case] + [f"{v:.3f}" for v in row]))
                for row in rafter(ROOF[case]):
                    forces.append(",".join([raf, case] + [f"{v:.3f}" for v in row]))
    (OUT / "members.csv").write_text("\n".join(members) + "\n")
    (OUT / "forces.csv").write_text("\n".join(forces) + "\n")
    combinations = {"combinations": [
        {"name": "1.35G", "factors": {"G": 1.35}},
        {"name": "1.2G+1.5Q", "factors": {"G": 1.2, "Q": 1.5}},
        {"name": "0.9G+Wu", "factors": {"G": 0.9, "W": 1.0}},
    ]}
    (OUT / "combinations.json").write_text(json.dumps(combinations, indent=2) + "\n")


if __name__ == "__main__":
    main()
