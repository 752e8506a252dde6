#!/usr/bin/env python3
"""Generates the large inputs that bench/memory.sh runs qplot on.

    gen_big.py OUTDIR [--size-mb N] [--long-mb N] [--job-mb N] [--seed S]

Writes one directory per input into OUTDIR; qplot is run from inside it:

    big/big.csv     about N million bytes (--size-mb, default 200) of
                    charts on one shared page: every record kind (AREA,
                    whole and cut record words, BORDER, PLOT, TITLE, X with
                    up to 1,000 labels, Y1, Y2, LEGEND, D1 and D2 series of
                    every type with up to 1,000 values, up to 100 series a
                    scale), stencils (big/*.stencil), blank lines, blanks
                    before records, CR LF line ends in some charts, X and D
                    records continued over lines with a trailing "\\", D
                    records ending in a "#" comment.  The charts of the
                    first tenth are drawn (a page of about 3.5 times the
                    file); after it about a third of the charts also hold
                    faulty lines (comment lines, wrong colours, bad values,
                    too many values, a title too long), which the run log
                    echoes; the first of them turns its chart and every
                    later one into an error page.
    long/long.csv   one chart whose D1 record is a single line of about N
                    million bytes (--long-mb, default 20): 1,000 values
                    written with very many digits or padded with blanks; no
                    errors.
    echo/echo.csv   one drawn chart, then a chart whose D1 record is a
                    single line of about --long-mb million bytes holding
                    1,001 values: the run log echoes that line whole.
    job/job.qpj     a job file of about N million bytes (--job-mb, default
                    20): the input directory "in", the output directory
                    "out", then chart description file names, each of a few
                    small files under job/in/ named over and over (with
                    "\\" between directories, some with blanks before
                    them), empty lines, and some names of files that do not
                    exist.

Each directory also gets expect.txt, what the run must show: "exit N"
(qplot's exit code), "generated N" (charts logged as generated),
"not_found N" (files logged as not found) and "echoed L1 L2 ..." (the line
numbers of the lines the run log echoes, in order).  The same arguments
always give the same bytes.
"""
import argparse
import os
import random

COLORS = ["black", "silver", "gray", "maroon", "purple", "fuchsia", "aqua",
          "teal", "navy", "olive", "lime", "blue", "green", "red", "white",
          "yellow"]
MAX_VALUES = 1000
MAX_SERIES = 100
POOL = 300          # value lists drawn once and picked from


def color(rng):
    if rng.random() < 0.6:
        return rng.choice(COLORS + [c.upper() for c in COLORS[:3]])
    return "#%06x" % rng.randrange(0x1000000)


class Writer:
    """A file written line by line, counting bytes and lines."""

    def __init__(self, path):
        self.f = open(path, "w", newline="")
        self.bytes = 0
        self.lines = 0
        self.crlf = False

    def line(self, text):
        end = "\r\n" if self.crlf else "\n"
        self.f.write(text + end)
        self.bytes += len(text) + len(end)
        self.lines += 1

    def close(self):
        self.f.close()


def value_pool(rng):
    """Value lists of 1,000 values, as texts: random walks, a few gaps."""
    pool = []
    for _ in range(POOL):
        v = rng.uniform(0, 1000)
        out = []
        for _ in range(MAX_VALUES):
            v = min(1000.0, max(-50.0, v + rng.uniform(-25, 25)))
            out.append("" if rng.random() < 0.01 else "%.3f" % v)
        pool.append(out)
    return pool


def labels(rng, n):
    style = rng.randrange(3)
    if style == 0:
        return [str(i + 1) for i in range(n)]
    if style == 1:
        return ["2026-%02d-%02d" % (1 + i // 28 % 12, 1 + i % 28) for i in range(n)]
    return ["Site %d/%s" % (i, rng.choice(["north", "south", "east", "west"])) for i in range(n)]


def listed(w, head, items, per_line=None):
    """A record whose list (labels or values) is written on one line, or
    continued over lines with a trailing backslash."""
    if per_line is None:
        w.line(head + ";".join(items) + ";")
        return
    first = True
    for i in range(0, len(items), per_line):
        part = ";".join(items[i:i + per_line]) + ";"
        more = i + per_line < len(items)
        w.line((head if first else "") + part + ("\\" if more else ""))
        first = False


def series(w, rng, axis, kind, size, text, values, continued=False, comment=False):
    url = rng.choice(["", "", "https://example.org/s/%d" % rng.randrange(1000), "detail.htm"])
    head = "D%d;%s;%s;%s;%s;%s;%s;" % (axis, kind, size, color(rng), color(rng), text, url)
    if rng.random() < 0.1:
        head = "   " + head
    if comment:
        w.line(head + ";".join(values) + ";# raw figures, revised %d" % rng.randrange(1, 13))
        return
    listed(w, head, values, rng.choice([100, 125, 250]) if continued else None)


def chart(w, rng, pool, n, stencils, faulty):
    """One chart; returns the line numbers of the faulty lines it holds."""
    faults = []
    ident = "chart_%d" % n
    word = rng.choice(["AREA", "AREA", "A", "Ar", "area"])
    if stencils and rng.random() < 0.3:
        w.line("%s;;;;;;%s;%s;;;" % (word, ident, rng.choice(stencils)))
    else:
        w.line("%s;%d;;%d;%d;%s;%s;;;;" % (word, rng.randrange(0, 40), rng.choice([900, 1000, 1200]),
                                          rng.choice([450, 500, 600]), rng.choice(["white", "#fffff0"]),
                                          ident))
    if rng.random() < 0.7:
        w.line("%s;%d;%s;%s;%s" % (rng.choice(["BORDER", "B", "Bo"]), rng.choice([1, 2, 3]), color(rng),
                                   rng.choice(["", "S", "SHADOW"]), rng.choice(["", "R", "ROUND"])))
    w.line("%s;%d;%d;%d;%d;%s" % (rng.choice(["PLOT", "P"]), rng.randrange(60, 90), rng.randrange(60, 90),
                                  rng.randrange(30, 50), rng.randrange(50, 80), rng.choice(["", "#f0f8ff"])))
    w.line("%s;16;Arial;%s;BOLD;;Chart %d: figures & trends <%s>;" % (
        rng.choice(["TITLE", "T", "ti"]), color(rng), n, rng.choice(["daily", "by site"])))
    if rng.random() < 0.1:
        w.line("")

    kind = rng.choices(["lines", "bars", "markers", "pies"], [50, 20, 20, 10])[0]
    if kind == "pies":
        k = rng.randrange(4, 13)
        w.line("X30;1;black;10;Arial;black;;;;;%s;" % ";".join("Part %d" % i for i in range(k)))
        variant = rng.choice("1234")
        used = {1: rng.randrange(3, 9), 2: 0}
        for s in range(used[1]):
            values = [str(abs(float(v))) if v else "1" for v in rng.choice(pool)[:k]]
            series(w, rng, 1, "P" + variant, "90" if s == 0 else "", "Slice %d" % s, values)
    else:
        npoints = rng.choice([365, 730, 1000, 1000])
        mark = rng.choice(["", "|", "+", "|45", "90"])
        head = "X%s;1;black;9;Arial;black;;;Day;;" % mark
        listed(w, head, labels(rng, npoints), rng.choice([None, 100, 200]))
        w.line("Y1-;1;black;;;;;;9;Arial;black;;;Left;")
        w.line("Y2;1;navy;0;;;;;9;Arial;navy;;;>Right;")
        used = {1: 0, 2: 0}
        extra = []
        if kind == "bars":
            extra = [(1, rng.choice(["R", "RS"]), "40") for _ in range(rng.randrange(2, 6))]
            extra.append((1, rng.choice(["V", "VS"]), "9"))
        elif kind == "markers":
            extra = [(2, "M%d%s" % (rng.randrange(1, 7), rng.choice(["", "S"])), "8")
                     for _ in range(rng.randrange(2, 6))]
        bulk = rng.randrange(20, MAX_SERIES - 10)
        for s in range(bulk):
            sub = rng.choice(["L1", "L1", "L1", "L1", "L2", "L3", "L1S", "L3S"])
            series(w, rng, 1, sub, rng.choice(["", "1", "2"]), "Line %d'Tooltip of line %d" % (s, s),
                   rng.choice(pool)[:npoints], continued=rng.random() < 0.3, comment=rng.random() < 0.1)
            used[1] += 1
            if s == 0:
                series(w, rng, 1, "M4", "6", "^marks", rng.choice(pool)[:npoints])
                used[1] += 1
        for axis, sub, size in extra:
            series(w, rng, axis, sub, size, "%s series" % sub, rng.choice(pool)[:npoints],
                   continued=rng.random() < 0.5)
            used[axis] += 1
        for s in range(rng.randrange(1, 4)):
            series(w, rng, 2, "L1", "2", "~Right %d" % s, rng.choice(pool)[:npoints])
            used[2] += 1
    w.line("%s;;;;;;%d;;10;Arial;black;;;1;gray;" % (rng.choice(["LEGEND", "L", "LEGEND+", "Leg"]),
                                                    rng.randrange(2, 6)))

    if faulty:
        # Faulty lines: each is reported once and echoed, and none takes the
        # axes past their 100 series.
        for _ in range(rng.randrange(1, 4)):
            fault = rng.randrange(6)
            if fault == 4 and used[1] >= MAX_SERIES - 1:
                fault = 0
            if fault in (1, 2, 3) and used[2] >= MAX_SERIES - 1:
                fault = 0
            if fault == 0:
                w.line("# %s: figures revised on 2026-%02d-%02d" % (ident, rng.randrange(1, 13),
                                                                   rng.randrange(1, 29)))
            elif fault == 1:
                w.line("D2;L1;2;reddish;;Wrong colour;;%s;" % ";".join(rng.choice(pool)[:200]))
            elif fault == 2:
                values = list(rng.choice(pool)[:300])
                values[rng.randrange(300)] = "12o5"
                w.line("D2;M3;8;red;white;Bad value;;%s;" % ";".join(values))
            elif fault == 3:
                values = rng.choice(pool) + ["1.5"]
                w.line("D2;L2;1;blue;;Too many;;%s;" % ";".join(values))
            elif fault == 4:
                w.line("D1;R;40;black;red;Bars;;%s;" % ";".join(rng.choice(pool)[:50]) + "x;")
            else:
                w.line("TITLE;16;Arial;black;;;%s;" % ("A title far too long " * 30))
            faults.append(w.lines)
            if fault in (1, 2, 3):
                used[2] += 1
            elif fault == 4:
                used[1] += 1
    return faults


def write_big(outdir, rng, size_mb, pool):
    os.makedirs(outdir, exist_ok=True)
    stencils = []
    for k, (width, height) in enumerate([(1000, 500), (1200, 450), (900, 600)]):
        name = "house_%d.stencil" % k
        with open(os.path.join(outdir, name), "w", newline="\n") as f:
            f.write("AREA;0;;%d;%d;%s\n" % (width, height, rng.choice(["white", "#fdfdfd"])))
            f.write("BORDER;1;gray;SHADOW;\nPLOT;80;70;40;60;\n")
            f.write("LEGEND;;;;;;3;;10;Verdana;#333333;;;1;silver;\n")
        stencils.append(name)

    target = size_mb * 1_000_000
    path = os.path.join(outdir, "big.csv")
    w = Writer(path)
    faults, generated, n = [], 0, 0
    while w.bytes < target:
        # The first tenth is drawn; the first chart after it has faults,
        # and so does every third or so of the later ones.
        faulty = w.bytes >= target // 10 and (not faults or rng.random() < 0.3)
        w.crlf = n % 7 == 3
        mine = chart(w, rng, pool, n, stencils, faulty)
        if not faults and not mine:
            generated += 1
        faults += mine
        n += 1
        if rng.random() < 0.3:
            w.line("")
    w.close()
    write_expect(outdir, generated, 0, faults)


def long_value(rng, nbytes):
    """A value of about `nbytes` characters: many decimals, or blanks."""
    whole = str(rng.randrange(1000))
    if rng.random() < 0.5:
        digits = "".join(rng.choice("0123456789") for _ in range(64))
        reps = max(1, (nbytes - len(whole)) // 64)
        return whole + "." + digits * reps
    return " " * max(0, nbytes - len(whole) - 2) + whole + ".5"


def write_long(outdir, rng, long_mb, pool):
    os.makedirs(outdir, exist_ok=True)
    per_value = long_mb * 1_000_000 // MAX_VALUES
    w = Writer(os.path.join(outdir, "long.csv"))
    w.line("AREA;0;;1000;500;white;long_chart;;;;")
    w.line("TITLE;16;Arial;black;BOLD;;One long record;")
    w.line("X;1;black;9;Arial;black;;;Day;;%s;" % ";".join(str(i + 1) for i in range(MAX_VALUES)))
    w.line("Y1-;1;black;;;;;;9;Arial;black;;;Value;")
    w.line("D1;L1;1;red;;Short;;%s;" % ";".join(pool[0]))
    # Built a value at a time and written at once: one line.
    values = [long_value(rng, per_value) for _ in range(MAX_VALUES)]
    w.line("D1;L1;2;navy;;Long;;%s;" % ";".join(values))
    w.line("D1;M4;6;black;white;^marks;;%s;" % ";".join(pool[1]))
    w.line("LEGEND;;;;;;;;10;")
    w.close()
    write_expect(outdir, 1, 0, [])


def write_echo(outdir, rng, long_mb, pool):
    os.makedirs(outdir, exist_ok=True)
    per_value = long_mb * 1_000_000 // (MAX_VALUES + 1)
    w = Writer(os.path.join(outdir, "echo.csv"))
    w.line("AREA;0;;800;400;white;drawn;;;;")
    w.line("X;1;black;9;Arial;black;;;;;%s;" % ";".join(str(i + 1) for i in range(100)))
    w.line("D1;L1;1;red;;Drawn;;%s;" % ";".join(pool[2][:100]))
    w.line("AREA;0;;800;400;white;faulty;;;;")
    values = [long_value(rng, per_value) for _ in range(MAX_VALUES + 1)]
    w.line("D1;L1;2;navy;;Too many;;%s;" % ";".join(values))
    w.close()
    write_expect(outdir, 1, 0, [w.lines])


def small_chart(rng, name):
    n = rng.choice([12, 24, 52])
    out = "AREA;0;;500;300;white;%s;;;;\n" % name
    out += "TITLE;14;Arial;black;BOLD;;%s;\n" % name.replace("_", " ")
    out += "X;1;black;10;Arial;black;;;;;%s;\n" % ";".join(str(i + 1) for i in range(n))
    out += "Y1-;1;black;0;;;;;10;Arial;black;;;Units;\n"
    for s in range(rng.randrange(1, 4)):
        kind = rng.choice(["L1", "R", "M3"])
        vals = ";".join("%.1f" % rng.uniform(0, 100) for _ in range(n))
        out += "D1;%s;2;%s;%s;S%d;;%s;\n" % (kind, color(rng), color(rng), s, vals)
    return out + "LEGEND;;;;;;;;10;\n"


def write_job(outdir, rng, job_mb):
    names = []
    for region in ["north", "south", "east", "west"]:
        sub = os.path.join("reports", "2026", region)
        os.makedirs(os.path.join(outdir, "in", sub), exist_ok=True)
        os.makedirs(os.path.join(outdir, "out", sub), exist_ok=True)
        for k, topic in enumerate(["monthly_sales_by_product_group", "costs_and_margins_per_branch",
                                   "staff_hours_against_plan", "stock_levels_at_month_end",
                                   "customer_complaints_by_channel", "energy_use_per_site"]):
            base = "%s_q%d" % (topic, k % 4 + 1)
            with open(os.path.join(outdir, "in", sub, base + ".csv"), "w", newline="\n") as f:
                f.write(small_chart(rng, "%s_%s" % (region, base)))
            names.append("reports\\2026\\%s\\%s.csv" % (region, base))
    missing = ["reports\\2019\\north\\retired_report_%d.csv" % k for k in range(5)]

    target = job_mb * 1_000_000
    w = Writer(os.path.join(outdir, "job.qpj"))
    w.line("in")
    w.line("out")
    generated = not_found = 0
    while w.bytes < target:
        r = rng.random()
        if r < 0.03:
            w.line("")
        elif r < 0.04:
            w.line(rng.choice(missing))
            not_found += 1
        else:
            w.line(" " * rng.choice([0, 0, 0, 0, 2, 4]) + rng.choice(names))
            generated += 1
    w.close()
    write_expect(outdir, generated, not_found, [])


def write_expect(outdir, generated, not_found, echoed):
    with open(os.path.join(outdir, "expect.txt"), "w", newline="\n") as f:
        f.write("exit %d\ngenerated %d\nnot_found %d\nechoed %s\n" % (
            1 if echoed else 0, generated, not_found, " ".join(str(x) for x in echoed)))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("outdir")
    ap.add_argument("--size-mb", type=int, default=200)
    ap.add_argument("--long-mb", type=int, default=20)
    ap.add_argument("--job-mb", type=int, default=20)
    ap.add_argument("--seed", type=int, default=20261208)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    pool = value_pool(rng)
    write_big(os.path.join(a.outdir, "big"), rng, a.size_mb, pool)
    write_long(os.path.join(a.outdir, "long"), rng, a.long_mb, pool)
    write_echo(os.path.join(a.outdir, "echo"), rng, a.long_mb, pool)
    write_job(os.path.join(a.outdir, "job"), rng, a.job_mb)


if __name__ == "__main__":
    main()
