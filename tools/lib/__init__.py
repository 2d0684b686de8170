"""The content generators' library: the code that more than one
tools/make_*.py uses. A generator imports these modules (`from lib import
drawing as gfx`, `from lib.content import arguments`) and the standard
library, never another generator.

  content   the command line (--root, --out), writing files and archives,
            the pack folders, XML text, source tables
  drawing   the canvas, shapes, the palette and PNG writing
"""
