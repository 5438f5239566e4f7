#!/usr/bin/env python3
"""Runs the conformance cases on the program's own engine (build/) and on Wine's (build-windows/),
and writes docs/conformance.md: every case with both answers, and for each difference its verdict.

Usage: tools/conformance-report.py [output]   (both builds must hold tests/conformance_test)
"""
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Why a case answers differently on the two engines. Every difference needs one; a difference
# without a verdict makes the script fail.
VERDICTS = {
    "media.open.missing_file": "Wine's deviation: a missing file gives 275 (MCIERR_FILE_NOT_FOUND) "
    "(Wine's MCI tests, run on Windows); Wine's MPEGVideo device fails to build its graph and "
    "answers 277.",
    "media.status.mode_after_play_wait": "Wine's deviation: `wait` returns only when play has "
    "ended (MS docs of the play command); Wine 8's MPEGVideo device returns at once.",
    "media.parse.unknown_keyword": "Wine's deviation: Windows answers an unknown keyword with 259 "
    "(UNRECOGNIZED_KEYWORD), Wine with 261 (the comments of Wine's MCI parser).",
    "media.status.closed_alias": "Wine's deviation: a name that is not open gives 263 "
    "(Wine's MCI tests, run on Windows); Wine tries to open it as a file first and answers 281.",
    "media.status.after_close_all": "Wine's deviation, as media.status.closed_alias.",
    "profile.write.keeps_lf_lines": "Wine's deviation: Windows leaves the other lines of the file "
    "as they were (Wine's profile tests, run on Windows); Wine writes the whole file anew with "
    "CR LF.",
    "profile.write.keeps_blank_lines_and_comments": "Wine's deviation: as "
    "profile.write.keeps_lf_lines; Wine also drops blank lines.",
    "drawing.pixel.set_pixel_right_of_edge": "Wine's deviation: SetPixel fails for a pixel outside "
    "the clipping region (MS docs of SetPixel); Wine 8's SetPixelV reports success.",
    "drawing.pixel.set_pixel_left_of_edge": "Wine's deviation, as "
    "drawing.pixel.set_pixel_right_of_edge.",
    "drawing.pixel.set_pixel_below_edge": "Wine's deviation, as "
    "drawing.pixel.set_pixel_right_of_edge.",
    "drawing.gradient_down": "Our deviation, kept: Windows runs each channel towards the far "
    "vertex's row, which it leaves unfilled, and cuts it at 16 bits (Wine's DIB drawing tests, "
    "which compare its pixels with Windows' by checksum, draw gradients so); ours gives the last "
    "filled row the far vertex's colour and rounds. How fractions are treated is the program's "
    "own choice, and the settings dialog's buttons are drawn this way on Linux; on Windows the "
    "system draws them.",
    "drawing.gradient_down_indices_reversed": "Our deviation, kept, as drawing.gradient_down.",
    "drawing.gradient_up": "Our deviation, kept, as drawing.gradient_down.",
    "drawing.roundrect_wide_corners": "Our deviation, open: our corner is the set of pixels whose "
    "centres lie inside the corner ellipse; Windows rasterises the ellipse otherwise (Wine's "
    "drawing tests, which match Windows', agree with Wine's answer). Corners of 4 pixels, which "
    "the frames use by default, agree.",
}

# What earlier runs found and fixed, for the report's record.
FIXED = [
    ("drawing.rectangle_null_pen",
     "our fault, fixed: without a pen a shape is filled one column and one row smaller (MS docs "
     "of Rectangle); ours filled the whole shape."),
]


def run(build, emulator_env):
    binary = os.path.join(build, "tests", "conformance_test")
    folder = os.path.join(build, "tests", "conformance")
    env = dict(os.environ, CORVANE_CONFORMANCE="1", **emulator_env)
    if emulator_env:
        command = [os.path.join(ROOT, "tools", "wine-run.sh"), binary + ".exe"]
    else:
        command = [binary]
    out = subprocess.run(command, cwd=folder, env=env, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, text=True, errors="replace").stdout
    answers, details = {}, {}
    for line in out.splitlines():
        fields = line.rstrip("\r").split("\t")
        if len(fields) == 4 and fields[0] == "conformance":
            answers[fields[1]] = fields[2]
            details[fields[1]] = fields[3]
    if not answers:
        sys.exit(f"no answers from {command[-1]}:\n{out}")
    return answers, details


def cell(text):
    return "`" + text.replace("|", "\\|").replace("`", "'") + "`" if text else ""


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "conformance.md")
    windows = os.path.join(ROOT, "build-windows")
    ours, our_texts = run(os.path.join(ROOT, "build"), {})
    wine, wine_texts = run(windows, {
        "WINEPREFIX": os.path.join(windows, "wine"),
        "HOME": os.path.join(windows, "tests", "conformance", "home")})

    names = list(ours) + [name for name in wine if name not in ours]
    differences = [name for name in names if ours.get(name) != wine.get(name)]
    missing = [name for name in differences if name not in VERDICTS]
    if missing:
        sys.exit("differences without a verdict: " + ", ".join(missing))

    lines = [
        "# Conformance: our engine against Wine's",
        "",
        "Made by `tools/conformance-report.py` (`make conformance`) from the cases in",
        "`tests/conformance/`: the same table run on the Linux build, which uses the program's own",
        "engine, and on the Windows build under Wine, which uses Wine's. An answer is the result,",
        "then after a bar what the call left (the answer text, the buffer, the file's bytes, the",
        "pixels). Where the two differ, the verdict says which of them departs from Windows.",
        "",
        f"{len(names)} cases, {len(differences)} differences.",
        "",
        "## Differences",
        "",
        "| case | ours | Wine | verdict |",
        "|---|---|---|---|",
    ]
    for name in differences:
        lines.append(f"| {name} | {cell(ours.get(name, '(none)'))} | "
                     f"{cell(wine.get(name, '(none)'))} | {VERDICTS[name]} |")
    lines += ["", "## Found and fixed", "", "| cases | verdict |", "|---|---|"]
    lines += [f"| {cases} | {verdict} |" for cases, verdict in FIXED]
    lines += ["", "## Every case", "", "| case | ours | Wine |", "|---|---|---|"]
    for name in names:
        lines.append(f"| {name} | {cell(ours.get(name, '(none)'))} | "
                     f"{cell(wine.get(name, '(none)'))} |")
    lines += ["", "## Error texts", "",
              "Each system words its error texts itself; the cases compare only what a caller",
              "relies on. The texts, for reference:", "", "| code | ours | Wine |", "|---|---|---|"]
    for name in names:
        if our_texts.get(name) or wine_texts.get(name):
            lines.append(f"| {name} | {our_texts.get(name, '')} | {wine_texts.get(name, '')} |")
    with open(output, "w", encoding="utf-8") as file:
        file.write("\n".join(lines) + "\n")
    print(f"{output}: {len(names)} cases, {len(differences)} differences")


if __name__ == "__main__":
    main()
