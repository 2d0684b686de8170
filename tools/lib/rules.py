"""The game's rule values that more than one generator writes or checks
against.

The board's rules (GameProcess/settings.xml, tools/make_levels.py): coins
per rightly found filled cell, coins of a bonus cell, progress thresholds
for hint awards. tools/make_trophies.py refuses trophies they cannot reach.
"""

COINS_PER_CELL = 1
BONUS_COINS = 10
MAX_HINTS = 4
