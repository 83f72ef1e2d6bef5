// The variables effect scripts name: the action's own ("var:damage", "var:type_move") and those of a side's
// creature ("var:source:hp"): their slots and the words data files use for them.
#pragma once

#include <string_view>

// Slots are the positions in SCRIPT_VARIABLE_NAMES; operands are resolved to them when effects are read.
enum ScriptVariable : int {
    SVAR_DAMAGE,
    SVAR_TOTAL_DAMAGE,
    SVAR_CAN_MOVE,
    SVAR_MOVE_SPOT,
    SVAR_MOVE_SUCCESS,
    SVAR_MOVE_HIT,
    SVAR_NUMBER_HITS,
    SVAR_HIT_NUM,
    SVAR_CONTACT_MADE,
    SVAR_MOVE_CAT,
    SVAR_CAMP_SOURCE,
    SVAR_CAMP_TARGET,
    SVAR_PRECISION,
    SVAR_CRITICAL_HIT,
    SVAR_STAT_ATT,
    SVAR_STAT_DEF,
    SVAR_POWER_MOVE,
    SVAR_PERCENT_DAMAGE,
    SVAR_TOTAL_PERCENT_DAMAGE,
    SVAR_CRITICAL_RATIO,
    SVAR_CRITICAL_BONUS,
    SVAR_EFFECTIVENESS,
    SVAR_IMMUNITY,
    SVAR_MULT_DMG,
    SVAR_RETURN_VALUE,
    SVAR_RESULT,
    SVAR_VAL_1,
    SVAR_VAL_2,
    SVAR_VAL_3,
    SVAR_VAL_4,
    // Dice: a fresh draw every time they are read.
    SVAR_D100,
    SVAR_D20,
    SVAR_D12,
    SVAR_D8,
    SVAR_D6,
    SVAR_D2,
};

constexpr int SCRIPT_VARIABLE_COUNT = 36;
// What an unknown name resolves to: reads give 0, writes change nothing.
constexpr int NO_SCRIPT_VARIABLE = -1;

inline constexpr std::string_view SCRIPT_VARIABLE_NAMES[] = {
    "damage",
    "total_damage",
    "can_move",
    "move_spot",
    "move_success",
    "move_hit",
    "number_hits",
    "hit_num",
    "contact_made",
    "move_cat",
    "camp_source",
    "camp_target",
    "precision",
    "critical_hit",
    "stat_att",
    "stat_def",
    "power_move",
    "percent_damage",
    "total_percent_damage",
    "critical_ratio",
    "critical_bonus",
    "effectiveness",
    "immunity",
    "mult_dmg",
    "return_value",
    "result",
    "val_1",
    "val_2",
    "val_3",
    "val_4",
    "d100",
    "d20",
    "d12",
    "d8",
    "d6",
    "d2",
};

static_assert(sizeof(SCRIPT_VARIABLE_NAMES) / sizeof(SCRIPT_VARIABLE_NAMES[0]) == SCRIPT_VARIABLE_COUNT,
              "one name per slot");

// The slot of a name (exact, case included), or NO_SCRIPT_VARIABLE.
int scriptVariableFromName(std::string_view name);

// The text variables of an action ("var:type_move"), lists that scripts compare; resolved like the numbers.
enum ScriptTextVariable : int {
    STXT_TYPE_MOVE,
    STXT_SUBTYPE_MOVE,
    STXT_TYPES_OFFENSIVE,
    STXT_TYPES_DEFENSIVE,
    STXT_REASON,
    STXT_STAT_AFF,
};

constexpr int SCRIPT_TEXT_VARIABLE_COUNT = 6;

inline constexpr std::string_view SCRIPT_TEXT_VARIABLE_NAMES[] = {
    "type_move", "subtype_move", "types_offensive", "types_defensive", "reason", "stat_aff",
};

static_assert(sizeof(SCRIPT_TEXT_VARIABLE_NAMES) / sizeof(SCRIPT_TEXT_VARIABLE_NAMES[0]) ==
                  SCRIPT_TEXT_VARIABLE_COUNT,
              "one name per text slot");

// The text slot of a name (exact, case included), or NO_SCRIPT_VARIABLE.
int scriptTextVariableFromName(std::string_view name);

// What effect scripts read of a side's creature ("var:source:max_hp", "var:target:type"): the team's
// counters, the active creature's figures and stats, then its lists of names.
enum CreatureVariable : int {
    CVAR_MOVE_TURN,
    CVAR_N_CREATURE,
    CVAR_LAST_MOVE_SPOT,
    CVAR_HP,
    CVAR_MAX_HP,
    CVAR_PERCENT_HP,
    CVAR_LEVEL,
    // The effective stats, in the order of GameBattleEngine::computeStat.
    CVAR_ATT,
    CVAR_DEF,
    CVAR_SPE_ATT,
    CVAR_SPE_DEF,
    CVAR_SPEED,
    CVAR_CRIT,
    CVAR_EVA,
    CVAR_PRE,
    // Lists of names.
    CVAR_TYPE,
    CVAR_TAG,
    CVAR_NAME,
    CVAR_CREA_TRUENAME,
    CVAR_ABILITY,
    CVAR_BUFF_LIST,
    CVAR_LIST_BUFFS,
};

constexpr int CREATURE_VARIABLE_COUNT = 22;

inline constexpr std::string_view CREATURE_VARIABLE_NAMES[] = {
    "move_turn", "n_creature", "last_move_spot", "hp",      "max_hp",    "percent_hp", "level", "att",
    "def",       "spe_att",    "spe_def",        "speed",   "crit",      "eva",        "pre",   "type",
    "tag",       "name",       "crea_truename",  "ability", "buff_list", "list_buffs",
};

static_assert(sizeof(CREATURE_VARIABLE_NAMES) / sizeof(CREATURE_VARIABLE_NAMES[0]) == CREATURE_VARIABLE_COUNT,
              "one name per creature slot");

// The creature slot of a name (exact, case included), or NO_SCRIPT_VARIABLE.
int creatureVariableFromName(std::string_view name);
