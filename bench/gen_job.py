#!/usr/bin/env python3
"""Generates a deterministic benchmark job for qplot.

    gen_job.py OUTDIR [--scale N] [--seed S]

Writes into OUTDIR: the chart description files (2,000 x scale files mixing
every series type: L1-L3 with and without S, M1-M6, R, RS, V, VS, P1-P4),
a few stencil files, and the job file bench.qpj whose input directory is
"in" and output directory "out" (run qplot from OUTDIR).  Most files hold
one chart of typical size (up to 10 series of 365 values); some hold
several charts on a shared page or on pages of their own; some name a
stencil; 3 x scale files are maximal charts of 100 series of 1,000 values
on both axes.  The same arguments always give the same bytes.
"""
import argparse
import os
import random

COLORS = ["black", "silver", "gray", "maroon", "purple", "fuchsia", "aqua",
          "teal", "navy", "olive", "lime", "blue", "green", "red", "white",
          "yellow"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep",
          "Oct", "Nov", "Dec"]
STENCILS = 5


def color(rng):
    if rng.random() < 0.5:
        return rng.choice(COLORS)
    return "#%06x" % rng.randrange(0x1000000)


def values(rng, n, lo=0.0, hi=100.0, gaps=False):
    out = []
    v = rng.uniform(lo, hi)
    for _ in range(n):
        v = min(hi, max(lo, v + rng.uniform(-(hi - lo) / 10, (hi - lo) / 10)))
        if gaps and rng.random() < 0.02:
            out.append("")
        else:
            out.append("%.1f" % v)
    return out


def series(axis, kind, width, c1, c2, text, vals, url=""):
    return "D%d;%s;%s;%s;%s;%s;%s;%s;\n" % (axis, kind, width, c1, c2, text, url,
                                             ";".join(vals))


def labels(n):
    if n <= 12:
        return MONTHS[:n]
    return [str(i + 1) for i in range(n)]


def x_record(rng, n, angle=None):
    if angle is None:
        angle = rng.choice(["", "", "", "45", "90"])
    marks = rng.choice(["", "", "|", "+"])
    return "X%s%s;1;black;11;Arial;black;;;%s;;%s;\n" % (
        marks, angle, rng.choice(["", "Day", "Category"]), ";".join(labels(n)))


def y_record(rng, axis, lo=None):
    grid = rng.choice(["", "-"])
    low = "" if lo is None else lo
    return "Y%d%s;1;%s;%s;;;;;11;Arial;black;;;%s;\n" % (
        axis, grid, rng.choice(["black", "gray", "navy"]), low,
        rng.choice(["", "Units", ">Units", "<Value"]))


def legend(rng, entries):
    layout = rng.randrange(5)
    if layout == 0:
        return "LEGEND;;;;;;;;12;\n"
    if layout == 1:
        return "LEGEND+;;;;;#f5f5f5;%d;;11;Arial;black;;;1;gray;\n" % min(3, max(1, entries))
    if layout == 2:
        return "LEGEND;;;;;;;%d;12;;;;;1;black;SHADOW;ROUND;\n" % max(1, (entries + 1) // 2)
    if layout == 3:
        return "LEGEND;;;;;white;;;11;Verdana;navy;BOLD;ITALIC;2;navy;\n"
    return ""   # no legend


def area(rng, ident, stencil=None, output="", top=None):
    t = "" if top is None else str(top)
    if stencil is not None:
        return "AREA;;;;;;%s;st%d.stencil;%s\n" % (ident, stencil, output)
    return "AREA;%d;%s;%d;%d;%s;%s;;%s\n" % (
        rng.randrange(0, 40), t, rng.choice([400, 500, 600, 800]),
        rng.choice([300, 360, 400, 500]), rng.choice(["white", "#fffff0", "white"]),
        ident, output)


def frame(rng, title):
    out = ""
    if rng.random() < 0.4:
        out += "BORDER;%d;%s;%s;%s;\n" % (rng.choice([1, 2, 3]), color(rng),
                                          rng.choice(["", "S"]), rng.choice(["", "R"]))
    if rng.random() < 0.5:
        out += "PLOT;%d;%d;%d;%d;%s\n" % (rng.randrange(40, 80), rng.randrange(20, 60),
                                          rng.randrange(30, 60), rng.randrange(30, 80),
                                          rng.choice(["", "#f0f8ff"]))
    out += "TITLE;%d;Arial;%s;%s;;%s;\n" % (rng.choice([14, 16, 18]), color(rng),
                                            rng.choice(["", "BOLD"]), title)
    return out


def typical_points(rng):
    r = rng.random()
    if r < 0.25:
        return 365
    if r < 0.45:
        return 52
    if r < 0.85:
        return 12
    return rng.randrange(20, 120)


def chart_body(rng, name):
    """The records of one chart after its AREA record (and the number of
    legend entries)."""
    kind = rng.choices(["line", "area", "markers", "bars", "values", "pies", "dual"],
                       [30, 10, 15, 20, 5, 10, 10])[0]
    n = typical_points(rng)
    out = frame(rng, "%s %s" % (kind, name))
    entries = 0
    if kind == "pies":
        n = rng.randrange(1, 13)
        out += x_record(rng, n, angle=rng.choice(["", "30"]))
        variant = rng.choice("1234")
        for s in range(rng.randrange(2, 7)):
            out += series(1, "P" + variant, rng.choice(["", "0", "90", "450"]) if s == 0 else "",
                          "white", color(rng), "Part %d" % (s + 1), values(rng, n, 1, 50))
            entries += 1
        return out + legend(rng, entries)
    out += x_record(rng, n)
    if kind == "dual":
        out += y_record(rng, 1, "0") + y_record(rng, 2)
        for s in range(rng.randrange(1, 4)):
            out += series(1, "R", rng.choice(["", "50"]) if s == 0 else "", "black",
                          color(rng), "Bars %d" % s, values(rng, n, 0, 1000))
            entries += 1
        for s in range(rng.randrange(1, 4)):
            out += series(2, "L1", 2, color(rng), "", "Line %d" % s, values(rng, n, 0, 50, True))
            entries += 1
            if rng.random() < 0.5:
                out += series(2, "M%d" % rng.randrange(1, 7), 8, color(rng), "white", "^",
                              values(rng, n, 0, 50))
        return out + legend(rng, entries)
    out += y_record(rng, 1, rng.choice([None, "0"]))
    count = rng.choice([1, 2, 3, 5, 10, 10])
    for s in range(count):
        if kind == "line":
            sub = rng.choice(["L1", "L1", "L2", "L1S"])
            out += series(1, sub, rng.choice([1, 2, 3, 6]), color(rng), "",
                          "Line %d" % s, values(rng, n, -20, 80, True))
        elif kind == "area":
            out += series(1, rng.choice(["L3", "L3S"]), 1, "black", color(rng),
                          "Area %d" % s, values(rng, n, 0, 100))
        elif kind == "markers":
            sub = "M%d%s" % (rng.randrange(1, 7), rng.choice(["", "", "S"]))
            out += series(1, sub, rng.choice([6, 10, 14, 20]), color(rng), color(rng),
                          "Marks %d" % s, values(rng, n, 0, 100, True))
        elif kind == "bars":
            out += series(1, rng.choice(["R", "R", "RS"]), rng.choice(["", "40"]),
                          "black", color(rng), "Bars %d" % s, values(rng, n, -10, 100))
        else:
            out += series(1, rng.choice(["V", "VS"]), 11, color(rng), rng.choice(["", "white"]),
                          "", values(rng, n, 0, 100))
            out += series(1, "M4", 6, "black", "white", "Points %d" % s, values(rng, n, 0, 100))
        entries += 1
    return out + legend(rng, entries)


def maximal_chart(rng, name):
    out = "AREA;0;;1200;800;white;%s\n" % name
    out += "TITLE;16;Arial;black;BOLD;;Maximal chart %s;\n" % name
    out += "X;1;black;9;Arial;black;;;;;%s;\n" % ";".join(str(i + 1) for i in range(1000))
    out += "Y1-;1;black;;;;;;9;Arial;black;;;Left;\nY2;1;black;;;;;;9;Arial;black;;;Right;\n"
    for axis in (1, 2):
        for s in range(100):
            kind = ["L1", "M%d" % (s % 6 + 1), "L2", "L3"][s % 4]
            out += series(axis, kind, 2 if kind[0] == "L" else 8, color(rng), color(rng),
                          "S%d.%d" % (axis, s), values(rng, 1000, 0, 1000))
    return out + "LEGEND+;;;;;;8;;10;\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("outdir")
    ap.add_argument("--scale", type=int, default=1)
    ap.add_argument("--seed", type=int, default=20261206)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    indir = os.path.join(a.outdir, "in")
    os.makedirs(indir, exist_ok=True)
    os.makedirs(os.path.join(a.outdir, "out"), exist_ok=True)

    for k in range(STENCILS):
        with open(os.path.join(indir, "st%d.stencil" % k), "w") as f:
            f.write("AREA;;;%d;%d;%s\n" % (rng.choice([500, 600]), rng.choice([320, 400]),
                                           rng.choice(["white", "#fdfdfd"])))
            f.write("BORDER;1;gray;SHADOW;\nPLOT;60;30;50;40;\n")
            f.write("LEGEND;;;;;;;;11;Verdana;#333333;;;1;silver;\n")

    names = []
    files = 2000 * a.scale
    maximal = set(rng.sample(range(files), 3 * a.scale))
    for i in range(files):
        name = "c%05d" % i
        path = os.path.join(indir, name + ".csv")
        r = rng.random()
        if i in maximal:
            text = maximal_chart(rng, name)
        elif r < 0.75:
            stencil = rng.randrange(STENCILS) if rng.random() < 0.2 else None
            text = area(rng, name, stencil) + chart_body(rng, name)
        elif r < 0.90:      # several charts on one shared page
            text = ""
            for k in range(rng.randrange(2, 4)):
                text += area(rng, "%s_%d" % (name, k), top=10 + 420 * k) + chart_body(rng, name)
        else:               # several charts, each on a page of its own
            text = ""
            for k in range(2):
                text += area(rng, "%s_%d" % (name, k), output="out\\%s_%d.htm" % (name, k)) \
                        + chart_body(rng, name)
        with open(path, "w", newline="\n") as f:
            f.write(text)
        names.append(name + ".csv")

    with open(os.path.join(a.outdir, "bench.qpj"), "w", newline="\n") as f:
        f.write("in\nout\n" + "\n".join(names) + "\n")


if __name__ == "__main__":
    main()
