"""The game's rule values that more than one generator writes or checks
against.
"""

# The board's rules (GameProcess/settings.xml, written by
# tools/make_levels.py): coins per rightly found filled cell, coins of a
# bonus cell, progress thresholds for hint awards. tools/make_trophies.py
# refuses a trophy they do not let a player reach.
COINS_PER_CELL = 1
BONUS_COINS = 10
MAX_HINTS = 4

# The rule values every player starts with (items of the template player's
# table, tools/make_player.py). tools/make_shop.py sells only counts above
# them.
PLAYER_RULES = [
    ("errors", 5),      # wrong cells a level allows; the level is lost at the last
    ("health", 5),      # most hearts a player holds
    ("start_hint", 2),  # hints given at the start of every level
]
