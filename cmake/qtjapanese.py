#!/usr/bin/python3
"""Lists the characters of Qt's own words that the game shows in Japanese.

    qtjapanese.py LCONVERT QTBASE_JA_QM CHARACTERS_LIST

Reads Qt's Japanese translation (qtbase_ja.qm, Debian's
qt6-translations-l10n), which the game loads at run time, and writes the
characters of the words of the parts of Qt the game shows (a text box's
context menu with its shortcuts, the buttons Qt names, a message's OK, the
actions a screen reader lists) to CHARACTERS_LIST, one line, for the game's
font (see makegamefont.py). lconvert, Qt's own converter
(qt6-l10n-tools), reads the .qm.
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
    if len(arguments) != 3:
        sys.exit(__doc__.split("\n\n")[1])
    lconvert, source, characters_list = arguments
    with tempfile.TemporaryDirectory() as scratch:
        everything = pathlib.Path(scratch, "everything.ts")
        subprocess.run([lconvert, "-i", source, "-of", "ts", "-o", str(everything)], check=True)
        tree = ElementTree.parse(everything)
        characters = set()
        for context in tree.getroot().findall("context"):
            if context.findtext("name") not in CONTEXTS:
                continue
            for translation in context.iter("translation"):
                characters |= set(translation.text or "")
            for form in context.iter("numerusform"):
                characters |= set(form.text or "")
    text = "".join(sorted(c for c in characters if c.isprintable())) + "\n"
    pathlib.Path(characters_list).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1:])
