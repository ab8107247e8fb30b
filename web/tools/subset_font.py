"""Makes the page's font: IPA P Gothic cut down to the characters the game writes, narrowed to 90 %
as the desktop narrows it (the window was laid out for MS P Gothic, which IPA P Gothic draws wider),
renamed, and saved as WOFF2.

Under the IPA Font License a changed font is a derived program: it must not carry the IPA name in
its font names or its file name, and it ships with the licence and says where the original is.

usage: subset_font.py FONT OUT.woff2 FAMILY TEXT-FILE...
The characters are every character of the text files (the game's sources and catalogues) and
printable ASCII.
"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

NARROW = 0.9
# The names that name the font itself are replaced; the copyright and licence records stay.
RENAMED = {1: "{family}", 2: "Regular", 3: "{family} Regular", 4: "{family}", 6: "{postscript}"}
KEPT = (0, 13, 14)


def characters(paths):
    text = "".join(chr(c) for c in range(0x20, 0x7F))
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text += f.read()
    return "".join(sorted(set(c for c in text if c.isprintable() or c == "\u3000")))


def narrow(font):
    glyf, hmtx = font["glyf"], font["hmtx"]
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            for component in glyph.components:
                component.x = round(component.x * NARROW)
        elif glyph.numberOfContours > 0:
            glyph.coordinates.scale((NARROW, 1))
            glyph.coordinates.toInt()
        glyph.recalcBounds(glyf)
        advance, _ = hmtx[name]
        hmtx[name] = (round(advance * NARROW), getattr(glyph, "xMin", 0))


def rename(font, family):
    table = font["name"]
    table.names = [r for r in table.names if r.nameID in KEPT]
    for name_id, template in RENAMED.items():
        table.setName(template.format(family=family, postscript=family.replace(" ", "")), name_id, 3, 1, 0x409)


def main(argv):
    if len(argv) < 5:
        sys.exit("usage: subset_font.py FONT OUT.woff2 FAMILY TEXT-FILE...")
    source, out, family, texts = argv[1], argv[2], argv[3], argv[4:]
    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    # The hints and the vertical metrics are of no use in the narrowed font.
    options.hinting = False
    options.drop_tables += ["vhea", "vmtx", "gasp"]
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(texts))
    subsetter.subset(font)
    narrow(font)
    rename(font, family)
    subset.save_font(font, out, options)


if __name__ == "__main__":
    main(sys.argv)
