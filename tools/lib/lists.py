"""The list box's pictures in any size: its panel, a row and the selected
row. tools/make_gui_inputs.py draws the list box's (LIST_PANEL, ROW,
HIGHLIGHT) and tools/make_menus.py the wider players list's, in the look of
the other input widgets (RADIUS, FIELD).
"""

from . import drawing as gfx

RADIUS = 8                       # the input panels' corner radius
FIELD = gfx.PANEL                # near-white inside of boxes
ROW_RULE = gfx.PAPER_BOTTOM

LIST_PANEL = (320, 216)
ROW = (304, 36)
HIGHLIGHT = (304, 32)


def list_panel(size=LIST_PANEL):
    width, height = size
    canvas = gfx.Canvas(width, height)
    gfx.framed_box(canvas, 0, 0, width, height, RADIUS, FIELD)
    return canvas


def list_row(size=ROW):
    width, height = size
    canvas = gfx.Canvas(width, height)
    canvas.rect(4, height - 1, width - 4, height, ROW_RULE)
    return canvas


def list_highlight(size=HIGHLIGHT):
    width, height = size
    canvas = gfx.Canvas(width, height)
    gfx.framed_box(canvas, 0, 0, width, height, RADIUS - 2, gfx.mix(FIELD, gfx.ACCENT, 0.3),
                   gfx.mix(FIELD, gfx.ACCENT, 0.8))
    return canvas
