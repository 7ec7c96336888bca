#!/usr/bin/python3
"""Makes the game's font from Noto Sans CJK JP, in two steps.

    makegamefont.py --characters LIST [--mark MARK] CPP_FILE...
    makegamefont.py SOURCE_FONT OUTPUT_FONT LIST...

The first writes the characters of the string literals of the C++ files to
LIST, one line, and leaves LIST untouched when they are the ones it holds
already, so that the build cuts the font again only when the characters
change; when it does write LIST (or MARK is missing), it touches MARK, the
file the build follows. The second cuts the font, keeping the glyphs of every
character of the lists, of printable ASCII and of the full-width digits. Drops
the language systems:
HarfBuzz takes its language from LC_CTYPE, and the source face's `locl`
lookups for Chinese or Korean would then draw those forms of the game's
Japanese text. Every locale gets the forms of the default language systems,
which a locale without a CJK language always got. Renames the family, so that
no installed font of the same name stands in for it. The same source font and
fontTools give the same bytes.
"""

import os
import pathlib
import sys
import unicodedata

# fontTools is imported where the font is cut: listing characters runs at
# every build of a changed library, and it should take no longer than it must.

SOURCE_FAMILY = "Noto Sans CJK JP"
FAMILY = "Kestavine Gothic"
STYLE = "Regular"
POSTSCRIPT_NAME = "KestavineGothic-Regular"
DESCRIPTION = (
    "A subset of Noto Sans CJK JP Regular holding the characters of the "
    "kestavine game, without language-specific forms; a Modified Version "
    "under the SIL Open Font License 1.1.")

PRINTABLE_ASCII = {chr(code) for code in range(0x20, 0x7F)}
FULL_WIDTH_DIGITS = {chr(code) for code in range(0xFF10, 0xFF1A)}

# Features HarfBuzz applies to horizontal text. `locl` stays for the default
# language systems alone: they give digits in Latin text their proportional
# forms. Vertical forms are left out: the game never sets text vertically.
LAYOUT_FEATURES = ["calt", "ccmp", "clig", "curs", "dist", "kern", "liga", "locl",
                   "mark", "mkmk", "rclt", "rlig", "rvrn"]

# Name records naming the family; the rest (copyright, licence, designers)
# are kept as the licence asks.
FAMILY_NAME_IDS = {1, 2, 3, 4, 5, 6, 16, 17, 18, 21, 22, 25}


def literal_characters(code):
    """The characters inside the string literals of C++ source text."""
    characters = set()
    i = 0
    while i < len(code):
        if code.startswith("//", i):
            i = code.find("\n", i)
            if i < 0:
                break
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2)
            if i < 0:
                break
            i += 2
        elif code[i] == '"' or (code[i] == "'" and not (i and code[i - 1].isalnum())):
            # A quote after a letter or digit is a digit separator or follows
            # a prefix such as u8; either way it opens no literal to skip.
            quote = code[i]
            i += 1
            while i < len(code) and code[i] != quote:
                if code[i] == "\\":
                    i += 1
                elif quote == '"':
                    characters.add(code[i])
                i += 1
            i += 1
        else:
            i += 1
    # Spaces such as U+3000 are drawn too; only control characters are not.
    return {c for c in characters if not unicodedata.category(c).startswith("C")}


def write_characters(list_path, cpp_files, mark_path=None):
    characters = set()
    for path in cpp_files:
        characters |= literal_characters(pathlib.Path(path).read_text(encoding="utf-8"))
    text = "".join(sorted(characters)) + "\n"
    target = pathlib.Path(list_path)
    changed = not target.exists() or target.read_text(encoding="utf-8") != text
    if changed:
        target.parent.mkdir(parents=True, exist_ok=True)
        # Whole or not at all: the steps of several libraries may list at once.
        part = target.with_name(f"{target.name}.{os.getpid()}.part")
        part.write_text(text, encoding="utf-8")
        os.replace(part, target)
    if mark_path and (changed or not os.path.exists(mark_path)):
        mark = pathlib.Path(mark_path)
        mark.parent.mkdir(parents=True, exist_ok=True)
        mark.touch()


def shown_characters(list_paths):
    characters = PRINTABLE_ASCII | FULL_WIDTH_DIGITS
    for path in list_paths:
        characters |= set(pathlib.Path(path).read_text(encoding="utf-8").rstrip("\n"))
    return characters


def family_of(font):
    names = font["name"]
    return names.getDebugName(16) or names.getDebugName(1), names.getDebugName(17) or names.getDebugName(2)


def open_source_face(path):
    """The Regular face of SOURCE_FAMILY, from a font file or collection."""
    from fontTools.ttLib import TTFont
    from fontTools.ttLib.ttCollection import TTCollection

    with open(path, "rb") as file:
        is_collection = file.read(4) == b"ttcf"
    faces = TTCollection(path, recalcTimestamp=False).fonts if is_collection \
        else [TTFont(path, recalcTimestamp=False)]
    for face in faces:
        if family_of(face) == (SOURCE_FAMILY, STYLE):
            return face
    sys.exit(f"makegamefont: {path} has no {SOURCE_FAMILY} {STYLE} face")


def keep_no_language_systems(font):
    """Every language then takes the default language system's forms."""
    for tag in ("GSUB", "GPOS"):
        if tag in font:
            for record in font[tag].table.ScriptList.ScriptRecord:
                record.Script.LangSysRecord = []
                record.Script.LangSysCount = 0


def rename(font):
    names = font["name"]
    description = f"{DESCRIPTION} {names.getDebugName(10) or ''}".strip()
    names.names = [record for record in names.names if record.nameID not in FAMILY_NAME_IDS]
    revision = f"{font['head'].fontRevision:.3f}"
    for name_id, text in ((1, FAMILY), (2, STYLE), (3, f"{revision};{POSTSCRIPT_NAME}"),
                          (4, f"{FAMILY} {STYLE}"), (5, f"Version {revision}"),
                          (6, POSTSCRIPT_NAME), (10, description)):
        names.removeNames(nameID=name_id)
        names.setName(text, name_id, 3, 1, 0x409)
    if "CFF " in font:
        cff = font["CFF "].cff
        source_name = cff.fontNames[0]
        cff.fontNames = [POSTSCRIPT_NAME]
        top = cff.topDictIndex[0]
        top.FullName = f"{FAMILY} {STYLE}"
        top.FamilyName = FAMILY
        for part in getattr(top, "FDArray", []):
            part.FontName = part.FontName.replace(source_name, POSTSCRIPT_NAME, 1)


def main(arguments):
    if len(arguments) >= 2 and arguments[0] == "--characters":
        mark = None
        sources = arguments[2:]
        if len(sources) >= 2 and sources[0] == "--mark":
            mark, sources = sources[1], sources[2:]
        write_characters(arguments[1], sources, mark)
        return
    if len(arguments) < 3 or arguments[0].startswith("-"):
        sys.exit("usage: makegamefont.py --characters LIST [--mark MARK] CPP_FILE...\n"
                 "       makegamefont.py SOURCE_FONT OUTPUT_FONT LIST...")
    from fontTools import subset

    source, output, lists = arguments[0], arguments[1], arguments[2:]
    font = open_source_face(source)

    # Before subsetting, so that no glyph only a language system reaches is kept.
    keep_no_language_systems(font)
    options = subset.Options()
    options.layout_features = LAYOUT_FEATURES
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(shown_characters(lists))))
    subsetter.subset(font)
    rename(font)
    font.save(output)


if __name__ == "__main__":
    main(sys.argv[1:])
