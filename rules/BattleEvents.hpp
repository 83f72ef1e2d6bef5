// The battle events that triggers wait for: their fixed numbers and the words data files use for them.
#pragma once

#include <string>

// The numbers are shared by the loaders and the engine, which gathers triggers by number; they must never
// be renumbered. Two words name event 8.
enum BattleEvent : int {
    EVENT_BEFORE_MOVE = 1,
    EVENT_MOVE_DECLARE = 2,
    EVENT_DMG_CALC = 3,
    EVENT_AFTER_HIT = 4,
    EVENT_AFTER_MOVE = 5,
    EVENT_BEFORE_SWITCH = 6,
    EVENT_DURING_SWITCH = 7,
    EVENT_ON_CALL = 8,
    EVENT_AFTER_SWITCH = 8,
    EVENT_END_TURN = 9,
    EVENT_BEFORE_ADD = 10,
    EVENT_CHECK_STAT_ATT = 11,
    EVENT_CHECK_STAT_DEF = 12,
    EVENT_CHECK_STAT_SPEED = 13,
    EVENT_CHECK_STAT_SPE_ATT = 14,
    EVENT_CHECK_STAT_SPE_DEF = 15,
    EVENT_CHECK_STAT_CRIT = 16,
    EVENT_CHECK_STAT_PRE = 17,
    EVENT_CHECK_STAT_EVA = 18,
    EVENT_CHECK_BEFORE_DMG = 19,
    EVENT_CHECK_BEFORE_HEAL = 20,
    EVENT_CHECK_BEFORE_ADD_BUFF = 21,
    EVENT_CHECK_BEFORE_ADD_STATUT = 22,
    EVENT_CHECK_EFFECTIVENESS = 23,
    EVENT_CHECK_IMMUNITY = 24,
    EVENT_START_MATCH = 25,
    EVENT_PREP_NEW_TURN = 26,
    EVENT_CHECK_MOVE_ORDER = 27,
    EVENT_CHECK_CHANGE_ORDER = 28,
    EVENT_BEFORE_DMG_CALC = 29,
    EVENT_MOVE_MISS = 30,
    EVENT_BEFORE_CHANGE_STAT = 31,
    EVENT_BUFF_VALUE = 32,
    EVENT_ALL = 99,
};

// A when text that names no event still makes a trigger: it waits for the end of the turn.
constexpr BattleEvent DEFAULT_BATTLE_EVENT = EVENT_END_TURN;
// The highest event number, for tables indexed by event.
constexpr int BATTLE_EVENT_MAX = 99;

struct BattleEventWord {
    const char* word;
    BattleEvent event;
};

constexpr int BATTLE_EVENT_WORD_COUNT = 34;

inline constexpr BattleEventWord BATTLE_EVENT_WORDS[] = {
    {"BEFORE_MOVE", EVENT_BEFORE_MOVE},
    {"MOVE_DECLARE", EVENT_MOVE_DECLARE},
    {"DMG_CALC", EVENT_DMG_CALC},
    {"AFTER_HIT", EVENT_AFTER_HIT},
    {"AFTER_MOVE", EVENT_AFTER_MOVE},
    {"BEFORE_SWITCH", EVENT_BEFORE_SWITCH},
    {"DURING_SWITCH", EVENT_DURING_SWITCH},
    {"ON_CALL", EVENT_ON_CALL},
    {"AFTER_SWITCH", EVENT_AFTER_SWITCH},
    {"END_TURN", EVENT_END_TURN},
    {"BEFORE_ADD", EVENT_BEFORE_ADD},
    {"CHECK_STAT_ATT", EVENT_CHECK_STAT_ATT},
    {"CHECK_STAT_DEF", EVENT_CHECK_STAT_DEF},
    {"CHECK_STAT_SPEED", EVENT_CHECK_STAT_SPEED},
    {"CHECK_STAT_SPE_ATT", EVENT_CHECK_STAT_SPE_ATT},
    {"CHECK_STAT_SPE_DEF", EVENT_CHECK_STAT_SPE_DEF},
    {"CHECK_STAT_CRIT", EVENT_CHECK_STAT_CRIT},
    {"CHECK_STAT_PRE", EVENT_CHECK_STAT_PRE},
    {"CHECK_STAT_EVA", EVENT_CHECK_STAT_EVA},
    {"CHECK_BEFORE_DMG", EVENT_CHECK_BEFORE_DMG},
    {"CHECK_BEFORE_HEAL", EVENT_CHECK_BEFORE_HEAL},
    {"CHECK_BEFORE_ADD_BUFF", EVENT_CHECK_BEFORE_ADD_BUFF},
    {"CHECK_BEFORE_ADD_STATUT", EVENT_CHECK_BEFORE_ADD_STATUT},
    {"CHECK_EFFECTIVENESS", EVENT_CHECK_EFFECTIVENESS},
    {"CHECK_IMMUNITY", EVENT_CHECK_IMMUNITY},
    {"START_MATCH", EVENT_START_MATCH},
    {"PREP_NEW_TURN", EVENT_PREP_NEW_TURN},
    {"CHECK_MOVE_ORDER", EVENT_CHECK_MOVE_ORDER},
    {"CHECK_CHANGE_ORDER", EVENT_CHECK_CHANGE_ORDER},
    {"BEFORE_DMG_CALC", EVENT_BEFORE_DMG_CALC},
    {"MOVE_MISS", EVENT_MOVE_MISS},
    {"BEFORE_CHANGE_STAT", EVENT_BEFORE_CHANGE_STAT},
    {"BUFF_VALUE", EVENT_BUFF_VALUE},
    {"ALL", EVENT_ALL},
};

static_assert(sizeof(BATTLE_EVENT_WORDS) / sizeof(BATTLE_EVENT_WORDS[0]) == BATTLE_EVENT_WORD_COUNT,
              "one word per row of the event table");

// The event number of a when text: exact, case-sensitive comparison of the whole text; any other text
// (the empty one included) gives DEFAULT_BATTLE_EVENT.
int battleEventFromWord(const std::string& word);

// The first word written for an event number, or the empty text for a number no word gives.
std::string battleEventWord(int event);
