#pragma once
// The names of the values the game tests trophies with (the "name" of a
// trophy's condition in the trophies file), with the type each is passed as.
// The win rules, the hint and the player switch build their TrophyValue from
// these; tools/sources/trophies.txt uses the same names and refuses any other.
namespace ORB_GF::trophy_values {

// float: the share of the pack's levels won with stars (0 to 1); "tr_pack_N".
inline constexpr const char* kPackCompletion = "pack_completion";
// uint: the longest run of levels won without a hint; "pc_tr_without_hint".
inline constexpr const char* kWithoutHintMax = "without_hint_max";
// uint: the longest run of levels won without an error; "tr_without_error".
inline constexpr const char* kWithoutErrorMax = "without_error_max";
// uint: hints used in all; "pc_tr_hint_use".
inline constexpr const char* kHintUse = "hint_use";
// uint: levels won with three stars; "tr_stars_1" to "tr_stars_3".
inline constexpr const char* kThreeStarLevels = "three_star_levels";
// uint: the most coins the player has held; "tr_bronze_coin" to "tr_gold_coin".
inline constexpr const char* kMaxScore = "max_score";
// float: the shortest level time kept in the statistics (no desktop trophy).
inline constexpr const char* kMinLevelTime = "min_level_time";
// bool: every trophy the edition requires for "tr_all_trophy" is got.
inline constexpr const char* kAllTrophies = "all_trophies";

}  // namespace ORB_GF::trophy_values
