#!/usr/bin/env python3
"""Makes the run command's page of screenshots and its contact sheet.

    shots_index.py SHOTS-FOLDER

reads SHOTS-FOLDER/manifest.tsv (one line per picture: file, name, caption, language, dpi,
tab-separated, as scripts/shots.sh writes it) and writes SHOTS-FOLDER/index.html and
SHOTS-FOLDER/contact-sheet.png (ImageMagick's montage): one row per window, one column per
language and resolution, each picture with its caption, language and dpi.
"""

import html
import os
import subprocess
import sys

LANGUAGES = {"en": "English", "ja": "Japanese"}


def read_manifest(folder):
    rows = []
    with open(os.path.join(folder, "manifest.tsv"), encoding="utf-8") as manifest:
        for line in manifest:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 5 and os.path.exists(os.path.join(folder, fields[0])):
                rows.append(dict(zip(("file", "name", "caption", "lang", "dpi"), fields)))
    return rows


def layout(rows):
    """The windows in the order first photographed, the (language, dpi) columns in order, and
    the picture of each cell."""
    names, captions, cells = [], {}, {}
    for row in rows:
        if row["name"] not in captions:
            names.append(row["name"])
            captions[row["name"]] = row["caption"]
        cells[(row["name"], row["lang"], int(row["dpi"]))] = row["file"]
    columns = sorted({(lang, dpi) for _, lang, dpi in cells},
                     key=lambda c: (list(LANGUAGES).index(c[0]) if c[0] in LANGUAGES else 9, c[1]))
    return names, captions, columns, cells


def label(caption, lang, dpi, separator=", "):
    return "%s%s%s, %d dpi" % (caption, separator, LANGUAGES.get(lang, lang), dpi)


def write_html(folder, names, captions, columns, cells):
    out = ['<!DOCTYPE html>', '<html lang="en"><head><meta charset="utf-8">',
           '<title>Dimora suite: screenshots</title>',
           '<style>body{font-family:sans-serif;margin:1em;background:#f4f4f2}'
           'table{border-collapse:collapse}th,td{border:1px solid #ccc;padding:6px;'
           'vertical-align:top;background:#fff}th{background:#e8eeee}'
           'img{max-width:320px;max-height:260px;display:block}'
           'figcaption{font-size:12px;color:#333;margin-top:4px}</style></head><body>',
           '<h1>Dimora suite: every window, by language and screen resolution</h1>',
           '<p>Taken by <code>scripts/run.sh</code> under Wine on simulated monitors. '
           'Click a picture for its full size. Overview: '
           '<a href="contact-sheet.png">contact-sheet.png</a>.</p>',
           '<table><tr><th>Window</th>']
    for lang, dpi in columns:
        out.append('<th>%s<br>%d dpi</th>' % (LANGUAGES.get(lang, lang), dpi))
    out.append('</tr>')
    for name in names:
        out.append('<tr><th>%s<br><small>%s</small></th>'
                   % (html.escape(captions[name]), html.escape(name)))
        for lang, dpi in columns:
            picture = cells.get((name, lang, dpi))
            if not picture:
                out.append('<td></td>')
                continue
            text = html.escape(label(captions[name], lang, dpi))
            out.append('<td><figure style="margin:0"><a href="%s"><img src="%s" alt="%s" '
                       'loading="lazy"></a><figcaption>%s</figcaption></figure></td>'
                       % (picture, picture, text, text))
        out.append('</tr>')
    out.append('</table></body></html>')
    with open(os.path.join(folder, "index.html"), "w", encoding="utf-8") as page:
        page.write("\n".join(out) + "\n")


def write_contact_sheet(folder, names, captions, columns, cells):
    command = ["montage", "-font", "DejaVu-Sans", "-pointsize", "12",
               "-background", "#f4f4f2"]
    for name in names:
        for lang, dpi in columns:
            picture = cells.get((name, lang, dpi))
            if picture:
                command += ["-label", label(captions[name], lang, dpi, "\n"),
                            os.path.join(folder, picture)]
            else:
                command += ["-label", "", "null:"]
    command += ["-tile", "%dx" % len(columns), "-geometry", "300x240+8+8", "-depth", "8",
                os.path.join(folder, "contact-sheet.png")]
    subprocess.run(command, check=True)


def main():
    folder = sys.argv[1]
    names, captions, columns, cells = layout(read_manifest(folder))
    if not names:
        sys.exit("shots_index.py: no screenshots in %s" % folder)
    write_html(folder, names, captions, columns, cells)
    write_contact_sheet(folder, names, captions, columns, cells)


if __name__ == "__main__":
    main()
