"""Unit tests of the input widgets' pictures (tools/make_gui_inputs.py): the
slider sheets' frames join into one groove when the slider lays them along
its axis. Run by ctest with the other generator tests."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

from lib import drawing  # noqa: E402
import make_gui_inputs as gui  # noqa: E402

PIECE = gui.PIECE


class CanvasHelpersTest(unittest.TestCase):
    def test_crop_and_transpose(self):
        canvas = drawing.Canvas(4, 3)
        canvas.rect(1, 0, 2, 1, (10, 20, 30))
        part = canvas.crop(1, 0, 3, 2)
        self.assertEqual((part.width, part.height), (2, 2))
        self.assertEqual(part.pixels[0][0], (10, 20, 30, 255))
        flipped = canvas.transposed()
        self.assertEqual((flipped.width, flipped.height), (3, 4))
        self.assertEqual(flipped.pixels[1][0], (10, 20, 30, 255))


class SliderSheetTest(unittest.TestCase):
    def setUp(self):
        self.frames = gui.slider_frames()

    def column(self, frame, x):
        return [row[x] for row in self.frames[frame].pixels]

    def test_thirteen_square_frames_and_twelve_of_them_for_the_other_sheet(self):
        self.assertEqual(len(self.frames), 13)
        for frame in self.frames:
            self.assertEqual((frame.width, frame.height), (PIECE, PIECE))
        self.assertEqual(drawing.sheet(self.frames[:12]).width, 12 * PIECE)

    def test_track_and_fill_repeat_down_the_frame(self):
        for index in (10, 12):
            rows = self.frames[index].pixels
            self.assertTrue(all(row == rows[0] for row in rows), index)

    def test_the_track_shows_the_caps_groove_across_it(self):
        # Laid along the axis a quarter turned, the track frame's column c
        # lies c pixels above the groove's lower side: its row is the caps'
        # straight groove read from the bottom up.
        start_cap_inner = self.column(9, PIECE - 1)
        end_cap_inner = self.column(11, 0)
        self.assertEqual(start_cap_inner, end_cap_inner)
        self.assertEqual(self.frames[10].pixels[0], list(reversed(start_cap_inner)))

    def test_runner_and_fill_are_in_the_accent(self):
        middle = PIECE // 2
        for runner in (6, 7, 8):
            self.assertNotEqual(self.frames[runner].pixels[middle][middle][3], 0)
        self.assertEqual(self.frames[6].pixels[middle][middle][:3], drawing.ACCENT)
        self.assertEqual(self.frames[12].pixels[0][middle][:3], drawing.ACCENT)
        self.assertEqual(self.frames[12].pixels[0][0][3], 0, "the fill stays inside the groove")

    def test_frames_leave_their_edges_clear_for_the_wrapping_runner(self):
        for index in range(9):
            frame = self.frames[index].pixels
            self.assertTrue(all(row[0][3] == 0 and row[-1][3] == 0 for row in frame), index)


class BoxesTest(unittest.TestCase):
    def test_boxes_have_the_panels_border_and_field(self):
        for canvas in (gui.line_box(), gui.list_panel()):
            middle = canvas.height // 2
            self.assertEqual(canvas.pixels[middle][0], drawing.PANEL_BORDER + (255,))
            self.assertEqual(canvas.pixels[middle][canvas.width // 2], drawing.PANEL + (255,))


if __name__ == "__main__":
    unittest.main()
