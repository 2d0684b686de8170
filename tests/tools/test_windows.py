"""Unit tests of the window layouts (tools/lib/windows.py, written by
tools/make_windows.py) and the sound bank's source rules (tools/lib/sounds.py):
what a source line becomes, and that mistakes are refused with the line that
holds them.
Run by ctest through tests/tools (python3 -m unittest discover).
"""

import os
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

import make_sounds  # noqa: E402
import make_windows  # noqa: E402
from lib import sounds  # noqa: E402
from lib.windows import Reader  # noqa: E402

ASSETS = """\
$gui = data/share/image/gui
$panel = "$gui panel.png"
$button = "$gui button.png"
$font = "data/share/font f.xml"
$page = "data/share/font f.png"
"""


class WindowSourcesTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        for path in ("tools/sources/windows", "tools/sources/strings", "tools/sources/levels/pack_1",
                     "Resources/data/share/image/gui", "Resources/data/share/font"):
            os.makedirs(os.path.join(self.root, path))
        for picture in ("image/gui/panel.png", "image/gui/button.png", "image/gui/backdrop.png",
                        "font/f.xml", "font/f.png"):
            self.write("Resources/data/share/" + picture, "")
        self.write("tools/sources/strings/a.txt", "quit = Quit?\nyes = Yes\n")
        self.write("tools/sources/sounds.txt", "group sounds\n  click whole 2 synth 0.04 sine 900\n")
        self.write("tools/sources/windows/0_assets.txt", ASSETS)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        with open(os.path.join(self.root, path), "w", encoding="utf-8") as out:
            out.write(text)

    def windows(self, text):
        self.write("tools/sources/windows/dialogs.txt", text)
        return Reader(self.root).read()

    def xml(self, window):
        return ElementTree.fromstring(make_windows.window_xml(window))

    def refused(self, text, message):
        with self.assertRaises(ValueError) as caught:
            self.windows(text)
        self.assertIn(message, str(caught.exception))
        return str(caught.exception)

    def test_a_dialog_becomes_its_description(self):
        windows = self.windows("""\
# A question.
window Confirm_Exit G_WINDOW_CONFIRM
  open SH_MOVE_DOWN 0.4
  close SH_MOVE_UP
  delay 0.25 0
  place screen 0.5 0.4
  modal
  layer 10
  background $gui" backdrop.png" size=1024,768 from=0,255,255,255 to=160,255,255,255
  attr extra="a b"
  element SETTINGS text_color=FF2E3440 : hello there
    inner value=1
  gui
    IMAGE ID=1 TEXTURE=$panel at=0,0 size=440,220
    WLABEL ID=2 FONT=$font FONT_TEXTURE=$page TEXT=quit HOT_SPOT=4 at=0,-40 on_down=pressed
    BUTTON5 ID=3 TEXTURE=$button at=-95,55
      WLABEL ID=0 FONT=$font FONT_TEXTURE=$page TEXT=yes
  sound 3 click
""")
        self.assertEqual([w.name for w in windows], ["Confirm_Exit"])
        root = self.xml(windows[0])
        self.assertEqual(root.tag, "window")
        self.assertEqual(list(root.attrib.items()), [
            ("_name", "Confirm_Exit"), ("_type", "G_WINDOW_CONFIRM"), ("_typeOpen", "SH_MOVE_DOWN"),
            ("_timeShow", "0.4"), ("_typeClose", "SH_MOVE_UP"), ("_delayShow", "0.25"),
            ("_delayHide", "0"), ("_typePos", "POS_AUTO"), ("_position", "0.5 0.4"),
            ("_modal", "1"), ("layer", "10"), ("extra", "a b")])
        self.assertEqual([child.tag for child in root], ["background", "SETTINGS", "GUI", "sounds"])
        background = root.find("background")
        self.assertEqual(background.text, "data/share/image/gui backdrop.png")
        self.assertEqual(background.attrib, {"SIZE": "1024 768", "START_COLOR": "0 255 255 255",
                                             "END_COLOR": "160 255 255 255"})
        settings = root.find("SETTINGS")
        self.assertEqual(settings.attrib, {"text_color": "FF2E3440"})
        self.assertEqual(settings.text, "hello there")
        self.assertEqual(settings.find("inner").attrib, {"value": "1"})
        image, label, button = list(root.find("GUI"))
        self.assertEqual(image.attrib, {"ID": "1", "TEXTURE": "data/share/image/gui panel.png"})
        self.assertEqual(image.find("POSITION").text, "0 0")
        self.assertEqual(image.find("SIZE").text, "440 220")
        self.assertEqual(label.find("SCRIPTS/script").attrib, {"EVENT": "DOWN"})
        self.assertEqual(label.find("SCRIPTS/script").text, "pressed")
        caption = button.find("CONTEXT/WLABEL")
        self.assertEqual(caption.get("TEXT"), "yes")
        self.assertEqual([(item.get("id"), item.get("sound")) for item in root.find("sounds")],
                         [("3", "click")])

    def test_the_scene_list_names_every_window_in_order(self):
        windows = self.windows("window B G_WINDOW_SIMPLE\nwindow A G_WINDOW_SIMPLE\n  place pixels 5 6\n")
        scenes = ElementTree.fromstring(make_windows.scenes_xml(windows))
        self.assertEqual([scene.get("file") for scene in scenes],
                         ["data/share/main/windows B.xml", "data/share/main/windows A.xml"])
        self.assertEqual(self.xml(windows[1]).get("_position"), "5 6")
        self.assertEqual(make_windows.window_xml(windows[0]), make_windows.window_xml(windows[0]))

    def test_mistakes_are_refused_with_their_line(self):
        cases = [
            ("window A G_WINDOW_SIMPLE\n  open SH_SLIDE\n", "dialogs.txt:2: open reads"),
            ("window A G_WINDOW_SIMPLE\n  place corner\n", "place reads"),
            ("window A G_WINDOW_SIMPLE\n  layer -1\n", "layer reads"),
            ("window A G_WINDOW_SIMPLE\n  open SH_FADE x\n", "the time is a number"),
            ("window A G_WINDOW_SIMPLE\n  open SH_FADE\n  open SH_FADE\n", "_typeOpen is set twice"),
            ("window A G_WINDOW_SIMPLE\n  colour red\n", "unknown window item 'colour'"),
            ("window A G_WINDOW_SIMPLE\nwindow A G_WINDOW_SIMPLE\n", "window A is defined twice"),
            ("window A-B G_WINDOW_SIMPLE\n", "letters, digits and _"),
            ("  window A G_WINDOW_SIMPLE\n", "under nothing"),
            ("something\n", "a window or a variable"),
            ("$gui = again\n", "$gui is defined twice"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=$nothing\n",
             "$nothing is not defined"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    PICTURE ID=1\n", "'PICTURE' is not a widget"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1\n", "IMAGE needs TEXTURE"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=x TEXTURE=$panel\n", "ID is a whole number"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=$panel\n"
             "    IMAGE ID=1 TEXTURE=$panel\n", "ID 1 is used already at"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=\"$gui nothing.png\"\n",
             "is not shipped under Resources/"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=nothing.png\n",
             "is not a resource name"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=$panel texture=x\n",
             "attributes are upper case"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=$panel at=1,2,3\n",
             "at takes 2 numbers"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    WLABEL ID=2 FONT=$font FONT_TEXTURE=$page TEXT=Hello\n",
             "TEXT 'Hello' is not a key"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=$panel\n  sound 2 click\n",
             "the window has no widget 2"),
            ("window A G_WINDOW_SIMPLE\n  gui\n    IMAGE ID=1 TEXTURE=$panel\n  sound 1 bang\n",
             "bang is not a sound of tools/sources/sounds.txt"),
            ("window A G_WINDOW_SIMPLE\n  background $panel from=0,0,0\n", "from takes 4 numbers"),
            ("window A G_WINDOW_SIMPLE\n  background $panel to=0,0,0,300\n", "four whole numbers 0..255"),
            ("window A G_WINDOW_SIMPLE\n  modal\n    IMAGE ID=1\n", "nothing is indented under modal"),
            ("window A G_WINDOW_SIMPLE\n  attr x=\"open\n", "a quote is not closed"),
            ("window A G_WINDOW_SIMPLE\n\tlayer 1\n", "not tabs"),
        ]
        for text, message in cases:
            with self.subTest(text=text):
                self.refused(text, message)

    def test_a_grid_file_lists_its_items_by_copy_and_by_pack(self):
        os.makedirs(os.path.join(self.root, "tools/sources/levels/pack_2"))
        self.write("tools/sources/strings/a.txt", "quit = Quit?\npack_1 = One\npack_2 = Two\n")
        reader = Reader(self.root)
        self.write("tools/sources/windows/dialogs.txt", """\
pages grid cols=2 turn_type=SLIDE_HORIZONTAL
  item id={pack} size="60 40"
    IMAGE ID=2 TEXTURE=$panel
      WLABEL ID=3 FONT=$font FONT_TEXTURE=$page TEXT=pack_{pack}
  item x2 background=$panel
    font fntName=f fntColor=FF000000
    star picture=$button shift_x=-3
""")
        self.assertEqual(reader.read(), [])
        [(name, source, attributes, items)] = reader.grids
        self.assertEqual((name, source), ("grid", "tools/sources/windows/dialogs.txt"))
        root = ElementTree.fromstring(make_windows.grid_xml(name, source, attributes, items))
        self.assertEqual(root.tag, "pages")
        self.assertEqual((root.get("cols"), root.get("turn_type")), ("2", "SLIDE_HORIZONTAL"))
        items = list(root)
        self.assertEqual([item.get("id") for item in items], ["1", "2", None, None])
        self.assertEqual(items[1].get("size"), "60 40")
        self.assertEqual(items[1].find("IMAGE/CONTEXT/WLABEL").get("TEXT"), "pack_2")
        self.assertEqual(items[3].get("background"), "data/share/image/gui panel.png")
        self.assertEqual(items[3].find("font").get("fntColor"), "FF000000")
        self.assertEqual(items[3].find("star").get("shift_x"), "-3")
        self.assertEqual(ElementTree.tostring(items[2]).strip(), ElementTree.tostring(items[3]).strip())

    def test_grid_mistakes_are_refused(self):
        cases = [
            ("pages g\n  row x=1\n", "a grid holds item lines"),
            ("pages g\n  item\n    Star x=1\n", "neither a widget element nor a child element"),
            ("pages g\n  item\n    IMAGE ID=1 TEXTURE=$panel\n    IMAGE ID=1 TEXTURE=$panel\n",
             "ID 1 is used already"),
            ("pages g\n  item\n    WLABEL ID=1 FONT=$font FONT_TEXTURE=$page TEXT=pack_{pack}2\n",
             "TEXT 'pack_12' is not a key"),
            ("pages g\npages g\n", "the grid file g is defined twice"),
            ("pages g-1\n", "letters, digits and _"),
            ("pages x=1\n", "pages reads"),
            ("window g G_WINDOW_SIMPLE\npages g\n", "a window and a grid file share the name g"),
        ]
        for text, message in cases:
            with self.subTest(text=text):
                self.refused(text, message)

    def test_sound_sources_are_checked(self):
        cases = [
            ("  click whole 2 synth 1\n", "a sound before the first group"),
            ("group a\ngroup a\n", "group a appears twice"),
            ("group a\n  click whole 2\n", "a sound reads"),
            ("group a\n  click loud 2 synth 1\n", "load is \"whole\" or \"stream\""),
            ("group a\n  click whole 0 synth 1\n", "buffers is a whole number"),
            ("group a\n  click whole 2 synth 1\ngroup b\n  click whole 2 synth 1\n",
             "sound click appears twice"),
            # A "#" in a recipe would silently drop the rest of it.
            ("group a\n  click whole 2 synth 0.1 sine 400 # vol 0.2\n",
             "tools/sources/sounds.txt:2: \"#\" inside a row"),
            ("group a\n  click whole 2 synth 0.1 sine 400#2\n", "\"#\" inside a row"),
        ]
        for text, message in cases:
            with self.subTest(text=text):
                self.write("tools/sources/sounds.txt", text)
                with self.assertRaises(ValueError) as caught:
                    sounds.read_source(self.root)
                self.assertIn(message, str(caught.exception))
        self.write("tools/sources/sounds.txt", "# the bank\ngroup sounds\n  # a tick\n"
                   "  tick stream 4 synth 0.1 sine 400\ngroup music\n")
        groups = sounds.read_source(self.root)
        bank = ElementTree.fromstring(make_sounds.bank_xml(groups))
        self.assertEqual(bank.tag, "sound")
        self.assertEqual([group.get("name") for group in bank], ["sounds", "music"])
        self.assertEqual(bank.find("group/item").attrib, {
            "name": "tick", "path": "data/share/sound tick.ogg", "streamed": "0", "cnt_buffers": "4"})


if __name__ == "__main__":
    unittest.main()
