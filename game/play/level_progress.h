#pragma once
// What the end of a level writes into the player's records: the statistics
// of a won and of a lost level, the won level's stars and best time, and the
// levels and packs a win opens. The gameplay screen calls these when a level
// ends; each works on the records it is given and nothing else.
#include <cstdint>
#include <functional>

namespace game {

class GG_PLAYER;
class gLevelRecord;
class gLevelScore;
class gPackRecord;
class gPackState;
struct gStatistics;

// The pack description of a pack id, or null (the hub's pack list).
using PackDescriptions = std::function<const gPackRecord*(int32_t packId)>;

// A won level: the streaks without hints and without errors grow (their
// maxima follow) or start again at 0, the run of lost levels ends, the
// level's coins join the score (the maximum follows), and the level time
// joins the shortest one (a stored 0 is no time yet, so the first win
// stores its time).
void RecordWinStatistics(gStatistics& statistics, const gLevelScore& score);
// A lost level: the run of lost levels grows (its maximum follows), both
// streaks end.
void RecordLossStatistics(gStatistics& statistics);
// The won level's record keeps the more stars (3 without an error, 2 with
// one, 1 with more) and the shorter time (0 stored is none).
void RecordLevelWin(gLevelRecord& record, const gLevelScore& score);

// The levels a win opens. Unless the level (`record`, of id `levelId`) is the
// last of its pack, the level with the next id opens. Then, with
// `packLogicStars`, every following pack the player has (pack id + 1, + 2,
// ... while there is one) opens its first level once the player's star
// total reaches its description's stars to pass (a win never locks a pack,
// so one bought with coins stays open); otherwise, after the
// last level of a pack, the first level of the next pack opens. Without a
// level record only the star rule runs (nothing says which level was won).
void UnlockAfterWin(GG_PLAYER& player, gPackState& pack, const gLevelRecord* record,
                    int32_t levelId, bool packLogicStars, const PackDescriptions& descriptions);

}  // namespace game
