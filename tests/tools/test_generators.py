"""Unit tests of the content generators' shared drawing and output code, of
the string and trophy sources' rules and of how the generators fit together
(tools/lib/, tools/make_all.py). Run by ctest (tools/CMakeLists.txt):
python3 -m unittest discover -s tests/tools -t tests/tools
"""

import ast
import glob
import math
import os
import struct
import sys
import tempfile
import unittest
import zlib

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)

from lib import content  # noqa: E402
from lib import drawing  # noqa: E402
from lib import shop  # noqa: E402
from lib import strings  # noqa: E402
from lib import trophies  # noqa: E402
from lib.shop import read_offers  # noqa: E402
from lib.trophies import Trophy, read_trophies  # noqa: E402
import make_all  # noqa: E402
import make_cursor  # noqa: E402
import make_gui  # noqa: E402
import make_panels  # noqa: E402
import make_resource_list  # noqa: E402
import make_screen_borders  # noqa: E402
import make_settings  # noqa: E402
import make_shop  # noqa: E402
import make_strings  # noqa: E402
import make_trophies  # noqa: E402


def sampled(width, height, distance, rgb):
    """The shape drawn by sampling every pixel 4 x 4, with no shortcut."""
    canvas = drawing.Canvas(width, height)
    canvas.fill(lambda x, y: distance(x, y) <= 0, rgb)
    return canvas


class DrawingTest(unittest.TestCase):
    def test_shapes_equal_full_sampling(self):
        shapes = {
            "circle": drawing.circle_distance(20.3, 18.7, 11.2),
            "ring": drawing.subtract(drawing.circle_distance(20, 20, 15), drawing.circle_distance(20, 20, 11.5)),
            "rounded": drawing.rounded_rect_distance(3.5, 5, 36, 30.25, 7),
            "stroke": drawing.polyline_distance([(4, 30), (15, 8), (36, 34)], 4.5),
            "star": drawing.polygon_distance(drawing.star_points(20, 20, 16)),
            "digits": drawing.text_distance("407", 20, 20, 18, 3),
            "arc": drawing.arc_distance(20, 20, 13, 5, -1.3, 4.1),
            "whole arc": drawing.arc_distance(20.5, 19, 12, 4, 0.2, 7.0),
        }
        for name, distance in shapes.items():
            fast = drawing.Canvas(40, 40)
            fast.shape(distance, drawing.ACCENT)
            self.assertEqual(fast.pixels, sampled(40, 40, distance, drawing.ACCENT).pixels, name)

    def test_png_holds_the_pixels_and_nothing_else(self):
        canvas = drawing.Canvas(3, 2)
        canvas.rect(0, 0, 2, 1, drawing.ERROR)
        canvas.blend(2, 1, drawing.INK, 128)
        data = canvas.png()
        self.assertEqual(data, canvas.png())
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        chunks, at = [], 8
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            chunks.append((kind, data[at + 8:at + 8 + length]))
            at += 12 + length
        self.assertEqual([kind for kind, _ in chunks], [b"IHDR", b"IDAT", b"IEND"])
        self.assertEqual(struct.unpack(">IIBBBBB", chunks[0][1]), (3, 2, 8, 6, 0, 0, 0))
        raw = zlib.decompress(chunks[1][1])
        self.assertEqual(raw, bytes([0, *drawing.ERROR, 255, *drawing.ERROR, 255, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 0, 0, 0, *drawing.INK, 128]))

    def test_desaturated_keeps_alpha_and_loses_colour(self):
        canvas = drawing.Canvas(2, 1)
        canvas.blend(0, 0, drawing.ACCENT, 200)
        grey = canvas.desaturated()
        r, g, b, a = grey.pixels[0][0]
        self.assertEqual((r, r), (g, b))
        self.assertEqual(a, 200)
        self.assertEqual(grey.pixels[0][1], (0, 0, 0, 0))
        self.assertGreater(canvas.desaturated(lighten=0.5).pixels[0][0][0], r)

    def test_shadow_lies_below_and_keeps_the_shape(self):
        canvas = drawing.Canvas(30, 30)
        canvas.rect(10, 10, 20, 20, drawing.ACCENT)
        shadowed = canvas.with_shadow(2, (0, 4), drawing.INK, 0.5)
        self.assertEqual(shadowed.pixels[15][15], canvas.pixels[15][15])
        below, above = shadowed.pixels[22][15], shadowed.pixels[7][15]
        self.assertEqual(below[:3], drawing.INK)
        self.assertGreater(below[3], 0)
        self.assertLess(below[3], 128)
        self.assertEqual(above[3], 0)

    def test_falloff_fades_to_nothing_at_its_reach(self):
        canvas = drawing.Canvas(20, 1)
        canvas.falloff(lambda x, y: x - 5.0, 10, drawing.INK, 1.0)
        alphas = [pixel[3] for pixel in canvas.pixels[0]]
        self.assertEqual(alphas[:5], [255] * 5)
        self.assertTrue(all(a > b for a, b in zip(alphas[5:15], alphas[6:15])))
        self.assertEqual(alphas[15:], [0] * 5)


class WidgetPicturesTest(unittest.TestCase):
    """The widget sheets: frames of the stated sizes, looks that differ as
    the art direction says, frames that join and repeat."""

    @classmethod
    def setUpClass(cls):
        cls.images = make_gui.images()

    def frames(self, name, width):
        image = self.images[name]
        self.assertEqual(image.width % width, 0, name)
        return [[row[i * width:(i + 1) * width] for row in image.pixels] for i in range(image.width // width)]

    @staticmethod
    def face_top(frame):
        """The first row of the face's border in the frame's middle column."""
        middle = len(frame[0]) // 2
        return next(y for y, row in enumerate(frame) if row[middle][3] == 255)

    def test_button_sheets_hold_their_looks(self):
        for name, size in (("button_wide.png", make_gui.WIDE), ("button_icon.png", make_gui.ICON)):
            self.assertEqual(self.images[name].height, size[1], name)
            normal, hover, pressed, selected, disabled = self.frames(name, size[0])
            self.assertEqual(self.face_top(pressed), self.face_top(normal) + 1, name + ": pressed is lower")
            middle = (size[0] // 2, size[1] // 2)
            shade = [sum(f[middle[1]][middle[0]][:3]) for f in (normal, pressed)]
            self.assertLess(shade[1], shade[0], name + ": pressed is darker")
            self.assertNotEqual(hover, normal, name)
            self.assertNotEqual(selected, normal, name)
            self.assertTrue(all(r == g == b for row in disabled for r, g, b, _ in row), name + ": grey")
        up, down = self.frames("button_two.png", make_gui.TWO[0])
        self.assertEqual(self.face_top(down), self.face_top(up) + 1)

    def test_check_box_tick_stands_alone(self):
        box, hover, pressed, tick, unused = self.frames("checkbox.png", make_gui.CHECK)
        self.assertEqual(len({str(box), str(hover), str(pressed)}), 3)
        self.assertEqual(tick[0][0][3], 0)  # no box under the tick
        self.assertEqual(tick[19][20][:3], make_gui.TICK_COLOUR)
        self.assertTrue(all(pixel[3] == 0 for row in unused for pixel in row))

    def test_switch_shows_the_accent_on_the_right(self):
        track = self.images["switch_track.png"]
        middle = track.height // 2
        self.assertEqual(track.pixels[middle][track.width * 3 // 4][:3], drawing.ACCENT)
        self.assertEqual(track.pixels[middle][track.width // 4][:3], make_gui.TRACK_OFF)
        # The knob resting on the right end hides all of the accent.
        for y, row in enumerate(track.pixels):
            for x, pixel in enumerate(row):
                if pixel[:3] == drawing.ACCENT:
                    self.assertLessEqual(math.hypot(x + 0.5 - 48, y + 0.5 - 16), make_gui.KNOB_RADIUS)
        knob = self.images["switch_knob.png"]
        self.assertEqual((knob.width, knob.height), (make_gui.KNOB, make_gui.KNOB))
        self.assertTrue(all(c >= 235 for c in knob.pixels[knob.height // 2][knob.width // 2][:3]))
        self.assertEqual(knob.pixels[0][0][3], 0)

    def test_dialog_pieces_repeat_and_join(self):
        piece = {name: self.images["dialog_%s.png" % name].pixels for name in drawing.NINE_PARTS}
        for name in ("up", "dn", "mid"):
            for row in piece[name]:
                self.assertEqual(len(set(row)), 1, name)
        for name in ("lt", "rt", "mid"):
            self.assertTrue(all(row == piece[name][0] for row in piece[name]), name)
        last = make_gui.DIALOG_PIECE - 1
        self.assertEqual([row[last] for row in piece["ul"]], [row[0] for row in piece["up"]])
        self.assertEqual(piece["dr"][0], piece["rt"][last])
        self.assertEqual(piece["mid"][0][0], drawing.PANEL + (255,))

    def test_bars_fill_with_the_accent(self):
        empty, full = self.frames("progress_bar.png", make_gui.BAR[0])
        middle = make_gui.BAR[1] // 2
        def off_accent(pixel):
            return sum(abs(a - b) for a, b in zip(pixel[:3], drawing.ACCENT))
        self.assertLess(off_accent(full[middle][make_gui.BAR[0] // 2]), 40)  # a gentle gradient
        self.assertGreater(off_accent(empty[middle][make_gui.BAR[0] // 2]), 120)
        ring = self.images["progress_ring.png"]
        side = make_gui.RING
        self.assertEqual((ring.width, ring.height), (side * 5, side * 2))

        def accent_pixels(index):
            left, top = (index % 5) * side, (index // 5) * side
            return sum(1 for y in range(top, top + side) for x in range(left, left + side)
                       if ring.pixels[y][x][:3] == drawing.ACCENT)
        counts = [accent_pixels(i) for i in range(make_gui.RING_FRAMES)]
        self.assertEqual(counts[0], 0)
        self.assertEqual(counts, sorted(counts))
        self.assertEqual(len(set(counts)), len(counts), "each frame fills more")


class PanelPicturesTest(unittest.TestCase):
    """The nine pieces join into one seamless frame at any size."""

    def setUp(self):
        self.pieces = make_panels.panel_pieces()

    def piece(self, name):
        return self.pieces["panel_%s.png" % name].pixels

    def test_edges_and_middle_repeat_along_their_axis(self):
        for name in ("up", "dn", "mid"):
            for row in self.piece(name):
                self.assertEqual(len(set(row)), 1, name)
        for name in ("lt", "rt", "mid"):
            rows = self.piece(name)
            self.assertTrue(all(row == rows[0] for row in rows), name)
        self.assertEqual(set(self.piece("mid")[0]), {drawing.PANEL + (255,)})

    def test_corners_continue_their_edges(self):
        size = make_panels.PIECE
        # The corner's last column (or row) toward an edge equals that edge.
        for corner, edge in (("ul", "up"), ("ur", "up"), ("dl", "dn"), ("dr", "dn")):
            inner = size - 1 if corner in ("ul", "dl") else 0
            self.assertEqual([row[inner] for row in self.piece(corner)],
                             [row[0] for row in self.piece(edge)], corner)
        for corner, edge in (("ul", "lt"), ("dl", "lt"), ("ur", "rt"), ("dr", "rt")):
            inner = size - 1 if corner in ("ul", "ur") else 0
            self.assertEqual(self.piece(corner)[inner], self.piece(edge)[0], corner)

    def test_the_border_and_shadow_follow_the_art_direction(self):
        up = [row[0] for row in self.piece("up")]
        top = make_panels.INSET[1]
        self.assertEqual(up[top], drawing.PANEL_BORDER + (255,))
        self.assertEqual(up[top + 1], drawing.PANEL + (255,))
        self.assertGreater(up[top - 1][3], 0)  # the shadow shows above the border
        self.assertEqual(up[0][3], 0)

    def test_markers_differ_and_the_dot_fades(self):
        sheet = make_panels.page_markers()
        half = sheet.width // 2
        middle = sheet.height // 2
        self.assertEqual(sheet.pixels[middle][half // 2][:3], drawing.ACCENT)
        self.assertEqual(sheet.pixels[middle][half + half // 2][:3], make_panels.OTHER_DOT)
        dot = make_panels.soft_dot()
        centre = dot.pixels[dot.height // 2][dot.width // 2]
        self.assertEqual(centre[:3], (255, 255, 255))
        self.assertGreater(centre[3], 200)
        self.assertEqual(dot.pixels[0][0][3], 0)

    def test_the_star_is_white_with_five_points_in_a_glow(self):
        star = make_panels.star()
        middle = make_panels.STAR // 2
        self.assertEqual(star.pixels[middle][middle], (255, 255, 255, 255))
        top = middle + 1 - make_panels.STAR_RADIUS
        self.assertEqual(star.pixels[top + 2][middle][3], 255)  # the upper point
        self.assertEqual(star.pixels[top + 2][middle - 6][3], 0)  # beside it, outside the glow
        glow = star.pixels[middle + 1][middle + make_panels.STAR_RADIUS - 1]  # between two points
        self.assertEqual(glow[:3], (255, 255, 255))
        self.assertGreater(glow[3], 0)
        self.assertLess(glow[3], 255)
        self.assertEqual(star.pixels[0][0][3], 0)


class SourcesTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        for pack in ("pack_1", "pack_2"):
            os.makedirs(os.path.join(self.root, "tools", "sources", "levels", pack))
        os.makedirs(os.path.join(self.root, "tools", "sources", "strings"))

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        with open(os.path.join(self.root, path), "w", encoding="utf-8") as out:
            out.write(text)

    def test_packs_are_numbered_without_gaps(self):
        os.makedirs(os.path.join(self.root, "tools", "sources", "levels", "pack_10"))
        with self.assertRaises(ValueError):
            content.shipped_packs(self.root)
        for n in range(3, 10):
            os.makedirs(os.path.join(self.root, "tools", "sources", "levels", "pack_%d" % n))
        self.assertEqual([n for n, _ in content.shipped_packs(self.root)], list(range(1, 11)))
        os.makedirs(os.path.join(self.root, "tools", "sources", "levels", "extra"))
        with self.assertRaises(ValueError):
            content.shipped_packs(self.root)

    def test_strings_expand_packs_and_escapes(self):
        self.write("tools/sources/strings/b.txt", "# comment\n\nlast = a = b\n")
        self.write("tools/sources/strings/a.txt",
                   "title_{pack} = Pack {pack}\nhelp = one\\ntwo \\\\ <&>\n")
        rows = strings.read_sources(self.root)
        self.assertEqual(rows, [("title_1", "Pack 1"), ("title_2", "Pack 2"),
                                ("help", "one\ntwo \\ <&>"), ("last", "a = b")])
        xml = make_strings.strings_xml(rows).decode("utf-8")
        self.assertIn("<Row><Cell><Data ss:Type=\"String\">localization_key</Data></Cell>"
                      "<Cell><Data ss:Type=\"String\">en</Data></Cell></Row>", xml)
        self.assertIn("one&#10;two \\ &lt;&amp;&gt;", xml)

    def test_bad_strings_are_refused(self):
        for text in ("no equals sign\n", "two words = x\n", "k = bad \\t escape\n", "k_{level} = x\n",
                     "k = one\nk = two\n"):
            self.write("tools/sources/strings/a.txt", text)
            with self.assertRaises(ValueError, msg=text):
                strings.read_sources(self.root)

    def trophies(self, lines, levels=4):
        self.write("tools/sources/trophies.txt", lines)
        return read_trophies(self.root, [None] * levels)

    def test_a_pack_line_makes_one_trophy_per_pack(self):
        trophies = self.trophies("tr_pack_{pack} pack_completion float >= 1.0 100 pack  # per pack\n"
                                 "tr_stars_3 three_star_levels uint >= {levels} 100 stars_3\n")
        self.assertEqual([(t.name, t.pack) for t in trophies],
                         [("tr_pack_1", 1), ("tr_pack_2", 2), ("tr_stars_3", None)])
        self.assertEqual(trophies[2].target, 4)
        xml = make_trophies.trophies_xml(trophies).decode("utf-8")
        self.assertIn('image_open="data/share/image/trophies tr_pack_2_open.png"', xml)
        self.assertIn('<condition name="three_star_levels" value_type="uint" value="4" operator="&gt;="/>', xml)

    def test_bad_trophies_are_refused(self):
        for line in ("t score uint >= 5 10 cup\n",            # not a settled value name
                     "t max_score int >= 5 10 cup\n",         # the wrong type for it
                     "t max_score uint => 5 10 cup\n",        # no such operator
                     "t max_score uint >= -5 10 cup\n",       # a uint with a sign
                     "t max_score uint >= 5 10 rocket\n",     # no such picture
                     "t max_score uint >= 5 ten cup\n",
                     "t max_score uint >= 5 10\n",
                     "t max_score uint >= 5 10 cup\nt hint_use uint >= 1 10 hint\n"):
            with self.assertRaises(ValueError, msg=line):
                self.trophies(line)

    def test_targets_must_be_reachable(self):
        class Level:
            rows = ["##.", "#.."]
        levels = [Level(), Level()]   # 3 filled cells each
        reachable = {"three_star_levels": 2, "without_error_max": 2, "hint_use": 8, "max_score": 6}
        for value, best in reachable.items():
            make_trophies.check_reachable(Trophy("t", value, "uint", ">=", best, 1, "cup"), levels)
            for target in (best + 1, 0):
                with self.assertRaises(ValueError, msg="%s %d" % (value, target)):
                    make_trophies.check_reachable(
                        Trophy("t", value, "uint", ">=", target, 1, "cup"), levels)
        with self.assertRaises(ValueError):
            make_trophies.check_reachable(
                Trophy("t", "pack_completion", "float", ">=", 1.5, 1, "pack"), levels)

    def offers(self, lines):
        self.write("tools/sources/shop.txt", lines)
        return read_offers(self.root, {"start_hint": 3})

    def test_offers_make_ladders_above_the_template(self):
        offers = self.offers("refill_hint endless 40 hint\nstart_hint 4 150 hint\nstart_hint 6 300 hint\n"
                             "errors 1 10 heart\n")
        self.assertEqual([(o.name, o.value, o.endless) for o in offers],
                         [("refill_hint", None, True), ("start_hint", 4, False), ("start_hint", 6, False),
                          ("errors", 1, False)])
        xml = make_shop.store_xml(offers).decode("utf-8")
        self.assertIn('<item name="refill_hint" price="40" annotation="refill_hint_desc" '
                      'image="data/share/image/shop hint.png" endless="true" InAppKey="refill_hint" value="0"/>',
                      xml)

    def test_bad_offers_are_refused(self):
        for line in ("start_hint 3 100 hint\n",                     # not above the template's 3
                     "start_hint 5 100 hint\nstart_hint 5 200 hint\n",  # does not rise
                     "refill_hint endless 1 hint\nrefill_hint endless 2 hint\n",
                     "start_hint 4 100 rocket\n",
                     "start_hint four 100 hint\n",
                     "start_hint 4 -5 hint\n",
                     "start_hint 4 100\n"):
            with self.assertRaises(ValueError, msg=line):
                self.offers(line)

    def test_offers_need_their_strings(self):
        offers = self.offers("start_hint 4 150 hint\n")
        make_shop.check_strings(offers, [("start_hint", "A"), ("start_hint_desc", "B")])
        with self.assertRaises(ValueError):
            make_shop.check_strings(offers, [("start_hint", "A")])


class ShellContentTest(unittest.TestCase):
    def test_the_ear_tile_repeats_seamlessly(self):
        tile = make_screen_borders.ear_tile()
        cell = make_screen_borders.CELL
        for y in range(tile.height):
            # Each cell repeats the one before it across the tile's seam too.
            self.assertEqual(tile.pixels[y][0], tile.pixels[(y + tile.height) % tile.height][0])
            for x in range(1, cell):
                self.assertEqual(tile.pixels[y][x], tile.pixels[y][x + cell], (x, y))
        self.assertEqual(tile.pixels[0][0][:3], make_screen_borders.EAR_BLOCK)
        self.assertEqual(tile.pixels[cell][1][:3], make_screen_borders.EAR_GRID)
        self.assertEqual(tile.pixels[1][1][:3], make_screen_borders.EAR_PAPER)

    def test_the_cursor_points_from_its_upper_left_corner(self):
        # The game draws the picture's upper-left corner at the pointer: the
        # arrow's light edge must start there and its ink just inside.
        picture = make_cursor.cursor()
        self.assertGreater(picture.pixels[0][0][3], 0)
        self.assertEqual(picture.pixels[1][1][:3], make_cursor.gfx.PANEL)
        tip_x, tip_y = (int(v) + 1 for v in make_cursor.TIP)
        self.assertEqual(picture.pixels[tip_y + 2][tip_x][:3], make_cursor.gfx.INK)
        # Beyond the arrow and its shadow the picture is clear.
        self.assertEqual(picture.pixels[picture.height - 1][picture.width - 1][3], 0)
        self.assertEqual(picture.pixels[0][picture.width - 1][3], 0)

    def test_the_resource_list_takes_folders_with_files_and_archives(self):
        with tempfile.TemporaryDirectory() as resources:
            def put(relative, data=b"x"):
                path = os.path.join(resources, *relative.split("/"))
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "wb") as out:
                    out.write(data)
            put("game.xml")                                   # the top level: the driver's
            put("data/data.xml")
            put("data/en/strings.xml")                        # a language: added by language
            put("data/de/strings.xml")
            put("data/share/main/levels", b"PK\x03\x04rest")  # an archive
            put("data/share/image/gui/a.png")
            os.makedirs(os.path.join(resources, "data", "share", "empty"))
            self.assertEqual(make_resource_list.folders_of(resources),
                             ["data", "data/share/image/gui", "data/share/main/levels"])

    def test_the_editions_name_only_shipped_files(self):
        make_settings.check_files(content.CHECKOUT)
        files = make_settings.EDITION_LIST[0][2]
        saved = list(files)
        try:
            files.append(("extra", "data/share/main/other nowhere.xml"))
            with self.assertRaises(ValueError):
                make_settings.check_files(content.CHECKOUT)
        finally:
            files[:] = saved



def imported_modules(path):
    """The top-level names of the modules a Python file imports."""
    with open(path, encoding="utf-8") as source:
        tree = ast.parse(source.read(), path)
    names = set()
    for node in ast.walk(tree):
        if isinstance(node, ast.Import):
            names.update(alias.name.split(".")[0] for alias in node.names)
        elif isinstance(node, ast.ImportFrom) and node.level == 0:
            names.add(node.module.split(".")[0])
    return names


class GeneratorLayoutTest(unittest.TestCase):
    """Each generator stands alone on tools/lib/; make_all.py runs them all."""

    generators = sorted(os.path.basename(path)[:-3] for path in glob.glob(os.path.join(TOOLS, "make_*.py")))

    def test_generators_import_only_the_library_and_the_standard_library(self):
        self.assertIn("make_levels", self.generators)
        allowed = set(getattr(sys, "stdlib_module_names", ())) | {"lib"}
        for path in glob.glob(os.path.join(TOOLS, "make_*.py")) + glob.glob(os.path.join(TOOLS, "lib", "*.py")):
            with self.subTest(os.path.relpath(path, TOOLS)):
                names = imported_modules(path)
                self.assertEqual({name for name in names if name.startswith("make_")}, set())
                if allowed != {"lib"}:
                    self.assertLessEqual(names, allowed)

    def test_make_all_runs_every_generator_once(self):
        self.assertEqual(sorted(make_all.ORDER), [g for g in self.generators if g != "make_all"])
        # The checks of what is shipped, and the list of its folders, come last.
        self.assertEqual(make_all.ORDER[-4:], ["make_windows", "make_pages", "make_settings",
                                               "make_resource_list"])

    def test_every_picture_a_source_may_name_is_drawn(self):
        self.assertEqual(sorted(make_shop.DRAWINGS), sorted(shop.PICTURES))
        self.assertEqual(sorted(make_trophies.EMBLEMS), sorted(trophies.PICTURES))

    def test_the_check_names_every_file_not_as_shipped(self):
        with tempfile.TemporaryDirectory() as written, tempfile.TemporaryDirectory() as shipped:
            def put(root, relative, data=b"x"):
                path = os.path.join(root, *relative.split("/"))
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "wb") as out:
                    out.write(data)
            for relative, data in (("game.xml", b"x"), ("data/a/same.png", b"x"), ("data/a/changed.png", b"y"),
                                   ("data/a/new.png", b"x")):
                put(written, relative, data)
            for relative in ("game.xml", "data/a/same.png", "data/a/changed.png", "data/a/old.png",
                             "data/a/deeper/other.png", "data/font/font.png", "licence.txt"):
                put(shipped, relative)
            self.assertEqual(make_all.differences(written, shipped),
                             ["differs: data/a/changed.png", "not shipped: data/a/new.png",
                              "written by no generator: licence.txt",
                              "written by no generator: data/a/old.png"])
            self.assertEqual(make_all.differences(shipped, shipped), [])


if __name__ == "__main__":
    unittest.main()
