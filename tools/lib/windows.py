"""The window layouts: the form of tools/sources/windows/*.txt, its reader and
its checks. tools/make_windows.py writes the windows and grid files it reads;
tools/make_pages.py reads tools/sources/pages/*.txt with it, and
tools/make_levels.py the size of the level list.

Sources: tools/sources/windows/*.txt, read in file-name order (a file may hold
several windows). "#" starts a comment (outside quotes), blank lines are
skipped, and indentation (spaces, two a level by habit) nests lines.

Variables, at the start of a line:

    $panel = "data/share/image/gui dialog.png"

  A variable holds one value; later values use it as $panel (alone or inside
  a value, e.g. "$folder x.png"). It is seen by the rest of its file and by
  every file read after it, so tools/sources/windows/0_assets.txt names the
  shared pictures and fonts once. Defining a variable twice is refused.

A window:

    window Confirm_Exit G_WINDOW_CONFIRM      the name (letters, digits, "_";
                                              also its file's name) and _type
      open SH_MOVE_DOWN 0.4      _typeOpen, and _timeShow (seconds) if given
      close SH_MOVE_UP 0.3       _typeClose, and _timeHide if given
      delay 0.2 0                _delayShow, _delayHide
      place middle               _typePos: "middle" (POS_MIDDLE_SCREEN), or
                                 "pixels X Y" (POS_IN_PIX), or "screen FX FY"
                                 (POS_AUTO: fractions of the screen)
      modal                      _modal="1"
      layer 10
      background $backdrop size=1024,768 from=0,255,255,255 to=160,255,255,255
                                 the full-screen picture and its colours
                                 (a, r, g, b) as the window opens
      sound 3 click              widget 3 plays "click" (a sound of
                                 tools/sources/sounds.txt) when clicked
      attr name=value ...        further attributes of the window element, as
                                 written (a screen's own settings)
      element SETTINGS text_color=FF2E3440 : text
                                 a child element of the window, attributes as
                                 written, its text after a lone ":"; indented
                                 lines below it are its own child elements,
                                 in the same form without the word "element"
      gui                        the widget tree, indented below:
        IMAGE ID=1 TEXTURE=$panel at=0,0
        BUTTON5 ID=3 TEXTURE=$button at=-95,55 size=150,48
          WLABEL ID=0 FONT=$body FONT_TEXTURE=$body_page TEXT=yes
        ...

  Each widget line is a GUI XML element (LABEL, WLABEL, IMAGE, BUTTON5,
  BUTTON2, PANEL, PANEL9, CHECKBOX, CHECKBOX_IOS, LINEBOX, LISTBOX,
  PROGRESS_BAR, ANIMATION_BAR, SLIDER12, SLIDER13, SIMPLESLIDER) with its
  attributes written as they are read (upper case, e.g. ID=3, FONT_COLOR=...),
  and a few lower-case keys that become the element's child elements:
      at=X,Y            <POSITION>X Y</POSITION>
      size=W,H          <SIZE>W H</SIZE>
      transform=12 numbers separated by commas   <TRANSFORM>
      input_area=L,T,R,B                         <INPUT_AREA>
      items=a|b|c       <ITEMS><item>a</item>...</ITEMS>
      on_down=name (on_up, on_enter, on_leave, on_grab, on_filled,
      on_value_changed) <SCRIPTS><script EVENT="DOWN">name</script>...
  Widgets indented under a widget are its children (<CONTEXT>).

  Clicks land on what is drawn: a BUTTON5, BUTTON2 or CHECKBOX drawn with a
  picture that keeps room around its face (the FACES of tools/lib/faces.py:
  a shadow, the pressed look's drop) is given
  HIT_INSET="left top right bottom", those margins, unless the line gives
  one; so is a grid item (its "hit") drawn on such a background picture, or
  whose first widget, drawn over the item's whole place (no "at"), is one.

A grid file (a paged list's items, framework/pages.h), beside the windows:

    pages levels_grid cols=4 rows=2 interval_x=24 turn_type=SLIDE_HORIZONTAL
                                 the file's name (as a window's; it is
                                 written beside the windows) and the
                                 attributes of its <pages> element
      item x16 background=$tile text_shift_y=-18
                                 an item, its attributes as written; "xN"
                                 writes N copies of it
        font fntName=sans_bold_28 fntColor=FF2E3440
                                 a child element of the item, as "element"
                                 lines are written (without the word)
        IMAGE ID=2 TEXTURE=$veil  a widget of the item's own tree, as in a
                                 window's gui (ids unique in the item)

  An item whose line, or any line below it, holds "{pack}" is written once
  per shipped pack (tools/sources/levels/pack_<N>), in pack order, with
  "{pack}" replaced by N everywhere in it (as tools/sources/strings/ does for
  keys).

  A value is a word, or "text in quotes" (\\" and \\\\ inside). Checked: the
  element names and each element's required attributes; widget ids are
  whole numbers, unique in their window above 0; each sound names a widget
  id of the window and a sound of tools/sources/sounds.txt; every picture and
  font a widget or background names ("folder file" resource names) is
  shipped under Resources/; every WLABEL's TEXT is a key of
  tools/sources/strings/*.txt (the game shows labels translated).

  grid_size(root, name)      (items, source file) of one grid file, read
                             without the other checks: how many items it
                             writes, and where it is defined
  Reader(root).read()        every window of the sources, in source order;
                             the reader's `grids` are the grid files, and a
                             SourceError (a ValueError) names the first
                             fault's file and line
  read_lines(path, relative) one source file's lines as a tree (Line: where,
                             indent, words, children)
  attributes_xml(pairs)      (key, value) pairs as XML attributes
Python 3 standard library and tools/lib/ only.
"""

import os
import re

from . import sounds, strings
from .content import shipped_packs, xml_text
from .faces import FACES

SOURCE_FOLDER = "tools/sources/windows"

NAME = re.compile(r"^[A-Za-z0-9_]+$")
VARIABLE = re.compile(r"\$([A-Za-z_][A-Za-z0-9_]*)")
SHOW_KINDS = ("SH_MOMENTAL", "SH_FADE", "SH_MOVE_UP", "SH_MOVE_DOWN", "SH_MOVE_LEFT",
              "SH_MOVE_RIGHT")
PLACES = {"middle": "POS_MIDDLE_SCREEN", "pixels": "POS_IN_PIX", "screen": "POS_AUTO"}

# Each element of the GUI XML and the attributes it cannot be read without.
WIDGETS = {
    "LABEL": ("ID", "TEXTURE", "FONT"),
    "WLABEL": ("ID", "FONT", "FONT_TEXTURE"),
    "IMAGE": ("ID", "TEXTURE"),
    "BUTTON5": ("ID", "TEXTURE"),
    "BUTTON2": ("ID", "TEXTURE"),
    "PANEL": ("ID", "TEXTURE"),
    "PANEL9": ("ID",),
    "CHECKBOX": ("ID", "TEXTURE"),
    "CHECKBOX_IOS": ("ID", "TX_PANEL", "TX_BTN"),
    "LINEBOX": ("ID", "TEXTURE", "FONT_TEXTURE", "FONT"),
    "LISTBOX": ("ID", "LIST_TEXTURE", "PANEL_TEXTURE", "SLIDER12_TEXTURE", "FONT",
                "FONT_TEXTURE"),
    "PROGRESS_BAR": ("ID", "TEXTURE"),
    "ANIMATION_BAR": ("ID", "TEXTURE", "COLUMNS", "ROWS", "FRAMES"),
    "SLIDER12": ("ID", "TEXTURE", "START", "END"),
    "SLIDER13": ("ID", "TEXTURE", "START", "END"),
    "SIMPLESLIDER": ("PROGRESS", "RUNNER", "ID"),
}
# Attributes that name a shipped resource (a picture, or a font's description).
RESOURCES = {"TEXTURE", "FONT", "FONT_TEXTURE", "LIST_TEXTURE", "PANEL_TEXTURE",
             "SLIDER12_TEXTURE", "ROW_TEXTURE", "TX_PANEL", "TX_BTN", "PROGRESS", "RUNNER",
             "TX_1_1", "TX_1_2", "TX_1_3", "TX_2_1", "TX_2_2", "TX_2_3", "TX_3_1", "TX_3_2",
             "TX_3_3"}
# Lower-case keys of a widget line written as child elements, with how many
# numbers they take (None: any text).
CHILD_KEYS = {"at": ("POSITION", 2), "size": ("SIZE", 2), "transform": ("TRANSFORM", 12),
              "input_area": ("INPUT_AREA", 4)}
SCRIPT_EVENTS = ("down", "up", "enter", "leave", "grab", "filled", "value_changed")
PACK = "{pack}"
COPIES = re.compile(r"^x([1-9][0-9]*)$")
# The widgets whose clickable rectangle is their picture's (HIT_INSET).
HIT_WIDGETS = ("BUTTON5", "BUTTON2", "CHECKBOX")
# The level list's grid file ("Levels", game/shell/screens/level_window.h):
# one item per level it can show, so its size bounds every pack's
# (tools/make_levels.py refuses a larger pack).
LEVEL_LIST = "levels_grid"


def margins_text(margins):
    return " ".join("%d" % m for m in margins)


class SourceError(ValueError):
    pass


class Line:
    def __init__(self, where, indent, words):
        self.where = where
        self.indent = indent
        self.words = words
        self.children = []


def split_words(text, where):
    """The line's words: blank-separated, or quoted with \\" and \\\\ inside;
    a "#" outside quotes ends the line. A quoted word keeps its blanks; a
    word with an "=" may quote its value (KEY="a b")."""
    words, current, i, quoted, any_quote = [], [], 0, False, False
    while i < len(text):
        char = text[i]
        if quoted:
            if char == "\\" and i + 1 < len(text) and text[i + 1] in "\"\\":
                current.append(text[i + 1])
                i += 2
                continue
            if char == '"':
                quoted = False
            else:
                current.append(char)
            i += 1
            continue
        if char == "#":
            break
        if char == '"':
            quoted, any_quote = True, True
        elif char in " \t":
            if current or any_quote:
                words.append("".join(current))
            current, any_quote = [], False
        else:
            current.append(char)
        i += 1
    if quoted:
        raise SourceError("%s: a quote is not closed" % where)
    if current or any_quote:
        words.append("".join(current))
    return words


def read_lines(path, relative):
    """The file's lines as a tree by indentation (a list of top-level Lines)."""
    top, stack = [], []
    with open(path, encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            where = "%s:%d" % (relative, number)
            text = raw.rstrip("\n").rstrip("\r")
            if "\t" in text[:len(text) - len(text.lstrip())]:
                raise SourceError("%s: indent with blanks, not tabs" % where)
            words = split_words(text, where)
            if not words:
                continue
            line = Line(where, len(text) - len(text.lstrip(" ")), words)
            while stack and stack[-1].indent >= line.indent:
                stack.pop()
            if stack:
                stack[-1].children.append(line)
            elif line.indent != 0:
                raise SourceError("%s: indented, but under nothing" % where)
            else:
                top.append(line)
            stack.append(line)
    return top


class Window:
    def __init__(self, name, kind, source):
        self.name = name
        self.source = source
        self.attributes = [("_name", name), ("_type", kind)]
        self.children = []      # XML text of the window's child elements, in order
        self.sounds = []        # (where, widget id, sound)
        self.ids = {}           # widget id -> where

    def set(self, where, name, value):
        if any(existing == name for existing, _ in self.attributes):
            raise SourceError("%s: %s is set twice" % (where, name))
        self.attributes.append((name, value))


class Reader:
    """Reads every source file; `windows` in source order."""

    def __init__(self, root):
        self.root = root
        self.variables = {}
        self.windows = []
        self.grids = []         # (name, source, XML text of the items), in source order
        self.packs = [number for number, _ in shipped_packs(root)]
        self.keys = {key for key, _ in strings.read_sources(root)}
        self.sounds = {name for _, group in sounds.read_source(root)
                       for name, _, _, _ in group}

    def read(self):
        folder = os.path.join(self.root, *SOURCE_FOLDER.split("/"))
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt"):
                relative = "%s/%s" % (SOURCE_FOLDER, name)
                for line in read_lines(os.path.join(folder, name), relative):
                    self.top_line(line, relative)
        clash = {window.name for window in self.windows} & {grid[0] for grid in self.grids}
        if clash:
            raise SourceError("a window and a grid file share the name %s" % sorted(clash)[0])
        return self.windows

    # --- values

    def expand(self, text, where):
        def value(match):
            if match.group(1) not in self.variables:
                raise SourceError("%s: $%s is not defined (yet)" % (where, match.group(1)))
            return self.variables[match.group(1)]
        return VARIABLE.sub(value, text)

    def number(self, text, where, what):
        try:
            float(text)
        except ValueError:
            raise SourceError("%s: %s is a number, not %r" % (where, what, text))
        return text

    def numbers(self, text, count, where, what):
        parts = text.split(",")
        if count is not None and len(parts) != count:
            raise SourceError("%s: %s takes %d numbers separated by commas" % (where, what, count))
        return " ".join(self.number(part.strip(), where, what) for part in parts)

    def pairs(self, words, where):
        """key=value words as (key, expanded value), in order."""
        out = []
        for word in words:
            if "=" not in word or word.startswith("="):
                raise SourceError("%s: %r is not key=value" % (where, word))
            key, value = word.split("=", 1)
            if any(key == seen for seen, _ in out):
                raise SourceError("%s: %s is given twice" % (where, key))
            out.append((key, self.expand(value, where)))
        return out

    def resource(self, name, where):
        parts = name.split(" ")
        if len(parts) != 2 or not all(parts):
            raise SourceError("%s: %r is not a resource name \"folder file\"" % (where, name))
        if not os.path.isfile(os.path.join(self.root, "Resources", *parts[0].split("/"), parts[1])):
            raise SourceError("%s: %r is not shipped under Resources/" % (where, name))

    # --- lines

    def top_line(self, line, relative):
        words = line.words
        if words[0].startswith("$"):
            if len(words) != 3 or words[1] != "=" or not VARIABLE.fullmatch(words[0]):
                raise SourceError("%s: a variable reads $name = value" % line.where)
            if line.children:
                raise SourceError("%s: nothing is indented under a variable" % line.where)
            name = words[0][1:]
            if name in self.variables:
                raise SourceError("%s: $%s is defined twice" % (line.where, name))
            self.variables[name] = self.expand(words[2], line.where)
        elif words[0] == "window":
            self.window(line, relative)
        elif words[0] == "pages":
            self.pages(line, relative)
        else:
            raise SourceError("%s: a line at the left edge is a window or a variable (or pages, a grid file)"
                              % line.where)

    def window(self, line, relative):
        if len(line.words) != 3:
            raise SourceError("%s: a window reads \"window <Name> <_type>\"" % line.where)
        name, kind = line.words[1], line.words[2]
        if not NAME.match(name):
            raise SourceError("%s: a window's name is letters, digits and _" % line.where)
        if any(window.name == name for window in self.windows):
            raise SourceError("%s: window %s is defined twice" % (line.where, name))
        window = Window(name, kind, relative)
        for item in line.children:
            self.window_item(window, item)
        for where, widget, sound in window.sounds:
            if widget not in window.ids:
                raise SourceError("%s: the window has no widget %s" % (where, widget))
            if sound not in self.sounds:
                raise SourceError("%s: %s is not a sound of tools/sources/sounds.txt" % (where, sound))
        if window.sounds:
            window.children.append(
                "<sounds>%s</sounds>" % "".join('<item id="%s" sound="%s"/>' % (widget, xml_text(sound))
                                                for _, widget, sound in window.sounds))
        self.windows.append(window)

    def window_item(self, window, line):
        words = [self.expand(word, line.where) for word in line.words]
        item, rest, where = words[0], words[1:], line.where
        if item not in ("element", "gui") and line.children:
            raise SourceError("%s: nothing is indented under %s" % (where, item))
        if item in ("open", "close"):
            if len(rest) not in (1, 2) or rest[0] not in SHOW_KINDS:
                raise SourceError("%s: %s reads \"%s <%s> [seconds]\"" % (where, item, item, "|".join(SHOW_KINDS)))
            window.set(where, "_typeOpen" if item == "open" else "_typeClose", rest[0])
            if len(rest) == 2:
                window.set(where, "_timeShow" if item == "open" else "_timeHide",
                           self.number(rest[1], where, "the time"))
        elif item == "delay":
            if len(rest) != 2:
                raise SourceError("%s: delay reads \"delay <show> <hide>\" (seconds)" % where)
            window.set(where, "_delayShow", self.number(rest[0], where, "the delay"))
            window.set(where, "_delayHide", self.number(rest[1], where, "the delay"))
        elif item == "place":
            if not rest or rest[0] not in PLACES or len(rest) != (1 if rest[0] == "middle" else 3):
                raise SourceError("%s: place reads \"place middle\", \"place pixels X Y\" or "
                                  "\"place screen FX FY\"" % where)
            window.set(where, "_typePos", PLACES[rest[0]])
            if rest[0] != "middle":
                window.set(where, "_position", "%s %s" % (self.number(rest[1], where, "X"),
                                                          self.number(rest[2], where, "Y")))
        elif item == "modal":
            if rest:
                raise SourceError("%s: modal takes nothing" % where)
            window.set(where, "_modal", "1")
        elif item == "layer":
            if len(rest) != 1 or not rest[0].isdigit():
                raise SourceError("%s: layer reads \"layer <whole number>\"" % where)
            window.set(where, "layer", rest[0])
        elif item == "background":
            self.background(window, rest, where)
        elif item == "sound":
            if len(rest) != 2 or not re.fullmatch(r"-?[0-9]+", rest[0]):
                raise SourceError("%s: sound reads \"sound <widget id> <sound>\"" % where)
            window.sounds.append((where, rest[0], rest[1]))
        elif item == "attr":
            for key, value in self.pairs(line.words[1:], where):
                window.set(where, key, value)
        elif item == "element":
            window.children.append(self.element(line, line.words[1:]))
        elif item == "gui":
            if rest:
                raise SourceError("%s: gui takes nothing on its line" % where)
            lines = [text for child in line.children for text in self.widget(window, child)]
            window.children.append("\n".join(["<GUI>"] + [" " + text for text in lines] + ["</GUI>"]))
        else:
            raise SourceError("%s: unknown window item %r" % (where, item))

    # --- grid files

    def pages(self, line, relative):
        if len(line.words) < 2 or "=" in line.words[1]:
            raise SourceError("%s: pages reads \"pages <name> [key=value ...]\"" % line.where)
        name = line.words[1]
        if not NAME.match(name):
            raise SourceError("%s: a grid file's name is letters, digits and _" % line.where)
        if any(grid[0] == name for grid in self.grids):
            raise SourceError("%s: the grid file %s is defined twice" % (line.where, name))
        items = []
        for child in line.children:
            if child.words[0] != "item":
                raise SourceError("%s: a grid holds item lines" % child.where)
            for number in self.packs if mentions(child, PACK) else [None]:
                copy = child if number is None else with_pack(child, str(number))
                items.extend(self.item(copy))
        self.grids.append((name, relative, attributes_xml(self.pairs(line.words[2:], line.where)),
                           items))

    def item(self, line):
        """The item's XML as lines (one per copy)."""
        copies, words = split_copies(line.words[1:])
        pairs = self.pairs(words, line.where)
        face = self.item_face(dict(pairs), line.children)
        if face is not None:
            pairs.append(("hit", margins_text(face)))
        head = "<item%s" % attributes_xml(pairs)
        widgets = Window("item", "item", line.where)
        inner = []
        for child in line.children:
            if child.words[0] in WIDGETS:
                inner.extend(self.widget(widgets, child))
            elif child.words[0] == child.words[0].lower():
                inner.append(self.element(child, child.words))
            else:
                raise SourceError("%s: %r is neither a widget element nor a child element in "
                                  "lower case" % (child.where, child.words[0]))
        if not inner:
            return [head + "/>"] * copies
        text = [head + ">"] + [" " + part for part in inner] + ["</item>"]
        return text * copies

    def item_face(self, given, children):
        """The margins an item's clicks leave out: those of its background
        picture, or of the first widget drawn over its whole place (one
        without "at"); None without either, or when "hit" is given."""
        if "hit" in given:
            return None
        if given.get("background") in FACES:
            return FACES[given["background"]]
        for child in children:
            if child.words[0] in WIDGETS and not any(w.startswith("at=") for w in child.words):
                texture = dict(self.pairs(child.words[1:], child.where)).get("TEXTURE")
                return FACES.get(texture)
        return None

    def background(self, window, words, where):
        if not words or "=" in words[0]:
            raise SourceError("%s: background reads \"background <picture> [size=W,H] "
                              "[from=A,R,G,B] [to=A,R,G,B]\"" % where)
        self.resource(words[0], where)
        attributes = []
        for key, value in self.pairs(words[1:], where):
            if key == "size":
                attributes.append(("SIZE", self.numbers(value, 2, where, "size")))
            elif key in ("from", "to"):
                colour = self.numbers(value, 4, where, key)
                if not all(part.isdigit() and int(part) < 256 for part in colour.split(" ")):
                    raise SourceError("%s: %s is four whole numbers 0..255 (a, r, g, b)" % (where, key))
                attributes.append(("START_COLOR" if key == "from" else "END_COLOR", colour))
            else:
                raise SourceError("%s: background takes size, from and to, not %s" % (where, key))
        window.children.append("<background%s>%s</background>"
                               % (attributes_xml(attributes), xml_text(words[0])))

    def element(self, line, words):
        """A child element of the window, with its own child elements."""
        where = line.where
        if not words or "=" in words[0]:
            raise SourceError("%s: an element line begins with the element's name" % where)
        name, words = words[0], words[1:]
        text = ""
        if ":" in words:
            at = words.index(":")
            text = " ".join(self.expand(word, where) for word in words[at + 1:])
            words = words[:at]
        inner = "".join(self.element(child, child.words) for child in line.children)
        body = xml_text(text) + inner
        attributes = attributes_xml(self.pairs(words, where))
        return "<%s%s%s>" % (name, attributes, "/" if not body else ">%s</%s" % (body, name))

    def widget(self, window, line):
        """The widget's XML as lines (its nested widgets indented)."""
        where = line.where
        element = line.words[0]
        if element not in WIDGETS:
            raise SourceError("%s: %r is not a widget element (%s)" % (where, element, ", ".join(WIDGETS)))
        attributes, children, scripts = [], [], []
        for key, value in self.pairs(line.words[1:], where):
            if key in CHILD_KEYS:
                tag, count = CHILD_KEYS[key]
                children.append("<%s>%s</%s>" % (tag, self.numbers(value, count, where, key), tag))
            elif key == "items":
                children.append("<ITEMS>%s</ITEMS>" % "".join("<item>%s</item>" % xml_text(item)
                                                              for item in value.split("|")))
            elif key.startswith("on_") and key[3:] in SCRIPT_EVENTS:
                scripts.append('<script EVENT="%s">%s</script>' % (key[3:].upper(), xml_text(value)))
            elif key != key.upper():
                raise SourceError("%s: %s: attributes are upper case (or one of at, size, "
                                  "transform, input_area, items, on_<event>)" % (where, key))
            else:
                attributes.append((key, value))
        given = dict(attributes)
        for needed in WIDGETS[element]:
            if needed not in given:
                raise SourceError("%s: %s needs %s" % (where, element, needed))
        for key, value in attributes:
            if key in RESOURCES and value:
                self.resource(value, where)
        if element in HIT_WIDGETS and "HIT_INSET" not in given and given.get("TEXTURE") in FACES:
            attributes.append(("HIT_INSET", margins_text(FACES[given["TEXTURE"]])))
        widget_id = given["ID"]
        if not re.fullmatch(r"-?[0-9]+", widget_id):
            raise SourceError("%s: ID is a whole number, not %r" % (where, widget_id))
        if int(widget_id) > 0:
            if widget_id in window.ids:
                raise SourceError("%s: ID %s is used already at %s" % (where, widget_id, window.ids[widget_id]))
            window.ids[widget_id] = where
        if element == "WLABEL" and given.get("TEXT") and given["TEXT"] not in self.keys:
            raise SourceError("%s: the label's TEXT %r is not a key of tools/sources/strings/*.txt"
                              % (where, given["TEXT"]))
        if scripts:
            children.append("<SCRIPTS>%s</SCRIPTS>" % "".join(scripts))
        head = "<%s%s" % (element, attributes_xml(attributes))
        if not line.children:
            body = "".join(children)
            return [head + ("/>" if not body else ">%s</%s>" % (body, element))]
        # Nested widgets: one a line, indented under their parent.
        inner = [text for child in line.children for text in self.widget(window, child)]
        return ([head + ">" + "".join(children), " <CONTEXT>"] + ["  " + text for text in inner]
                + [" </CONTEXT>", "</%s>" % element])


def grid_size(root, name):
    """(items, source) of the grid file `name`: the number of items its
    "pages" block writes ("xN" counts N, an item naming {pack} counts once
    per pack) and the source file that defines it. SourceError when none
    does."""
    folder = os.path.join(root, *SOURCE_FOLDER.split("/"))
    for file in sorted(os.listdir(folder)):
        if not file.endswith(".txt"):
            continue
        relative = "%s/%s" % (SOURCE_FOLDER, file)
        for line in read_lines(os.path.join(folder, file), relative):
            if line.words[:2] != ["pages", name]:
                continue
            count = 0
            for item in (child for child in line.children if child.words[0] == "item"):
                copies, _ = split_copies(item.words[1:])
                count += copies * (len(shipped_packs(root)) if mentions(item, PACK) else 1)
            return count, relative
    raise SourceError("%s/*.txt: no grid file %s" % (SOURCE_FOLDER, name))


def split_copies(words):
    """(copies, the other words) of an item line's words after "item": an
    "xN" first writes the item N times."""
    if words and COPIES.match(words[0]):
        return int(words[0][1:]), words[1:]
    return 1, words


def mentions(line, text):
    return any(text in word for word in line.words) or any(mentions(child, text) for child in line.children)


def with_pack(line, number):
    """A copy of the line and its children with "{pack}" replaced."""
    copy = Line(line.where, line.indent, [word.replace(PACK, number) for word in line.words])
    copy.children = [with_pack(child, number) for child in line.children]
    return copy


def attributes_xml(pairs):
    return "".join(' %s="%s"' % (key, xml_text(value)) for key, value in pairs)
