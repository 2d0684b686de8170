"""The shop's offers: tools/sources/shop.txt, one offer per line (its header
explains the columns: name, value, price, picture).

  read_offers(root, template=None)
                             the Offers (name, value or None when endless,
                             price, picture) in source order, each ladder of
                             one name rising above the template player's
                             count (PLAYER_RULES of tools/lib/rules.py
                             unless `template` gives the counts); ValueError
                             for the first fault
  PICTURES                   the pictures an offer may show, which
                             tools/make_shop.py draws into IMAGES
Python 3 standard library and tools/lib/ only.
"""

from .content import table_rows
from .rules import PLAYER_RULES

SOURCE = "tools/sources/shop.txt"
IMAGES = "data/share/image/shop"
PICTURES = ("hint", "heart", "mistake", "coins")
ENDLESS = "endless"


class Offer:
    def __init__(self, name, value, price, picture):
        self.name, self.value, self.price, self.picture = name, value, price, picture

    @property
    def endless(self):
        return self.value is None


def whole(text, where, what):
    try:
        value = int(text)
    except ValueError:
        raise ValueError("%s: the %s is a whole number" % (where, what)) from None
    if value < 0:
        raise ValueError("%s: the %s is not negative" % (where, what))
    return value


def read_offers(root, template=None):
    """The offers of tools/sources/shop.txt, checked against the template
    player's counts (tools/lib/rules.py's unless given)."""
    template = dict(PLAYER_RULES) if template is None else template
    offers = []
    for where, columns in table_rows(root, SOURCE):
        if len(columns) != 4:
            raise ValueError("%s: four columns: name value price picture" % where)
        name, value, price, picture = columns
        if picture not in PICTURES:
            raise ValueError("%s: unknown picture %r" % (where, picture))
        value = None if value == ENDLESS else whole(value, where, "value")
        offers.append(Offer(name, value, whole(price, where, "price"), picture))
    check_ladders(offers, template)
    return offers


def check_ladders(offers, template):
    """Each name's values rise and start above the template player's count;
    an endless offer is the only one of its name."""
    by_name = {}
    for offer in offers:
        by_name.setdefault(offer.name, []).append(offer)
    for name, ladder in by_name.items():
        if any(o.endless for o in ladder):
            if len(ladder) > 1:
                raise ValueError("offer %s: an endless offer is the only one of its name" % name)
            continue
        previous = template.get(name, 0)
        for offer in ladder:
            if offer.value <= previous:
                raise ValueError("offer %s: value %d is not above %d (the template player's count "
                                 "or the offer before)" % (name, offer.value, previous))
            previous = offer.value
