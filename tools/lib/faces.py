"""Pictures drawn with room around what they show (a shadow, the pressed
look's drop), and where a click must land on them.

  face(size, look, pressed=False)
                             one button frame: the face in a look (its
                             gradient and border: ACCENT_LOOKS, LIGHT_LOOKS)
                             over its shadow, FACE_INSET from the frame's
                             edges;
                             tools/make_gui.py and tools/make_play_screen.py
                             draw their buttons with it
  FACES                      for each such shipped picture ("folder file"),
                             the margins (left, top, right, bottom) of the
                             room around its face or box: tools/make_windows.py
                             gives them to every widget and grid item drawn on
                             it (HIT_INSET, an item's "hit"), and
                             tools/make_play_screen.py to its buttons
Python 3 standard library and tools/lib/ only.
"""

from . import drawing as gfx

GUI = "data/share/image/gui"            # tools/make_gui.py draws these
SCREENS = "data/share/image/screens"    # tools/make_screens.py

# The button face.
RADIUS = 10                # the buttons' corner radius
BORDER = 2                 # the buttons' border
BUTTON_SHADOW = gfx.Shadow(reach=4, drop=2, opacity=0.18)
PRESSED_SHADOW = gfx.Shadow(reach=3, drop=1, opacity=0.14)
DISABLED_LIGHTEN = 0.35    # how far the disabled grey moves toward white
# The face's distance from a frame's left, top, right and bottom: room for
# the shadow below and for the pressed look's 1 px drop.
FACE_INSET = (3, 2, 3, 6)

# A look: the face's gradient (top, bottom) and its border.
ACCENT_LOOKS = {
    "normal": (gfx.lighter(gfx.ACCENT, 0.18), gfx.darker(gfx.ACCENT, 0.04), gfx.darker(gfx.ACCENT, 0.22)),
    "hover": (gfx.lighter(gfx.ACCENT, 0.34), gfx.lighter(gfx.ACCENT, 0.08), gfx.darker(gfx.ACCENT, 0.16)),
    "pressed": (gfx.darker(gfx.ACCENT, 0.06), gfx.darker(gfx.ACCENT, 0.16), gfx.darker(gfx.ACCENT, 0.32)),
    "selected": (gfx.lighter(gfx.SECONDARY, 0.22), gfx.SECONDARY, gfx.darker(gfx.SECONDARY, 0.25)),
}
LIGHT_LOOKS = {
    "normal": (gfx.PANEL, gfx.PAPER, gfx.PANEL_BORDER),
    "hover": (gfx.mix(gfx.PANEL, gfx.ACCENT, 0.14), gfx.mix(gfx.PAPER, gfx.ACCENT, 0.24),
              gfx.darker(gfx.ACCENT, 0.08)),
    "pressed": (gfx.PAPER_BOTTOM, gfx.darker(gfx.PAPER_BOTTOM, 0.08), gfx.darker(gfx.PANEL_BORDER, 0.22)),
    "selected": (gfx.mix(gfx.PANEL, gfx.SECONDARY, 0.12), gfx.mix(gfx.PAPER, gfx.SECONDARY, 0.2),
                 gfx.SECONDARY),
    # A white face barely changes when desaturated: the disabled look starts
    # from a dimmer one.
    "disabled": (gfx.PAPER_BOTTOM, gfx.PAPER_BOTTOM, gfx.CROSSED_NUMBER),
}

# The check box (checkbox.png): the box within its frame.
CHECK = 40                 # a check box frame's side
BOX = (6, 5, 34, 33)       # the box within its frame

# The level tiles and the pack card (tools/make_screens.py): the drawn face
# within a tile frame and within the card, as margins around it.
TILE_FACE = (7, 6, 7, 8)
CARD_FACE = (8, 7, 8, 10)

# What a click must land on in each frame of a sheet, as the margins
# (left, top, right, bottom) around the drawn face or box: the room kept for
# the shadow and the pressed look's drop shows nothing to click.
FACES = {
    GUI + " button_wide.png": FACE_INSET,
    GUI + " button_icon.png": FACE_INSET,
    GUI + " button_two.png": FACE_INSET,
    GUI + " checkbox.png": (BOX[0], BOX[1], CHECK - BOX[2], CHECK - BOX[3]),
    SCREENS + " level_tile.png": TILE_FACE,
    SCREENS + " pack_card.png": CARD_FACE,
}


def face(size, look, pressed=False):
    """One button frame: the face with its border and gradient over its
    shadow; pressed, 1 px lower and over a smaller shadow."""
    width, height = size
    top_rgb, bottom_rgb, border = look
    drop = 1 if pressed else 0
    left, top = FACE_INSET[0], FACE_INSET[1] + drop
    right, bottom = width - FACE_INSET[2], height - FACE_INSET[3] + drop
    shadow = PRESSED_SHADOW if pressed else BUTTON_SHADOW
    canvas = gfx.Canvas(width, height)
    canvas.falloff(gfx.rounded_rect_distance(left, top + shadow.drop, right, bottom + shadow.drop, RADIUS),
                   shadow.reach, gfx.INK, shadow.opacity)
    canvas.rounded_rect(left, top, right, bottom, RADIUS, border)
    canvas.rounded_rect(left + BORDER, top + BORDER, right - BORDER, bottom - BORDER, RADIUS - BORDER,
                        gfx.vertical_gradient(top + BORDER, bottom - BORDER, top_rgb, bottom_rgb))
    return canvas
