"""Unit tests of the level, pack and template player generators: pictures
without exactly one solution are refused, clue numbers are measured the way
the game draws them, each board is laid out clear of the controls with its
numbers a space apart, pack sources are checked, no pack outgrows the level
list, and the template player lists every pack and level. Run by ctest
(tools/CMakeLists.txt)."""

import os
import shutil
import sys
import tempfile
import unittest
from xml.etree import ElementTree

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
CHECKOUT = os.path.dirname(os.path.abspath(TOOLS))
sys.path.insert(0, TOOLS)

import make_levels  # noqa: E402
import make_packs  # noqa: E402
import make_player as template_player  # noqa: E402
from lib import levels  # noqa: E402


def picture(rows, pack="pack_1", stem="01_test"):
    return levels.Picture(pack, stem, "Test", rows)


class PictureTest(unittest.TestCase):
    def test_only_pictures_with_one_solution_pass(self):
        make_levels.check_picture(picture(["#.#", ".#.", "#.#"]))
        for rows in (["#.", ".#"],                    # the other diagonal has the same clues
                     ["#..#", ".##.", ".##.", "#..#"]):
            with self.assertRaises(ValueError, msg=rows[0]):
                make_levels.check_picture(picture(rows))

    def test_a_picture_file_names_its_level_id(self):
        self.assertEqual((picture(["#"], stem="07_tea_cup").level_id, picture(["#"], stem="07_tea_cup").name),
                         (7, "tea_cup"))
        for stem in ("tea", "7_tea", "00_tea", "07_Tea", "07-tea"):
            with self.assertRaises(ValueError, msg=stem):
                picture(["#"], stem=stem)


class ClueFontTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.styles = levels.clue_styles(CHECKOUT)

    def test_ink_follows_the_glyph_rectangles(self):
        # DejaVu Sans Bold 20: line height 23; "1" is 11 x 15 at (2, 4), advance 14;
        # "2" is 12 x 15 at (1, 4). "12" starts 14 left of its centre, 11 above it.
        font = levels.BitmapFont(os.path.join(CHECKOUT, "Resources", levels.FONTS,
                                              "dejavu_sans_bold_20.xml"))
        box = font.ink("12", 100, 50)
        self.assertEqual((box.left, box.top, box.right, box.bottom), (88, 43, 113, 58))
        self.assertEqual(font.space(), 7)

    def test_numbers_of_one_line_stand_a_space_apart(self):
        for style in self.styles:
            for a, b in ((1, 1), (12, 7), (7, 12), (9, 10)):
                left = style.ink[a]
                right = style.ink[b].moved(style.interval_left, 0)
                below = style.ink[b].moved(0, style.interval_up)
                self.assertGreaterEqual(left.gap(right), style.gap, (style.font_name, a, b))
                self.assertGreaterEqual(left.gap(below), style.gap, (style.font_name, a, b))

    def test_large_boards_take_smaller_fonts(self):
        fonts = [levels.choose_layout(picture(["#" * side] * side), self.styles).style.font_name
                 for side in (5, 10, 15, 20)]
        self.assertEqual(fonts, ["sans_bold_28", "sans_bold_28", "sans_bold_20", "sans_bold_14"])

    def test_neighbouring_two_digit_numbers_need_room(self):
        # Columns 0 and 1 read 11 and 12, side by side at the same height.
        rows = ["##" + "." * 13] * 11 + [".#" + "." * 13] + ["." * 15] * 3
        medium = self.styles[1]
        crowded = levels.Layout(picture(rows), 26, medium).crowded()
        self.assertEqual(crowded, (("column", 0, 11), ("column", 1, 12)))
        self.assertIsNone(levels.Layout(picture(rows), 38, medium).crowded())

    def test_every_board_fits_the_play_area_clear_of_the_controls(self):
        left, top, right, bottom = levels.PLAY_AREA
        for region in levels.CONTROL_REGIONS.values():
            self.assertTrue(region[2] + levels.CLEARANCE <= left or region[0] - levels.CLEARANCE >= right or
                            region[3] + levels.CLEARANCE <= top or region[1] - levels.CLEARANCE >= bottom)
        for rows in (["#" * 20] * 20, ["#." * 10] * 20, ["#####"] * 5):
            layout = levels.choose_layout(picture(rows), self.styles)
            x, y = layout.corner()
            self.assertGreaterEqual(x + layout.extent.left, left)
            self.assertGreaterEqual(y + layout.extent.top, top)
            self.assertLessEqual(x + layout.extent.right, right)
            self.assertLessEqual(y + layout.extent.bottom, bottom)

    def test_boards_of_partial_blocks_or_too_many_cells_are_refused(self):
        for rows in (["#" * 12] * 10, ["#" * 25] * 25, ["#" * 10] * 4):
            with self.assertRaises(ValueError):
                levels.choose_layout(picture(rows), self.styles)

    def test_a_level_names_its_numbers_file_and_places_its_board(self):
        layout = levels.choose_layout(picture(["#####"] * 5), self.styles)
        level = ElementTree.fromstring(make_levels.level_xml(picture(["#####"] * 5), layout))
        settings = level.find("settings")
        self.assertEqual(settings.get("numbers"), "numbers_large.xml")
        x, y = layout.corner()
        self.assertEqual(settings.get("position"), "%g %g" % (x + layout.width / 2.0, y + layout.height / 2.0))
        self.assertEqual(len(level.find("gElements")), 25)


class PackTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        os.makedirs(os.path.join(self.root, "tools", "sources", "strings"))
        os.makedirs(os.path.join(self.root, "tools", "sources", "windows"))
        shutil.copytree(os.path.join(CHECKOUT, "Resources", "data", "share", "font"),
                        os.path.join(self.root, "Resources", "data", "share", "font"))
        self.write("tools/sources/strings/packs.txt", "pack_1 = One\npack_2 = Two\n")
        # A level list of two items: as many as each pack has pictures.
        self.write("tools/sources/windows/packs.txt", "pages levels_grid cols=4\n  item x1\n  item\n")
        for n in (1, 2):
            folder = "tools/sources/levels/pack_%d" % n
            os.makedirs(os.path.join(self.root, folder))
            self.write(folder + "/01_a.txt", "name: A\n" + "#####\n" * 5)
            self.write(folder + "/02_b.txt", "name: B\n#####\n" + ".....\n" * 4)
        self.pack("1", "stars2pass = 0\nprice = 0\npaper = plain\ntint = #EDAE49\n")
        self.pack("2", "stars2pass = 6\nprice = 10\npaper = dots\ntint = #00798C\n")

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        with open(os.path.join(self.root, path), "w", encoding="utf-8") as out:
            out.write(text)

    def pack(self, number, text):
        self.write("tools/sources/levels/pack_%s/pack.txt" % number, "# a comment\n" + text)

    def test_packs_are_described_in_order(self):
        packs = make_packs.read_packs(self.root)
        self.assertEqual([(p.key, p.levels, p.stars2pass, p.price, p.paper) for p in packs],
                         [("pack_1", 2, 0, 0, "plain"), ("pack_2", 2, 6, 10, "dots")])
        packs_xml = ElementTree.fromstring(make_packs.description_xml(packs))
        second = packs_xml.findall("pack")[1]
        self.assertEqual(second.attrib, {"id": "2", "key": "pack_2", "stars2pass": "6", "price": "10",
                                         "path": "data/share/main/levels pack_2"})
        self.assertEqual(second.find("background/FILE").text, "data/share/image/packs background_2.png")

    def test_bad_packs_are_refused(self):
        cases = [("2", "stars2pass = 7\nprice = 10\npaper = dots\ntint = #00798C\n"),   # more than pack 1 gives
                 ("1", "stars2pass = 1\nprice = 0\npaper = plain\ntint = #EDAE49\n"),   # the first pack is open
                 ("2", "stars2pass = 6\nprice = 10\npaper = lined\ntint = #00798C\n"),
                 ("2", "stars2pass = 6\nprice = -1\npaper = dots\ntint = #00798C\n"),
                 ("2", "stars2pass = 6\nprice = 10\npaper = dots\ntint = teal\n"),
                 ("2", "stars2pass = 6\nprice = 10\npaper = dots\n"),
                 ("2", "stars2pass = 6\nprice = 10\nprice = 10\npaper = dots\ntint = #00798C\n"),
                 ("2", "stars2pass = 6\nprice = 10\npaper = dots\ntint = #00798C\ncolour = red\n")]
        for number, text in cases:
            self.tearDown()
            self.setUp()
            self.pack(number, text)
            with self.assertRaises(ValueError, msg=text):
                make_packs.read_packs(self.root)
        self.tearDown()
        self.setUp()
        self.write("tools/sources/strings/packs.txt", "pack_1 = One\n")
        with self.assertRaises(ValueError):
            make_packs.read_packs(self.root)

    def test_the_level_generator_refuses_what_the_game_cannot_show(self):
        self.assertEqual(len(make_levels.check_sources(self.root)), 4)
        cases = [
            # One level more than the level list holds.
            ("pack_2/03_c.txt", "name: C\n" + "#####\n" * 5,
             "pack_2: 3 levels, more than the 2 items of the level list "
             "(pages levels_grid in tools/sources/windows/packs.txt)"),
            # Ambiguous and of no size the game shows: its size is named.
            ("pack_1/02_b.txt", "name: B\n#.\n.#\n", "pack_1/02_b (B): a side of 2 cells"),
            ("pack_1/02_b.txt", "name: B\n#x\n.#\n", "pack_1/02_b:2: a picture row holds only"),
        ]
        for path, text, message in cases:
            with self.subTest(path=path, text=text):
                self.tearDown()
                self.setUp()
                self.write("tools/sources/levels/" + path, text)
                with self.assertRaises(ValueError) as caught:
                    make_levels.check_sources(self.root)
                self.assertIn(message, str(caught.exception))

    def test_the_template_player_lists_every_level_with_the_first_open(self):
        player = ElementTree.fromstring(template_player.player_xml(self.root))
        packs = player.findall("packs/pack")
        self.assertEqual([p.get("id") for p in packs], ["1", "2"])
        levels = [(p.get("id"), l.get("id"), l.get("file"), l.get("lock")) for p in packs for l in p]
        self.assertEqual(levels, [("1", "1", "a.xml", "false"), ("1", "2", "b.xml", "true"),
                                  ("2", "1", "a.xml", "true"), ("2", "2", "b.xml", "true")])
        items = {i.get("name"): i.get("count") for i in player.findall("playeritems/item")}
        self.assertEqual(items, {"errors": "5", "health": "5", "start_hint": "2"})
        self.assertEqual(player.find("health").attrib, {"increment": "false", "count": "5", "countdown": "0",
                                                        "time_refill_heart": "1200"})
        self.assertTrue(all(v == "0" for v in player.find("statisctic").attrib.values()))


if __name__ == "__main__":
    unittest.main()
