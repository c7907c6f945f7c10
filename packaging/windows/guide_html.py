#!/usr/bin/env python3
# One user's guide as one page that stands on its own, for the Windows zip:
#   guide_html.py <guide.md> <out.html> <title>
# The Markdown of docs/ becomes HTML (Debian's python3-markdown) with the
# heading anchors the guides link to (lower case, signs dropped, blanks as
# hyphens), every picture embedded as a data: URI, links to the other guide
# led to its page in the zip (Guide.html, Anleitung.html) and links to other
# files of the repository, which the zip does not hold, left as plain text.
# The language comes from the file name (guide.de.md: de). The same guide
# always gives the same bytes.
import base64
import html
import mimetypes
import pathlib
import re
import sys
import urllib.parse

import markdown
from markdown.extensions import Extension
from markdown.extensions.toc import TocExtension
from markdown.treeprocessors import Treeprocessor

PAGES = {"guide.de.md": "Anleitung.html", "guide.en.md": "Guide.html"}

STYLE = """
body { font-family: "Segoe UI", "Liberation Sans", Arial, sans-serif;
  font-size: 16px; line-height: 1.5; color: #1b1b1b; background: #fff;
  max-width: 54em; margin: 0 auto; padding: 1em 1.5em 3em; }
h1, h2, h3 { line-height: 1.25; margin: 1.6em 0 0.6em; }
h1 { font-size: 1.9em; } h2 { font-size: 1.45em; border-bottom: 1px solid #ddd; }
h3 { font-size: 1.15em; }
a { color: #0b57b0; }
img { max-width: 100%; height: auto; border: 1px solid #ccc; }
code { font-family: Consolas, "Liberation Mono", monospace; font-size: 0.95em;
  background: #f2f2f2; padding: 0.05em 0.3em; border-radius: 3px; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #ccc; padding: 0.3em 0.6em; vertical-align: top; text-align: left; }
th { background: #f2f2f2; }
li { margin: 0.2em 0; }
"""


def slug(text, separator):
    """A heading's anchor as GitHub makes it: lower case, signs dropped, blanks as hyphens."""
    return re.sub(r"[^\w\- ]", "", text.lower()).replace(" ", separator)


class Links(Treeprocessor):
    """Embeds the pictures and leads every link to where it works in the zip."""

    def __init__(self, md, folder):
        super().__init__(md)
        self.folder = folder

    def run(self, root):
        for image in root.iter("img"):
            path = self.folder / urllib.parse.unquote(image.get("src"))
            kind = mimetypes.guess_type(path.name)[0] or "application/octet-stream"
            image.set("src", f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode("ascii"))
        for link in root.iter("a"):
            href = link.get("href", "")
            target, _, anchor = href.partition("#")
            if not target or re.match(r"(https?|mailto):", target):
                continue
            name = pathlib.PurePosixPath(target).name
            if name in PAGES:
                link.set("href", PAGES[name] + ("#" + anchor if anchor else ""))
            else:  # a file of the repository: its text stays, the link goes
                link.tag = "span"
                link.attrib.clear()


class Guide(Extension):
    def __init__(self, folder):
        super().__init__()
        self.folder = folder

    def extendMarkdown(self, md):
        md.treeprocessors.register(Links(md, self.folder), "guide_links", 1)


def separate_items(text):
    """A blank line before a list item that follows an item's further paragraph.

    GitHub starts the next item there; Python-Markdown would take the item
    into that paragraph."""
    lines, indented = [], False
    for line in text.split("\n"):
        if lines and lines[-1].strip() and indented and re.match(r"(\d+\.|[-*+]) ", line):
            lines.append("")
        if not lines or not lines[-1].strip():
            indented = line.startswith(" ")
        lines.append(line)
    return "\n".join(lines)


def convert(source, title):
    match = re.search(r"\.([a-z]{2})\.md$", source.name)
    if not match:
        sys.exit(f"guide_html.py: {source.name} names no language (guide.<xx>.md)")
    # The guides indent nested lists and a list item's further paragraphs by
    # two or three blanks, as GitHub reads them: hence a tab of two.
    body = markdown.markdown(
        separate_items(source.read_text(encoding="utf-8")),
        extensions=["tables", "sane_lists", TocExtension(slugify=slug), Guide(source.parent)],
        tab_length=2,
        output_format="html",
    )
    return (
        "<!DOCTYPE html>\n"
        f'<html lang="{match.group(1)}">\n<head>\n<meta charset="utf-8">\n'
        '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
        f"<title>{html.escape(title)}</title>\n<style>{STYLE}</style>\n</head>\n"
        f"<body>\n{body}\n</body>\n</html>\n"
    )


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: guide_html.py <guide.md> <out.html> <title>")
    source, out, title = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
    out.write_bytes(convert(source, title).encode("utf-8"))


if __name__ == "__main__":
    main()
