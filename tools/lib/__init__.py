"""The content generators' library: the code that more than one
tools/make_*.py uses. A generator imports these modules (`from lib import
drawing as gfx`, `from lib.content import arguments`) and the standard
library, never another generator.

  content   the command line (--root, --out), writing files and archives,
            the pack folders, XML text, source tables
  drawing   the canvas, shapes, the palette and PNG writing
  faces     the button face and where a click lands on pictures drawn with
            room around them
  lists     the list box's pictures in any size
  levels    the level pictures, their clues and each board's layout on the
            screen (where the controls stand, the clue fonts)
  rules     the game's rule values that several generators use
  strings   the string sources (tools/sources/strings/) and their form
  sounds    the sound source (tools/sources/sounds.txt) and its form
  packs     the packs' descriptions (tools/sources/levels/pack_N/pack.txt)
  shop      the shop's offers (tools/sources/shop.txt)
  trophies  the trophies (tools/sources/trophies.txt)
  windows   the window layouts (tools/sources/windows/) and their form
"""
