#!/usr/bin/python3
"""Makes the game's Japanese translation of Qt's own words.

    qtjapanese.py LCONVERT QTBASE_JA_QM OUTPUT_QM CHARACTERS_LIST

Takes from Qt's Japanese translation (qtbase_ja.qm, Debian's
qt6-translations-l10n) the words of the parts of Qt the game shows: a text
box's context menu with its shortcuts, the buttons Qt names (a message's OK),
the actions a screen reader lists. Writes them as OUTPUT_QM, which the
program embeds, and their characters to CHARACTERS_LIST, one line, for the
game's font (see tools/fontgen/makegamefont.py). lconvert, Qt's own
converter (qt6-l10n-tools), reads and writes the .qm; the same inputs give
the same bytes.
"""

import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Qt's translation contexts of what the game can show.
CONTEXTS = {
    "QLineEdit",  # a settings box's context menu
    "QWidgetTextControl",  # a message's text, should a style let it be selected
    "QShortcut",  # the key names beside the menu's items
    "QPlatformTheme",  # the buttons Qt names: a message's OK
    "QAccessibleActionInterface",  # the actions a screen reader lists
}


def main(arguments):
    if len(arguments) != 4:
        sys.exit(__doc__.split("\n\n")[1])
    lconvert, source, output, characters_list = arguments
    with tempfile.TemporaryDirectory() as scratch:
        everything = pathlib.Path(scratch, "everything.ts")
        kept = pathlib.Path(scratch, "kept.ts")
        subprocess.run([lconvert, "-i", source, "-of", "ts", "-o", str(everything)], check=True)
        tree = ElementTree.parse(everything)
        root = tree.getroot()
        characters = set()
        for context in list(root.findall("context")):
            if context.findtext("name") not in CONTEXTS:
                root.remove(context)
                continue
            for translation in context.iter("translation"):
                characters |= set(translation.text or "")
            for form in context.iter("numerusform"):
                characters |= set(form.text or "")
        tree.write(kept, encoding="utf-8", xml_declaration=True)
        subprocess.run([lconvert, "-i", str(kept), "-of", "qm", "-o", output], check=True)
    text = "".join(sorted(c for c in characters if c.isprintable())) + "\n"
    target = pathlib.Path(characters_list)
    if not target.exists() or target.read_text(encoding="utf-8") != text:
        target.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1:])
