// Every text the game shows that no data file supplies: compiled-in defaults, replaceable by key.
#pragma once

#include <string>

// Texts are ISO-8859-1 bytes. They are plain globals so that every screen and the battle engine read them
// directly; data/strings.xml replaces them once, at the start of loading, before anything is drawn.
namespace DefaultStrings {
extern std::string GAME_NAME;
extern std::string GAME_EXTENSION;

extern std::string WELCOME_WELCOME;
extern std::string WELCOME_PRES;
extern std::string WELCOME_NAME;
extern std::string WELCOME_WELC_NAME;
extern std::string WELCOME_SPRITE;
extern std::string WELCOME_WELC_SPRITE;
extern std::string WELCOME_DIFFICULTY;
extern std::string WELCOME_DIFF_YES;
extern std::string WELCOME_DIFF_NO;
extern std::string WELCOME_DIFF_YES_CONFIRM;
extern std::string WELCOME_DIFF_NO_CONFIRM;
extern std::string WELCOME_ENJOY;

extern std::string GENERAL_NONE;
extern std::string GENERAL_YES;
extern std::string GENERAL_NO;

extern std::string NAME_LIBRARY;
extern std::string NAME_LIBRARY_PLURIAL;
extern std::string NAME_CREATURE;
extern std::string NAME_CREATURE_PLURIAL;
extern std::string NAME_MOVE;
extern std::string NAME_MOVE_PLURIAL;
extern std::string NAME_TYPE;
extern std::string NAME_TYPE_PLURIAL;
extern std::string NAME_SUBTYPE;
extern std::string NAME_SUBTYPE_PLURIAL;
extern std::string NAME_ABILITIES;
extern std::string NAME_ABILITIES_PLURIAL;
extern std::string NAME_TRAINER;
extern std::string NAME_TRAINER_PLURIAL;
extern std::string NAME_TRAINER_BOT;
extern std::string NAME_TRAINER_BOT_PLURIAL;
extern std::string NAME_STADIUM;
extern std::string NAME_STADIUM_PLURIAL;
extern std::string NAME_RULESET;
extern std::string NAME_RULESET_PLURIAL;
extern std::string NAME_TEXTURE;
extern std::string NAME_TEXTURE_PLURIAL;
extern std::string NAME_PARTICLE;
extern std::string NAME_PARTICLE_PLURIAL;
// The buff word and its plural have no key: the strings file cannot replace them.
extern std::string NAME_BUFF;
extern std::string NAME_BUFF_PLURIAL;
extern std::string NAME_STATUT_ALIMENT;
extern std::string NAME_STATUT_ALIMENT_PLURIAL;
extern std::string NAME_FORM;
extern std::string NAME_FORM_PLURIAL;
extern std::string NAME_HYPE;
extern std::string NAME_RANDOM;
extern std::string NAME_DRAFT;
extern std::string NAME_COMMENTATOR;
extern std::string NAME_TURN;
extern std::string NAME_TAG;
extern std::string NAME_DIFFICULTY;
extern std::string NAME_STAT_ATT;
extern std::string NAME_STAT_ATT_SHORT;
extern std::string NAME_STAT_DEF;
extern std::string NAME_STAT_DEF_SHORT;
extern std::string NAME_STAT_SPE_ATT;
extern std::string NAME_STAT_SPE_ATT_SHORT;
extern std::string NAME_STAT_SPE_DEF;
extern std::string NAME_STAT_SPE_DEF_SHORT;
extern std::string NAME_STAT_SPD;
extern std::string NAME_STAT_SPD_SHORT;
extern std::string NAME_STAT_CRIT;
extern std::string NAME_STAT_CRIT_SHORT;
extern std::string NAME_STAT_PRE;
extern std::string NAME_STAT_PRE_SHORT;
extern std::string NAME_STAT_EVA;
extern std::string NAME_STAT_EVA_SHORT;
extern std::string NAME_STAT_HP;
extern std::string NAME_STAT_HP_SHORT;
extern std::string NAME_STATISTICS;
extern std::string NAME_STATISTICS_SHORT;
extern std::string NAME_BALANCED_POWER;

extern std::string COLOR_GREEN;
extern std::string COLOR_BLUE;
extern std::string COLOR_RED;
extern std::string COLOR_ORANGE;
extern std::string COLOR_PURPLE;

extern std::string MENU_QUICK_BATTLE;
extern std::string MENU_JOURNEY;
extern std::string MENU_ZELKINARY;
extern std::string MENU_OPTIONS;
extern std::string MENU_DATA;
extern std::string MENU_TAG_TOURNAMENT;
extern std::string MENU_BRANCH_TOURNAMENT;
extern std::string MENU_QUICK_BATTLE_DESC;
extern std::string MENU_JOURNEY_DESC;
extern std::string MENU_ZELKINARY_DESC;
extern std::string MENU_OPTIONS_DESC;

extern std::string QUICKBATTLE_START;
extern std::string QUICKBATTLE_PLAYER_1;
extern std::string QUICKBATTLE_PLAYER_2;
extern std::string QUICKBATTLE_RULES;
extern std::string QUICKBATTLE_RANDOM_STADIUM;
extern std::string QUICKBATTLE_HUMAN;
extern std::string QUICKBATTLE_IA_RANDOM;

extern std::string TAG_TOUR_N_RANDOM;

extern std::string LIBRARY_LIST;
extern std::string LIBRARY_FIND;
extern std::string LIBRARY_NUMBER;

extern std::string OPTIONS_TRAINER;
extern std::string OPTIONS_MISC;
extern std::string OPTIONS_TRAINER_NAME;
extern std::string OPTIONS_TRAINER_SPRITE;
extern std::string OPTIONS_TRAINER_HELP;
extern std::string OPTIONS_RULES_BALANCE;
extern std::string OPTIONS_RULES_BALANCE_SEMI;
extern std::string OPTIONS_RULES_BALANCE_COMPLETE;
extern std::string OPTIONS_RULES_ABILITIES_ACTIVE;
extern std::string OPTIONS_RULES_STADIUMS_ACTIVE;
extern std::string OPTIONS_RULES_RULESETS_ACTIVE;
extern std::string OPTIONS_MISC_COMMENTATOR_COLOR;
extern std::string OPTIONS_MISC_INFO_BAR;
extern std::string OPTIONS_MISC_INFO_BAR_STATIC;
extern std::string OPTIONS_MISC_INFO_BAR_DYNAMIC;
extern std::string OPTIONS_MISC_GAME_SPEED;
extern std::string OPTIONS_MISC_GAME_SPEED_NORMAL;
extern std::string OPTIONS_MISC_GAME_SPEED_FAST;
extern std::string OPTIONS_MISC_SIZES;
extern std::string OPTIONS_MISC_SHADOWS;
extern std::string OPTIONS_MISC_BLOODY_EFFECTS;
extern std::string OPTIONS_MISC_DEBUG;

extern std::string BATTLE_INFO_SIMPLE_BATTLE;
extern std::string BATTLE_INFO_FRIENDLY_BATTLE;
extern std::string BATTLE_INFO_JOURNEY_BATTLE;
extern std::string BATTLE_INFO_TOURNAMENT_BATTLE;
extern std::string BATTLE_INFO_BATTLE_IMP_1;
extern std::string BATTLE_INFO_BATTLE_IMP_2;
extern std::string BATTLE_INFO_BATTLE_IMP_3;
extern std::string BATTLE_INFO_BATTLE_IMP_4;
extern std::string BATTLE_INFO_BATTLE_IMP_5;
extern std::string BATTLE_INFO_BATTLE_IMP_6;
extern std::string BATTLE_INFO_BATTLE_IMP_7;
extern std::string BATTLE_INFO_BATTLE_IMP_8;
extern std::string BATTLE_INFO_BATTLE_IMP_9;
extern std::string BATTLE_INFO_SECRET_BATTLE;
extern std::string BATTLE_INFO_SECRET_SUBBATTLE;

extern std::string INBATTLE_USE_MOVE;
extern std::string INBATTLE_CRITICAL_HIT;
extern std::string INBATTLE_SUPER_EFFECTIVE;
extern std::string INBATTLE_NOT_EFFECTIVE;
extern std::string INBATTLE_IMMUNITY;
extern std::string INBATTLE_DODGED_MOVE;
extern std::string INBATTLE_MULTI_HIT;
extern std::string INBATTLE_WIN_MESSAGE;
extern std::string INBATTLE_DRAW_MESSAGE;
extern std::string INBATTLE_CANT_MOVE;
extern std::string INBATTLE_NO_EFFECT;
extern std::string INBATTLE_KO_MESSAGE;
extern std::string INBATTLE_WITHDRAW_CREATURE;
extern std::string INBATTLE_SEND_CREATURE;
extern std::string INBATTLE_DRAW_DECLARE;
extern std::string INBATTLE_FORFEIT_DECLARE;
} // namespace DefaultStrings

// Number of entries that data/strings.xml can replace.
constexpr int KEYED_STRING_COUNT = 153;

// Replaces the text of the entry whose key equals key exactly (case-sensitive); unknown keys change nothing.
void setStringByKey(std::string key, std::string text);

// The entry for key, or null when key names no replaceable entry.
std::string* findStringByKey(const std::string& key);

// Applies a strings file (root-level "strings" elements whose children are key elements holding the new
// text). A missing or malformed file changes nothing; unknown keys and entries without text are skipped.
void applyStringsFile(const std::string& path);
