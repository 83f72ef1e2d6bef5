// The compiled-in defaults of the string table and the replacement of an entry by its key.
#include "rules/DefaultStrings.hpp"

#include <utility>

namespace DefaultStrings {
std::string GAME_NAME = "Quorvex";
std::string GAME_EXTENSION = "Kubrin Edition";

std::string WELCOME_WELCOME = "Welcome to Quorvex !";
std::string WELCOME_PRES = "We hope you enjoy a game full of exciting battles !";
std::string WELCOME_NAME = "But first, what's you name ?";
std::string WELCOME_WELC_NAME = "Welcome [TRAINER] !";
std::string WELCOME_SPRITE = "And now, how do you look like ?";
std::string WELCOME_WELC_SPRITE = "Wow ! You have a good style !";
std::string WELCOME_DIFFICULTY = "And at last, are you good with turn per turn battles ?";
std::string WELCOME_DIFF_YES = "Yes - Give me your best shot !";
std::string WELCOME_DIFF_NO = "Not really - be nice with me.";
std::string WELCOME_DIFF_YES_CONFIRM = "Okay, we will activate all of the features for you !";
std::string WELCOME_DIFF_NO_CONFIRM = "Fine ! we will disable most of complex features !";
std::string WELCOME_ENJOY = "Enjoy your trip [TRAINER] !";

std::string GENERAL_NONE = "None";
std::string GENERAL_YES = "Yes";
std::string GENERAL_NO = "No";

std::string NAME_LIBRARY = "Zelkinary";
std::string NAME_LIBRARY_PLURIAL = "Zelkinaryes";
std::string NAME_CREATURE = "Zelkin";
std::string NAME_CREATURE_PLURIAL = "Zelkin";
std::string NAME_MOVE = "Move";
std::string NAME_MOVE_PLURIAL = "Moves";
std::string NAME_TYPE = "Type";
std::string NAME_TYPE_PLURIAL = "Types";
std::string NAME_SUBTYPE = "Subtype";
std::string NAME_SUBTYPE_PLURIAL = "Subtypes";
std::string NAME_ABILITIES = "Abilitie";
std::string NAME_ABILITIES_PLURIAL = "Abilities";
std::string NAME_TRAINER = "Trainer";
std::string NAME_TRAINER_PLURIAL = "Trainers";
std::string NAME_TRAINER_BOT = "Trainer Bot";
std::string NAME_TRAINER_BOT_PLURIAL = "Trainer Bots";
std::string NAME_STADIUM = "Stadium";
std::string NAME_STADIUM_PLURIAL = "Stadiums";
std::string NAME_RULESET = "Ruleset";
std::string NAME_RULESET_PLURIAL = "Rulesets";
std::string NAME_TEXTURE = "Texture";
std::string NAME_TEXTURE_PLURIAL = "Textures";
std::string NAME_PARTICLE = "Particle";
std::string NAME_PARTICLE_PLURIAL = "Particles";
std::string NAME_BUFF = "Buff";
std::string NAME_BUFF_PLURIAL = "Buffs";
std::string NAME_STATUT_ALIMENT = "Status";
std::string NAME_STATUT_ALIMENT_PLURIAL = "Status";
std::string NAME_FORM = "Form";
std::string NAME_FORM_PLURIAL = "Forms";
std::string NAME_HYPE = "Hype";
std::string NAME_RANDOM = "Random";
std::string NAME_DRAFT = "Draft";
std::string NAME_COMMENTATOR = "Commentator";
std::string NAME_TURN = "Turn";
std::string NAME_TAG = "Tag";
std::string NAME_DIFFICULTY = "Difficulty";
std::string NAME_STAT_ATT = "Attack";
std::string NAME_STAT_ATT_SHORT = "Att";
std::string NAME_STAT_DEF = "Defense";
std::string NAME_STAT_DEF_SHORT = "Def";
std::string NAME_STAT_SPE_ATT = "Special Attack";
std::string NAME_STAT_SPE_ATT_SHORT = "SAt";
std::string NAME_STAT_SPE_DEF = "Special Defense";
std::string NAME_STAT_SPE_DEF_SHORT = "SDf";
std::string NAME_STAT_SPD = "Speed";
std::string NAME_STAT_SPD_SHORT = "Spd";
std::string NAME_STAT_CRIT = "Critical";
std::string NAME_STAT_CRIT_SHORT = "Crit";
std::string NAME_STAT_PRE = "Precision";
std::string NAME_STAT_PRE_SHORT = "Pre";
std::string NAME_STAT_EVA = "Evasion";
std::string NAME_STAT_EVA_SHORT = "Eva";
std::string NAME_STAT_HP = "Hit Points";
std::string NAME_STAT_HP_SHORT = "HP";
std::string NAME_STATISTICS = "Statistics";
std::string NAME_STATISTICS_SHORT = "Stats";
std::string NAME_BALANCED_POWER = "Power";

std::string COLOR_GREEN = "Green";
std::string COLOR_BLUE = "Blue";
std::string COLOR_RED = "Red";
std::string COLOR_ORANGE = "Orange";
std::string COLOR_PURPLE = "Purple";

std::string MENU_QUICK_BATTLE = "Quick Battle";
std::string MENU_JOURNEY = "Journey";
std::string MENU_ZELKINARY = "Zelkinary";
std::string MENU_OPTIONS = "Options";
std::string MENU_DATA = "Data";
std::string MENU_TAG_TOURNAMENT = "Tag Tournament";
std::string MENU_BRANCH_TOURNAMENT = "Branch Tournament";
std::string MENU_QUICK_BATTLE_DESC = "Play or watch a quick battle.";
std::string MENU_JOURNEY_DESC = "Play against a bunch of bots.";
std::string MENU_ZELKINARY_DESC = "The list of registered Zelkin.";
std::string MENU_OPTIONS_DESC = "Configure your game.";

std::string QUICKBATTLE_START = "START !";
std::string QUICKBATTLE_PLAYER_1 = "Player 1";
std::string QUICKBATTLE_PLAYER_2 = "Player 2";
std::string QUICKBATTLE_RULES = "Rules";
std::string QUICKBATTLE_RANDOM_STADIUM = "Random Stadium";
std::string QUICKBATTLE_HUMAN = "Human";
std::string QUICKBATTLE_IA_RANDOM = "IA (Random)";

std::string TAG_TOUR_N_RANDOM = "# Random";

std::string LIBRARY_LIST = "List";
std::string LIBRARY_FIND = "Find";
std::string LIBRARY_NUMBER = "#";

std::string OPTIONS_TRAINER = "Trainer";
std::string OPTIONS_MISC = "Misc";
std::string OPTIONS_TRAINER_NAME = "Name";
std::string OPTIONS_TRAINER_SPRITE = "Sprite";
std::string OPTIONS_TRAINER_HELP = "Help";
std::string OPTIONS_RULES_BALANCE = "Balance";
std::string OPTIONS_RULES_BALANCE_SEMI = "Semi";
std::string OPTIONS_RULES_BALANCE_COMPLETE = "Complete";
std::string OPTIONS_RULES_ABILITIES_ACTIVE = "Eff. Talents";
std::string OPTIONS_RULES_STADIUMS_ACTIVE = "Eff. Stades";
std::string OPTIONS_RULES_RULESETS_ACTIVE = "Eff. R\xE8"
                                            "gles";
std::string OPTIONS_MISC_COMMENTATOR_COLOR = "Comm. Color";
std::string OPTIONS_MISC_INFO_BAR = "Info Bar";
std::string OPTIONS_MISC_INFO_BAR_STATIC = "Static";
std::string OPTIONS_MISC_INFO_BAR_DYNAMIC = "Dynamic";
std::string OPTIONS_MISC_GAME_SPEED = "Game Speed";
std::string OPTIONS_MISC_GAME_SPEED_NORMAL = "Normal";
std::string OPTIONS_MISC_GAME_SPEED_FAST = "Fast";
std::string OPTIONS_MISC_SIZES = "Size Mode";
std::string OPTIONS_MISC_SHADOWS = "Shadows";
std::string OPTIONS_MISC_BLOODY_EFFECTS = "Bloody Effects";
std::string OPTIONS_MISC_DEBUG = "Debug Mode";

std::string BATTLE_INFO_SIMPLE_BATTLE = "Battle !!";
std::string BATTLE_INFO_FRIENDLY_BATTLE = "Friendly Battle";
std::string BATTLE_INFO_JOURNEY_BATTLE = "Journey Battle";
std::string BATTLE_INFO_TOURNAMENT_BATTLE = "Round Battle";
std::string BATTLE_INFO_BATTLE_IMP_1 = "Round 1";
std::string BATTLE_INFO_BATTLE_IMP_2 = "Round 2";
std::string BATTLE_INFO_BATTLE_IMP_3 = "Round 3";
std::string BATTLE_INFO_BATTLE_IMP_4 = "Round 4";
std::string BATTLE_INFO_BATTLE_IMP_5 = "Round 5";
std::string BATTLE_INFO_BATTLE_IMP_6 = "Top 8";
std::string BATTLE_INFO_BATTLE_IMP_7 = "Semi-Final";
std::string BATTLE_INFO_BATTLE_IMP_8 = "Grand Final";
std::string BATTLE_INFO_BATTLE_IMP_9 = "???";
std::string BATTLE_INFO_SECRET_BATTLE = "???";
std::string BATTLE_INFO_SECRET_SUBBATTLE = "???";

std::string INBATTLE_USE_MOVE = "[SOURCE] uses [MOVE] !";
std::string INBATTLE_CRITICAL_HIT = "A critical hit !";
std::string INBATTLE_SUPER_EFFECTIVE = "It's super effective !";
std::string INBATTLE_NOT_EFFECTIVE = "It's not very effective...";
std::string INBATTLE_IMMUNITY = "It doesn't affect [SOURCE]";
std::string INBATTLE_DODGED_MOVE = "[SOURCE] evades the attack !";
std::string INBATTLE_MULTI_HIT = "Hit [X] times !";
std::string INBATTLE_WIN_MESSAGE = "[WINNER] win the game !";
std::string INBATTLE_DRAW_MESSAGE = "It's a draw !";
std::string INBATTLE_CANT_MOVE = "[SOURCE] can't move.";
std::string INBATTLE_NO_EFFECT = "But it failed.";
std::string INBATTLE_KO_MESSAGE = "[SOURCE] is knocked out !";
std::string INBATTLE_WITHDRAW_CREATURE = "[MASTER] withdraws [SOURCE].";
std::string INBATTLE_SEND_CREATURE = "[MASTER] sends out [SOURCE] !";
std::string INBATTLE_DRAW_DECLARE = "[TARGET] and [SOURCE] makes a draw !";
std::string INBATTLE_FORFEIT_DECLARE = "[MASTER] forfeits the battle !";
} // namespace DefaultStrings

namespace {

struct KeyedString {
    const char* key;
    std::string* text;
};

// Table order; the two buff words are deliberately absent.
const KeyedString keyedStrings[] = {
    {"GAME_NAME", &DefaultStrings::GAME_NAME},
    {"GAME_EXTENSION", &DefaultStrings::GAME_EXTENSION},
    {"WELCOME_WELCOME", &DefaultStrings::WELCOME_WELCOME},
    {"WELCOME_PRES", &DefaultStrings::WELCOME_PRES},
    {"WELCOME_NAME", &DefaultStrings::WELCOME_NAME},
    {"WELCOME_WELC_NAME", &DefaultStrings::WELCOME_WELC_NAME},
    {"WELCOME_SPRITE", &DefaultStrings::WELCOME_SPRITE},
    {"WELCOME_WELC_SPRITE", &DefaultStrings::WELCOME_WELC_SPRITE},
    {"WELCOME_DIFFICULTY", &DefaultStrings::WELCOME_DIFFICULTY},
    {"WELCOME_DIFF_YES", &DefaultStrings::WELCOME_DIFF_YES},
    {"WELCOME_DIFF_NO", &DefaultStrings::WELCOME_DIFF_NO},
    {"WELCOME_DIFF_YES_CONFIRM", &DefaultStrings::WELCOME_DIFF_YES_CONFIRM},
    {"WELCOME_DIFF_NO_CONFIRM", &DefaultStrings::WELCOME_DIFF_NO_CONFIRM},
    {"WELCOME_ENJOY", &DefaultStrings::WELCOME_ENJOY},
    {"GENERAL_NONE", &DefaultStrings::GENERAL_NONE},
    {"GENERAL_YES", &DefaultStrings::GENERAL_YES},
    {"GENERAL_NO", &DefaultStrings::GENERAL_NO},
    {"NAME_LIBRARY", &DefaultStrings::NAME_LIBRARY},
    {"NAME_LIBRARY_PLURIAL", &DefaultStrings::NAME_LIBRARY_PLURIAL},
    {"NAME_CREATURE", &DefaultStrings::NAME_CREATURE},
    {"NAME_CREATURE_PLURIAL", &DefaultStrings::NAME_CREATURE_PLURIAL},
    {"NAME_MOVE", &DefaultStrings::NAME_MOVE},
    {"NAME_MOVE_PLURIAL", &DefaultStrings::NAME_MOVE_PLURIAL},
    {"NAME_TYPE", &DefaultStrings::NAME_TYPE},
    {"NAME_TYPE_PLURIAL", &DefaultStrings::NAME_TYPE_PLURIAL},
    {"NAME_SUBTYPE", &DefaultStrings::NAME_SUBTYPE},
    {"NAME_SUBTYPE_PLURIAL", &DefaultStrings::NAME_SUBTYPE_PLURIAL},
    {"NAME_ABILITIES", &DefaultStrings::NAME_ABILITIES},
    {"NAME_ABILITIES_PLURIAL", &DefaultStrings::NAME_ABILITIES_PLURIAL},
    {"NAME_TRAINER", &DefaultStrings::NAME_TRAINER},
    {"NAME_TRAINER_PLURIAL", &DefaultStrings::NAME_TRAINER_PLURIAL},
    {"NAME_TRAINER_BOT", &DefaultStrings::NAME_TRAINER_BOT},
    {"NAME_TRAINER_BOT_PLURIAL", &DefaultStrings::NAME_TRAINER_BOT_PLURIAL},
    {"NAME_STADIUM", &DefaultStrings::NAME_STADIUM},
    {"NAME_STADIUM_PLURIAL", &DefaultStrings::NAME_STADIUM_PLURIAL},
    {"NAME_RULESET", &DefaultStrings::NAME_RULESET},
    {"NAME_RULESET_PLURIAL", &DefaultStrings::NAME_RULESET_PLURIAL},
    {"NAME_TEXTURE", &DefaultStrings::NAME_TEXTURE},
    {"NAME_TEXTURE_PLURIAL", &DefaultStrings::NAME_TEXTURE_PLURIAL},
    {"NAME_PARTICLE", &DefaultStrings::NAME_PARTICLE},
    {"NAME_PARTICLE_PLURIAL", &DefaultStrings::NAME_PARTICLE_PLURIAL},
    {"NAME_STATUT_ALIMENT", &DefaultStrings::NAME_STATUT_ALIMENT},
    {"NAME_STATUT_ALIMENT_PLURIAL", &DefaultStrings::NAME_STATUT_ALIMENT_PLURIAL},
    {"NAME_FORM", &DefaultStrings::NAME_FORM},
    {"NAME_FORM_PLURIAL", &DefaultStrings::NAME_FORM_PLURIAL},
    {"NAME_HYPE", &DefaultStrings::NAME_HYPE},
    {"NAME_RANDOM", &DefaultStrings::NAME_RANDOM},
    {"NAME_DRAFT", &DefaultStrings::NAME_DRAFT},
    {"NAME_COMMENTATOR", &DefaultStrings::NAME_COMMENTATOR},
    {"NAME_TURN", &DefaultStrings::NAME_TURN},
    {"NAME_TAG", &DefaultStrings::NAME_TAG},
    {"NAME_DIFFICULTY", &DefaultStrings::NAME_DIFFICULTY},
    {"NAME_STAT_ATT", &DefaultStrings::NAME_STAT_ATT},
    {"NAME_STAT_ATT_SHORT", &DefaultStrings::NAME_STAT_ATT_SHORT},
    {"NAME_STAT_DEF", &DefaultStrings::NAME_STAT_DEF},
    {"NAME_STAT_DEF_SHORT", &DefaultStrings::NAME_STAT_DEF_SHORT},
    {"NAME_STAT_SPE_ATT", &DefaultStrings::NAME_STAT_SPE_ATT},
    {"NAME_STAT_SPE_ATT_SHORT", &DefaultStrings::NAME_STAT_SPE_ATT_SHORT},
    {"NAME_STAT_SPE_DEF", &DefaultStrings::NAME_STAT_SPE_DEF},
    {"NAME_STAT_SPE_DEF_SHORT", &DefaultStrings::NAME_STAT_SPE_DEF_SHORT},
    {"NAME_STAT_SPD", &DefaultStrings::NAME_STAT_SPD},
    {"NAME_STAT_SPD_SHORT", &DefaultStrings::NAME_STAT_SPD_SHORT},
    {"NAME_STAT_CRIT", &DefaultStrings::NAME_STAT_CRIT},
    {"NAME_STAT_CRIT_SHORT", &DefaultStrings::NAME_STAT_CRIT_SHORT},
    {"NAME_STAT_PRE", &DefaultStrings::NAME_STAT_PRE},
    {"NAME_STAT_PRE_SHORT", &DefaultStrings::NAME_STAT_PRE_SHORT},
    {"NAME_STAT_EVA", &DefaultStrings::NAME_STAT_EVA},
    {"NAME_STAT_EVA_SHORT", &DefaultStrings::NAME_STAT_EVA_SHORT},
    {"NAME_STAT_HP", &DefaultStrings::NAME_STAT_HP},
    {"NAME_STAT_HP_SHORT", &DefaultStrings::NAME_STAT_HP_SHORT},
    {"NAME_STATISTICS", &DefaultStrings::NAME_STATISTICS},
    {"NAME_STATISTICS_SHORT", &DefaultStrings::NAME_STATISTICS_SHORT},
    {"NAME_BALANCED_POWER", &DefaultStrings::NAME_BALANCED_POWER},
    {"COLOR_GREEN", &DefaultStrings::COLOR_GREEN},
    {"COLOR_BLUE", &DefaultStrings::COLOR_BLUE},
    {"COLOR_RED", &DefaultStrings::COLOR_RED},
    {"COLOR_ORANGE", &DefaultStrings::COLOR_ORANGE},
    {"COLOR_PURPLE", &DefaultStrings::COLOR_PURPLE},
    {"MENU_QUICK_BATTLE", &DefaultStrings::MENU_QUICK_BATTLE},
    {"MENU_JOURNEY", &DefaultStrings::MENU_JOURNEY},
    {"MENU_ZELKINARY", &DefaultStrings::MENU_ZELKINARY},
    {"MENU_OPTIONS", &DefaultStrings::MENU_OPTIONS},
    {"MENU_DATA", &DefaultStrings::MENU_DATA},
    {"MENU_TAG_TOURNAMENT", &DefaultStrings::MENU_TAG_TOURNAMENT},
    {"MENU_BRANCH_TOURNAMENT", &DefaultStrings::MENU_BRANCH_TOURNAMENT},
    {"MENU_QUICK_BATTLE_DESC", &DefaultStrings::MENU_QUICK_BATTLE_DESC},
    {"MENU_JOURNEY_DESC", &DefaultStrings::MENU_JOURNEY_DESC},
    {"MENU_ZELKINARY_DESC", &DefaultStrings::MENU_ZELKINARY_DESC},
    {"MENU_OPTIONS_DESC", &DefaultStrings::MENU_OPTIONS_DESC},
    {"QUICKBATTLE_START", &DefaultStrings::QUICKBATTLE_START},
    {"QUICKBATTLE_PLAYER_1", &DefaultStrings::QUICKBATTLE_PLAYER_1},
    {"QUICKBATTLE_PLAYER_2", &DefaultStrings::QUICKBATTLE_PLAYER_2},
    {"QUICKBATTLE_RULES", &DefaultStrings::QUICKBATTLE_RULES},
    {"QUICKBATTLE_RANDOM_STADIUM", &DefaultStrings::QUICKBATTLE_RANDOM_STADIUM},
    {"QUICKBATTLE_HUMAN", &DefaultStrings::QUICKBATTLE_HUMAN},
    {"QUICKBATTLE_IA_RANDOM", &DefaultStrings::QUICKBATTLE_IA_RANDOM},
    {"TAG_TOUR_N_RANDOM", &DefaultStrings::TAG_TOUR_N_RANDOM},
    {"LIBRARY_LIST", &DefaultStrings::LIBRARY_LIST},
    {"LIBRARY_FIND", &DefaultStrings::LIBRARY_FIND},
    {"LIBRARY_NUMBER", &DefaultStrings::LIBRARY_NUMBER},
    {"OPTIONS_TRAINER", &DefaultStrings::OPTIONS_TRAINER},
    {"OPTIONS_MISC", &DefaultStrings::OPTIONS_MISC},
    {"OPTIONS_TRAINER_NAME", &DefaultStrings::OPTIONS_TRAINER_NAME},
    {"OPTIONS_TRAINER_SPRITE", &DefaultStrings::OPTIONS_TRAINER_SPRITE},
    {"OPTIONS_TRAINER_HELP", &DefaultStrings::OPTIONS_TRAINER_HELP},
    {"OPTIONS_RULES_BALANCE", &DefaultStrings::OPTIONS_RULES_BALANCE},
    {"OPTIONS_RULES_BALANCE_SEMI", &DefaultStrings::OPTIONS_RULES_BALANCE_SEMI},
    {"OPTIONS_RULES_BALANCE_COMPLETE", &DefaultStrings::OPTIONS_RULES_BALANCE_COMPLETE},
    {"OPTIONS_RULES_ABILITIES_ACTIVE", &DefaultStrings::OPTIONS_RULES_ABILITIES_ACTIVE},
    {"OPTIONS_RULES_STADIUMS_ACTIVE", &DefaultStrings::OPTIONS_RULES_STADIUMS_ACTIVE},
    {"OPTIONS_RULES_RULESETS_ACTIVE", &DefaultStrings::OPTIONS_RULES_RULESETS_ACTIVE},
    {"OPTIONS_MISC_COMMENTATOR_COLOR", &DefaultStrings::OPTIONS_MISC_COMMENTATOR_COLOR},
    {"OPTIONS_MISC_INFO_BAR", &DefaultStrings::OPTIONS_MISC_INFO_BAR},
    {"OPTIONS_MISC_INFO_BAR_STATIC", &DefaultStrings::OPTIONS_MISC_INFO_BAR_STATIC},
    {"OPTIONS_MISC_INFO_BAR_DYNAMIC", &DefaultStrings::OPTIONS_MISC_INFO_BAR_DYNAMIC},
    {"OPTIONS_MISC_GAME_SPEED", &DefaultStrings::OPTIONS_MISC_GAME_SPEED},
    {"OPTIONS_MISC_GAME_SPEED_NORMAL", &DefaultStrings::OPTIONS_MISC_GAME_SPEED_NORMAL},
    {"OPTIONS_MISC_GAME_SPEED_FAST", &DefaultStrings::OPTIONS_MISC_GAME_SPEED_FAST},
    {"OPTIONS_MISC_SIZES", &DefaultStrings::OPTIONS_MISC_SIZES},
    {"OPTIONS_MISC_SHADOWS", &DefaultStrings::OPTIONS_MISC_SHADOWS},
    {"OPTIONS_MISC_BLOODY_EFFECTS", &DefaultStrings::OPTIONS_MISC_BLOODY_EFFECTS},
    {"OPTIONS_MISC_DEBUG", &DefaultStrings::OPTIONS_MISC_DEBUG},
    {"BATTLE_INFO_SIMPLE_BATTLE", &DefaultStrings::BATTLE_INFO_SIMPLE_BATTLE},
    {"BATTLE_INFO_FRIENDLY_BATTLE", &DefaultStrings::BATTLE_INFO_FRIENDLY_BATTLE},
    {"BATTLE_INFO_JOURNEY_BATTLE", &DefaultStrings::BATTLE_INFO_JOURNEY_BATTLE},
    {"BATTLE_INFO_TOURNAMENT_BATTLE", &DefaultStrings::BATTLE_INFO_TOURNAMENT_BATTLE},
    {"BATTLE_INFO_BATTLE_IMP_1", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_1},
    {"BATTLE_INFO_BATTLE_IMP_2", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_2},
    {"BATTLE_INFO_BATTLE_IMP_3", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_3},
    {"BATTLE_INFO_BATTLE_IMP_4", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_4},
    {"BATTLE_INFO_BATTLE_IMP_5", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_5},
    {"BATTLE_INFO_BATTLE_IMP_6", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_6},
    {"BATTLE_INFO_BATTLE_IMP_7", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_7},
    {"BATTLE_INFO_BATTLE_IMP_8", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_8},
    {"BATTLE_INFO_BATTLE_IMP_9", &DefaultStrings::BATTLE_INFO_BATTLE_IMP_9},
    {"BATTLE_INFO_SECRET_BATTLE", &DefaultStrings::BATTLE_INFO_SECRET_BATTLE},
    {"BATTLE_INFO_SECRET_SUBBATTLE", &DefaultStrings::BATTLE_INFO_SECRET_SUBBATTLE},
    {"INBATTLE_USE_MOVE", &DefaultStrings::INBATTLE_USE_MOVE},
    {"INBATTLE_CRITICAL_HIT", &DefaultStrings::INBATTLE_CRITICAL_HIT},
    {"INBATTLE_SUPER_EFFECTIVE", &DefaultStrings::INBATTLE_SUPER_EFFECTIVE},
    {"INBATTLE_NOT_EFFECTIVE", &DefaultStrings::INBATTLE_NOT_EFFECTIVE},
    {"INBATTLE_IMMUNITY", &DefaultStrings::INBATTLE_IMMUNITY},
    {"INBATTLE_DODGED_MOVE", &DefaultStrings::INBATTLE_DODGED_MOVE},
    {"INBATTLE_MULTI_HIT", &DefaultStrings::INBATTLE_MULTI_HIT},
    {"INBATTLE_WIN_MESSAGE", &DefaultStrings::INBATTLE_WIN_MESSAGE},
    {"INBATTLE_DRAW_MESSAGE", &DefaultStrings::INBATTLE_DRAW_MESSAGE},
    {"INBATTLE_CANT_MOVE", &DefaultStrings::INBATTLE_CANT_MOVE},
    {"INBATTLE_NO_EFFECT", &DefaultStrings::INBATTLE_NO_EFFECT},
    {"INBATTLE_KO_MESSAGE", &DefaultStrings::INBATTLE_KO_MESSAGE},
    {"INBATTLE_WITHDRAW_CREATURE", &DefaultStrings::INBATTLE_WITHDRAW_CREATURE},
    {"INBATTLE_SEND_CREATURE", &DefaultStrings::INBATTLE_SEND_CREATURE},
    {"INBATTLE_DRAW_DECLARE", &DefaultStrings::INBATTLE_DRAW_DECLARE},
    {"INBATTLE_FORFEIT_DECLARE", &DefaultStrings::INBATTLE_FORFEIT_DECLARE},
};

static_assert(sizeof(keyedStrings) / sizeof(keyedStrings[0]) == KEYED_STRING_COUNT, "one row per keyed text");

} // namespace

std::string* findStringByKey(const std::string& key) {
    for (const KeyedString& entry : keyedStrings) {
        if (key == entry.key) return entry.text;
    }
    return nullptr;
}

void setStringByKey(std::string key, std::string text) {
    std::string* entry = findStringByKey(key);
    if (entry) *entry = std::move(text);
}
