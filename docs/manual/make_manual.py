#!/usr/bin/python3
"""Builds the utility's user's manual as a PDF from its plain-text source.

Usage: make_manual.py SOURCE OUTPUT.pdf VERSION [MODEL]

The source starts with "key: value" lines (language, title, subtitle, version: the cover line
with {version} standing for VERSION, the utility's version, and model: the cover line for a
model's copy, with {model} standing for MODEL), then the text: "# " starts a
section, "## " a subsection, "- " a list item, any other line a paragraph. Japanese text is set
in IPA Gothic, embedded as a subset, with Japanese line breaking.
"""
import sys

from reportlab.lib.enums import TA_CENTER
from reportlab.lib.pagesizes import A4
from reportlab.lib.styles import ParagraphStyle
from reportlab.lib.units import mm
from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.platypus import ListFlowable, ListItem, Paragraph, SimpleDocTemplate, Spacer
from xml.sax.saxutils import escape

JAPANESE_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"
ACCENT = "#1b4f72"


def read_source(path):
    header, body = {}, []
    with open(path, encoding="utf-8") as source:
        lines = source.read().splitlines()
    at = 0
    while at < len(lines) and ":" in lines[at] and not lines[at].startswith(("#", "-")):
        key, value = lines[at].split(":", 1)
        header[key.strip()] = value.strip()
        at += 1
    body = [line for line in lines[at:] if line.strip()]
    return header, body


def styles(japanese):
    if japanese:
        pdfmetrics.registerFont(TTFont("IPAPGothic", JAPANESE_FONT))
        regular = bold = "IPAPGothic"
    else:
        regular, bold = "Helvetica", "Helvetica-Bold"
    wrap = "CJK" if japanese else None
    base = ParagraphStyle("body", fontName=regular, fontSize=10, leading=15, spaceAfter=5,
                          wordWrap=wrap)
    return {
        "title": ParagraphStyle("title", parent=base, fontName=bold, fontSize=22, leading=28,
                                alignment=TA_CENTER, textColor=ACCENT, spaceAfter=6),
        "subtitle": ParagraphStyle("subtitle", parent=base, fontSize=12, leading=16,
                                   alignment=TA_CENTER, spaceAfter=4),
        "section": ParagraphStyle("section", parent=base, fontName=bold, fontSize=14, leading=18,
                                  textColor=ACCENT, spaceBefore=10, spaceAfter=4),
        "subsection": ParagraphStyle("subsection", parent=base, fontName=bold, fontSize=11.5,
                                     leading=16, spaceBefore=6, spaceAfter=3),
        "body": base,
        "item": ParagraphStyle("item", parent=base, spaceAfter=2),
    }


def story(header, body, version, model, style):
    flow = [Paragraph(escape(header["title"]), style["title"]),
            Paragraph(escape(header.get("subtitle", "")), style["subtitle"])]
    if "version" in header:
        flow.append(Paragraph(escape(header["version"].replace("{version}", version)),
                              style["subtitle"]))
    if model and "model" in header:
        flow.append(Paragraph(escape(header["model"].replace("{model}", model)),
                              style["subtitle"]))
    flow.append(Spacer(1, 6 * mm))
    items = []

    def close_list():
        if items:
            flow.append(ListFlowable([ListItem(item, leftIndent=12) for item in items],
                                     bulletType="bullet", start="\u2022", leftIndent=12))
            items.clear()

    for line in body:
        if line.startswith("- "):
            items.append(Paragraph(escape(line[2:]), style["item"]))
            continue
        close_list()
        if line.startswith("## "):
            flow.append(Paragraph(escape(line[3:]), style["subsection"]))
        elif line.startswith("# "):
            flow.append(Paragraph(escape(line[2:]), style["section"]))
        else:
            flow.append(Paragraph(escape(line), style["body"]))
    close_list()
    return flow


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    header, body = read_source(sys.argv[1])
    version = sys.argv[3]
    model = sys.argv[4] if len(sys.argv) == 5 else ""
    japanese = header.get("language") == "ja"
    title = header["title"] + (f" ({model})" if model else "")
    document = SimpleDocTemplate(sys.argv[2], pagesize=A4, title=title, author="Orvane Corporation",
                                 leftMargin=22 * mm, rightMargin=22 * mm, topMargin=20 * mm,
                                 bottomMargin=20 * mm, invariant=1)
    document.build(story(header, body, version, model, styles(japanese)))


if __name__ == "__main__":
    main()
