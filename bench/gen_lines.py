#!/usr/bin/env python3
"""Generates the line charts that bench/peer.sh draws with qplot and gnuplot.

    gen_lines.py OUTDIR [--charts N] [--seed S]

Each chart is 800 x 400 pixels: a title, a category axis of 365 days with
the months' names at their first days and the caption "Day", a value axis
with grid lines and the caption "Value", 5 line series of 365 values and a
legend.  Writes into OUTDIR, from the same numbers:

    in/lNNNN.csv, lines.qpj      one chart description file per chart and
                                 the job file (input directory "in", pages
                                 to "out"), for qplot
    gp/lNNNN.dat, lines.gp       one data file per chart (day and the 5
                                 values per row) and one gnuplot script
                                 that draws every chart with the SVG
                                 terminal into gp-out/lNNNN.svg

The same arguments always give the same bytes.
"""
import argparse
import os
import random

DAYS = 365
SERIES = 5
COLORS = ["#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd"]
MONTHS = [("Jan", 1), ("Feb", 32), ("Mar", 60), ("Apr", 91), ("May", 121), ("Jun", 152),
          ("Jul", 182), ("Aug", 213), ("Sep", 244), ("Oct", 274), ("Nov", 305), ("Dec", 335)]


def walk(rng):
    v = rng.uniform(20, 80)
    out = []
    for _ in range(DAYS):
        v = min(100.0, max(0.0, v + rng.uniform(-4, 4)))
        out.append("%.1f" % v)
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("outdir")
    ap.add_argument("--charts", type=int, default=200)
    ap.add_argument("--seed", type=int, default=20261207)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    for sub in ("in", "gp", "out", "gp-out"):
        os.makedirs(os.path.join(a.outdir, sub), exist_ok=True)

    first_days = {day: name for name, day in MONTHS}
    labels = ";".join(first_days.get(d + 1, "") for d in range(DAYS))
    xtics = ", ".join('"%s" %d' % (name, day) for name, day in MONTHS)
    names = []
    script = [
        "set terminal svg size 800,400 font 'Arial,11'",
        "set grid ytics",
        "set xrange [1:%d]" % DAYS,
        "set xtics (%s)" % xtics,
        "set xlabel 'Day'",
        "set ylabel 'Value'",
        "set key outside right top",
        "set title font 'Arial:Bold,16'",
    ]
    for c in range(a.charts):
        name = "l%04d" % c
        title = "Line chart %d" % (c + 1)
        series = [walk(rng) for _ in range(SERIES)]
        with open(os.path.join(a.outdir, "in", name + ".csv"), "w", newline="\n") as f:
            f.write("AREA;0;;800;400;white;%s\n" % name)
            f.write("TITLE;16;Arial;black;BOLD;;%s;\n" % title)
            f.write("X;1;black;11;Arial;black;;;Day;;%s;\n" % labels)
            f.write("Y1-;1;black;;;;;;11;Arial;black;;;Value;\n")
            for s, values in enumerate(series):
                f.write("D1;L1;1;%s;;Series %d;;%s;\n" % (COLORS[s], s + 1, ";".join(values)))
            f.write("LEGEND;;;;;;;;11;\n")
        with open(os.path.join(a.outdir, "gp", name + ".dat"), "w", newline="\n") as f:
            for d in range(DAYS):
                f.write("%d %s\n" % (d + 1, " ".join(values[d] for values in series)))
        script.append("set output 'gp-out/%s.svg'" % name)
        script.append("set title '%s'" % title)
        script.append("plot " + ", ".join(
            "'%s' using 1:%d with lines lw 1 lc rgb '%s' title 'Series %d'"
            % ("gp/%s.dat" % name if s == 0 else "", s + 2, COLORS[s], s + 1)
            for s in range(SERIES)))
        names.append(name + ".csv")
    script.append("unset output")

    with open(os.path.join(a.outdir, "lines.qpj"), "w", newline="\n") as f:
        f.write("in\nout\n" + "\n".join(names) + "\n")
    with open(os.path.join(a.outdir, "lines.gp"), "w", newline="\n") as f:
        f.write("\n".join(script) + "\n")


if __name__ == "__main__":
    main()
