"""The shipped data tree as a whole (tools/check_data.py): the checks pass on
Resources/ and the game's sources, each of them finds the fault it is for in
a copy of the tree broken on purpose, and every window the game opens by
name is in the scene list.
Run by ctest through tests/tools (python3 -m unittest discover).
"""

import os
import shutil
import sys
import tempfile
import unittest
import zipfile

CHECKOUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(CHECKOUT, "tools"))

import check_data  # noqa: E402

# Every window the game opens, closes or looks up by name. The code's own
# literals must all be here (test_the_code_names_no_window_beyond_the_table).
WINDOWS = (
    "Fade_Transition",
    "Title", "Title_Top", "Confirm_Exit", "Players_EditBox",
    "Packs", "Levels", "Packs_Menu", "Pack_Title", "Level_Title", "Back", "Stars", "Sumie",
    "Heart", "Training",
    "GP_Menu", "GP_Finish", "GP_FeedBack_Reset",
    "Confirm_Restart_Level", "Confirm_Restart_In_Finish", "Confirm_Restart_Finish",
    "Confirm_Close_Lvl", "Confirm_SecondChance", "Confirm_SecondChanceBuy",
    "Confirm_NoHealth", "Confirm_Buy_Pack", "Confirm_NoMoney",
    "Confirm_PackLock", "Confirm_PackLockNeedBuy", "Confirm_Skip_Tutorial",
    "Shop", "FeedBack_Heart", "Trophy", "Trophy_Title", "Trophy_Get",
    "Options", "Help", "Credits", "Players", "Players_Confirm_Del",
)


class ShippedTreeTest(unittest.TestCase):
    def test_the_shipped_tree_passes_every_check(self):
        for check in check_data.CHECKS:
            with self.subTest(check=check.__name__):
                self.assertEqual(check(CHECKOUT), [])

    def test_every_window_the_game_opens_is_in_the_scene_list(self):
        self.assertEqual(len(WINDOWS), 40)
        scenes = check_data.scene_names(CHECKOUT)
        self.assertEqual([name for name in WINDOWS if name not in scenes], [])
        self.assertEqual(len(scenes), len(set(scenes)), "a window is listed twice")

    def test_the_code_names_no_window_beyond_the_table(self):
        names = check_data.code_window_names(CHECKOUT)
        self.assertEqual({name: where for name, where in names.items() if name not in WINDOWS}, {})
        # The grep sees the code: the hub's and the bar's names are found.
        self.assertIn("Training", names)
        self.assertIn("Confirm_Skip_Tutorial", names)

    def test_the_code_asks_for_string_keys_the_grep_sees(self):
        keys = check_data.code_keys(CHECKOUT)
        self.assertIn("window_title", keys)
        self.assertIn("label_hello_player", keys)


class BrokenTreeTest(unittest.TestCase):
    """A copy of the shipped tree with one fault put in per case."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        shutil.copytree(os.path.join(CHECKOUT, "Resources"), os.path.join(self.root, "Resources"))
        shutil.copytree(os.path.join(CHECKOUT, "game"), os.path.join(self.root, "game"))

    def tearDown(self):
        self.folder.cleanup()

    def path(self, relative):
        return os.path.join(self.root, "Resources", *relative.split("/"))

    def edit(self, relative, old, new):
        with open(self.path(relative), encoding="utf-8") as source:
            text = source.read()
        self.assertIn(old, text)
        with open(self.path(relative), "w", encoding="utf-8") as out:
            out.write(text.replace(old, new, 1))

    def add_window(self, gui):
        with open(self.path("data/share/main/windows/Broken.xml"), "w", encoding="utf-8") as out:
            out.write('<window _name="Broken" _type="G_WINDOW_SIMPLE"><GUI>%s</GUI></window>' % gui)

    def faults(self, check):
        return "\n".join(check(self.root))

    def test_description_faults_are_found(self):
        cases = [
            ('<IMAGE ID="1" TEXTURE="data/share/image/gui panel.png">'
             "<TRANSFORM>0 0 0 0 0 0 0 0 0 1 2 1</TRANSFORM></IMAGE>", "scales by 1 2 1, not 1 1 1"),
            ('<IMAGE ID="1" TEXTURE="data/share/image/gui panel.png"><TRANSFORM>0 0 1</TRANSFORM></IMAGE>',
             "holds 3 numbers, not 12"),
            ('<IMAGE ID="1" TEXTURE="data/share/image/gui gone.png"/>',
             "names 'data/share/image/gui gone.png', which is not shipped"),
            ('<WLABEL ID="1" FONT="data/share/font dejavu_sans_20.xml" TEXT=" "/>', "has an empty TEXT"),
            ('<WLABEL ID="1" FONT="data/share/font dejavu_sans_20.xml" FONT_COLOR="255 46 52 64"/>',
             "the wide label reads hexadecimal AARRGGBB"),
            ('<LINEBOX ID="1" FONT_COLOR="FF2E3440"/>', "LINEBOX reads \"a r g b\""),
            ('<IMAGE ID="1" TEXTURE="data/share/image/gui panel.png" COLOR="#2E3440"/>',
             "neither AARRGGBB nor"),
        ]
        for gui, message in cases:
            with self.subTest(message=message):
                self.add_window(gui)
                self.assertIn(message, self.faults(check_data.description_faults))

    def test_a_plain_path_that_is_not_shipped_is_found(self):
        self.edit("data/share/main/other/screen_loading.xml", "<FILE>data/", "<FILE>data/gone/")
        self.assertIn("which is not shipped", self.faults(check_data.description_faults))

    def test_string_faults_are_found(self):
        self.add_window('<WLABEL ID="1" FONT="data/share/font dejavu_sans_20.xml" TEXT="no_such_key"/>')
        self.edit("data/en/strings.xml", "Buy this pack", "Save 50% on this pack")
        self.edit("data/share/main/other/trophies.xml", 'desc="tr_pack_1_desc"', 'desc=""')
        faults = self.faults(check_data.string_faults)
        self.assertIn("Broken.xml: the string key 'no_such_key' is not in", faults)
        self.assertIn("'confirm_buy_pack' holds a \"%\" that is not its one placeholder", faults)
        self.assertIn("trophies.xml: an empty string key", faults)

    def test_a_key_the_code_asks_for_must_be_shipped(self):
        with open(os.path.join(self.root, "game", "extra.h"), "w", encoding="utf-8") as out:
            out.write('constexpr const char* kFarewellKey = "label_farewell";\n'
                      '// constexpr const char* kOldKey = "label_old";  (a comment: not asked)\n')
        faults = self.faults(check_data.string_faults)
        self.assertIn("game/extra.h: the string key 'label_farewell' is not in", faults)
        self.assertNotIn("label_old", faults)

    def test_a_window_the_code_names_must_be_listed(self):
        with open(os.path.join(self.root, "game", "extra.cpp"), "w", encoding="utf-8") as out:
            out.write('void F() { windows->OpenWindow("Confirm_Farewell", true); }\n')
        self.assertIn("game/extra.cpp: window 'Confirm_Farewell' is not in the scene list",
                      self.faults(check_data.code_window_faults))

    def test_a_level_missing_from_the_archive_is_found(self):
        archive = self.path("data/share/main/levels")
        with zipfile.ZipFile(archive) as source:
            entries = {name: source.read(name) for name in source.namelist()}
        first = sorted(name for name in entries if name.startswith("pack_1/"))[0]
        del entries[first]
        with zipfile.ZipFile(archive, "w") as out:
            for name, data in entries.items():
                out.writestr(name, data)
        self.assertIn("names %s, which data/share/main/levels lacks" % first,
                      self.faults(check_data.level_faults))

    def test_content_over_the_limit_is_found(self):
        with open(self.path("data/padding.bin"), "wb") as out:
            out.truncate(check_data.LIMIT_BYTES)
        self.assertIn("over the limit", self.faults(check_data.size_faults))


if __name__ == "__main__":
    unittest.main()
