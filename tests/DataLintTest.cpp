// Loads the shipped data/ folder exactly as the game starts and checks that the content is whole and sound.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rules/BattleEvents.hpp"
#include "rules/CommandOpcodes.hpp"
#include "rules/Commentator.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/ParticleNameCatalogue.hpp"
#include "rules/Ruleset.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "rules/WindowServices.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryList.hpp"
#include "tests/TestSupport.hpp"

namespace fs = boost::filesystem;

namespace {

const std::string kShippedData = std::string(QUORVEX_SOURCE_DIR) + "/data";

} // namespace

class DataLintTest : public ::testing::Test {
protected:
    // One load for the whole suite: it is the slow part, and every check only reads the result.
    static void SetUpTestSuite() {
        scratch = new ScratchDir();
        copyFolder(kShippedData, scratch->path / "data");
        window = new ParticleNameCatalogue();
        particles.clear();
        for (const std::string& name : window->getNames())
            particles.insert(name);
        previousWindow = gameBundle->window;
        gameBundle->window = window;
        builder = new TeamBuilder();
        parser = builder->getParser();
        valid = builder->isDataValid();
        logLines = errorLogLines();
        gameBundle->window = previousWindow;
    }

    static void TearDownTestSuite() {
        delete builder;
        delete parser;
        delete window;
        delete scratch;
        builder = nullptr;
        parser = nullptr;
    }

    // Every species record, forms included.
    static std::vector<ZelkinZelkinary*> allSpeciesRecords() {
        std::vector<ZelkinZelkinary*> all;
        for (ZelkinZelkinaryList* library : parser->getLibraries())
            for (ZelkinZelkinary* species : library->getSpecies()) {
                all.push_back(species);
                for (int i = 0; i < species->getFormCount(); ++i)
                    all.push_back(species->getFormAt(i));
            }
        return all;
    }

    static std::set<std::string> particles;
    static ScratchDir* scratch;
    static ParticleNameCatalogue* window;
    static WindowServices* previousWindow;
    static TeamBuilder* builder;
    static GameParser* parser;
    static bool valid;
    static std::vector<std::string> logLines;
};

std::set<std::string> DataLintTest::particles;
ScratchDir* DataLintTest::scratch = nullptr;
ParticleNameCatalogue* DataLintTest::window = nullptr;
WindowServices* DataLintTest::previousWindow = nullptr;
TeamBuilder* DataLintTest::builder = nullptr;
GameParser* DataLintTest::parser = nullptr;
bool DataLintTest::valid = false;
std::vector<std::string> DataLintTest::logLines;

TEST_F(DataLintTest, LoadsWithoutAnyErrorOrWarning) {
    EXPECT_TRUE(valid);
    for (const std::string& line : logLines)
        ADD_FAILURE() << "error log: " << line;
}

TEST_F(DataLintTest, HoldsTheAuthoredAmountsOfEveryKind) {
    EXPECT_GE(parser->countTypes(), 16); // 15 types and the "none" of the file
    EXPECT_GE(parser->countSubtypes(), 3);
    EXPECT_GE(parser->countAbilities(), 16);
    EXPECT_GE(parser->countBuffs(), 18);
    EXPECT_GE(parser->countMoves(), 100);
    EXPECT_GE(parser->countSpecies(), 60);
    EXPECT_GE(parser->countStadiums(), 5);
    EXPECT_GE(parser->countRulesets(), 3);
    EXPECT_EQ(parser->countLibraries(), 1);
    ASSERT_FALSE(parser->getLibraries().empty());
    EXPECT_EQ(parser->getLibraries()[0]->getCode(), "BASE");
    EXPECT_EQ(parser->getLibraries()[0]->getName(), "BASE");
}

TEST_F(DataLintTest, FallbackMoveExists) {
    ZelkinMove* fallback = parser->findMove("Lutte");
    ASSERT_NE(fallback, nullptr);
    EXPECT_GT(fallback->getPower(), 0);
}

TEST_F(DataLintTest, EveryTypeAttacksAndDefendsThroughTheChart) {
    bool strong = false, weak = false, none = false;
    std::set<std::string> names;
    for (ZelkinType* type : parser->getTypes())
        names.insert(type->getName());
    for (ZelkinType* attacker : parser->getTypes()) {
        if (attacker->getName() == "none") continue;
        EXPECT_EQ(attacker->getAnimationCount(), 1) << attacker->getName();
        for (const std::string& defender : names) {
            float m = attacker->getMultiplierAgainst(defender);
            strong |= m == 2.0f;
            weak |= m == 0.5f;
            none |= m == 0.0f;
        }
        bool used = false;
        for (ZelkinMove* move : parser->getMoves())
            used |= move->getType() == attacker;
        EXPECT_TRUE(used) << "no move of type " << attacker->getName();
    }
    EXPECT_TRUE(strong && weak && none);
}

TEST_F(DataLintTest, EverySpeciesIsPlayable) {
    std::map<std::pair<int, int>, std::string> seen;
    std::vector<ZelkinZelkinary*> all = allSpeciesRecords();
    int legendary = 0, forms = 0;
    for (ZelkinZelkinary* species : all) {
        const std::string name = species->getName();
        EXPECT_GE(species->getMoveCount(), 4) << name;
        EXPECT_GE(species->getTypeCount(), 1) << name;
        EXPECT_LE(species->getTypeCount(), 2) << name;
        EXPECT_GE(species->getAbilityCount(), 1) << name;
        EXPECT_LE(species->getAbilityCount(), 3) << name;
        EXPECT_GE(species->getNumber(), 1) << name;
        EXPECT_LE(species->getNumber(), 717) << name; // the bots' matchup tables stop there
        legendary += species->getRarity() > 0;
        forms += !species->getFormName().empty();
    }
    // In the database's list, a number repeats only for a record that is meant to be a form.
    for (ZelkinZelkinary* species : parser->getSpeciesList()) {
        if (!species->getFormName().empty()) continue;
        auto key = std::make_pair(species->getLibraryId(), species->getNumber());
        auto found = seen.find(key);
        EXPECT_TRUE(found == seen.end()) << species->getName() << " repeats number " << species->getNumber()
                                         << " of " << (found == seen.end() ? "" : found->second);
        seen[key] = species->getName();
    }
    EXPECT_GE(legendary, 3);
    EXPECT_GE(forms, 2);
}

TEST_F(DataLintTest, EveryRulesetAdmitsEnoughSpeciesForRandomTeams) {
    // The random creation remembers 36 species numbers; a pool of fewer distinct numbers would never end.
    for (int i = 0; i < parser->countRulesets(); ++i) {
        parser->selectRuleset(i);
        std::set<int> numbers;
        for (ZelkinZelkinary* species : parser->getAllowedSpecies())
            numbers.insert(species->getNumber());
        EXPECT_GE(numbers.size(), 37u) << parser->getRulesetAt(i)->getName();
    }
    parser->selectRuleset(0);
    Ruleset* first = parser->getCurrentRuleset();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(parser->countAllowedSpecies(), static_cast<int>(allSpeciesRecords().size()))
        << "the default ruleset should admit everything";
}

TEST_F(DataLintTest, StatusesBuffsStadiumsAndTrainersAreComplete) {
    std::set<std::string> codes;
    bool team = false, spot = false, noNature = false;
    std::set<int> natures;
    for (ZelkinBuffData* buff : parser->getBuffs()) {
        if (buff->getKind() == ZelkinBuffData::KIND_PRIMARY_STATUS) {
            EXPECT_EQ(buff->getStatusCode().size(), 3u) << buff->getName();
            codes.insert(buff->getStatusCode());
        }
        team |= buff->isTeamBuff();
        spot |= !buff->getSpot().empty();
        noNature |= buff->getNature() == ZelkinBuffData::NATURE_NONE;
        natures.insert(buff->getNature());
    }
    EXPECT_EQ(codes.size(), 6u);
    EXPECT_TRUE(team && spot && noNature);
    EXPECT_EQ(natures.size(), 4u);

    int ultimate = 0;
    for (Stadium* stadium : parser->getStadiums())
        ultimate += stadium->isUltimate() ? 1 : 0;
    EXPECT_GE(ultimate, 1);

    TrainerList* trainers = parser->getTrainers();
    int nonUnique = 0;
    std::set<int> ids;
    for (int i = 0; i < trainers->getCount(); ++i) {
        Trainer* trainer = trainers->getAt(i);
        ASSERT_NE(trainer, nullptr);
        nonUnique += trainer->isUnique() ? 0 : 1;
        ids.insert(trainer->getId());
    }
    EXPECT_GE(nonUnique, 1);
    EXPECT_GE(trainers->getCount(), 16);
    // Trainer ids are also their picture numbers.
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), trainers->getCount());
}

TEST_F(DataLintTest, CommentatorAnswersEverySituationTheBattleAsksFor) {
    Commentator* commentator = parser->getOptions()->getCommentator();
    ASSERT_NE(commentator, nullptr);
    // condition -> the specials the engine combines with it; each needs a phrase with 0, 0, 0 to fall back
    // on.
    const std::map<int, std::vector<int>> asked = {
        {COMMENT_WAIT, {0, 1, 7}},
        {COMMENT_SUPER_WAIT, {0}},
        {COMMENT_MOVE, {0, 7}},
        {COMMENT_DAMAGE, {0, 1, 2, 3, 4, 6}},
        {COMMENT_KO, {0, 7, 8}},
        {COMMENT_ZLKN_CHANGE, {0, 7}},
        {COMMENT_ZLKN_DISCOVER, {0, 7, 10}},
        {COMMENT_KO_WAIT, {0, 7}},
        {COMMENT_CANT_MOVE, {0}},
        {COMMENT_BEGIN_MATCH, {0, 1, 2, 3, 5}},
        {COMMENT_END_MATCH, {0, 1, 2, 3, 4, 9}},
        {COMMENT_END_WINNER, {0, 1, 2}},
        {COMMENT_MVP_DISCOVER, {0}},
        {COMMENT_MVP_DESCRIPTION, {0}},
        {COMMENT_FORFEIT, {0, 9}},
    };
    for (const auto& entry : asked)
        for (int special : entry.second)
            EXPECT_FALSE(commentator->comment(entry.first, special, 0, 0, 0).empty())
                << "condition " << entry.first << " special " << special;
    // The creature that cannot move is asked with 5 as its first value.
    EXPECT_FALSE(commentator->comment(COMMENT_CANT_MOVE, 0, 5, 0, 0).empty());
}

// ---- Word-level checks on the files themselves: an unknown event or command name loads without a word
// of complaint (it becomes END_TURN or a message), so only the text can tell.
namespace {

struct WordLint {
    GameParser* parser;
    std::vector<std::string> problems;
    std::string where;

    void problem(const std::string& what) { problems.push_back(where + " : " + what); }

    static bool isCommand(const std::string& name) { return commandOpcodeFromName(name) >= 0; }

    void checkOperand(const std::string& text) {
        // The action's number variables, and its text ones.
        static const std::set<std::string> variables = [] {
            std::set<std::string> names = {"type_move",       "subtype_move", "types_offensive",
                                           "types_defensive", "reason",       "stat_aff"};
            for (std::string_view name : SCRIPT_VARIABLE_NAMES)
                names.emplace(name);
            return names;
        }();
        static const std::set<std::string> creature = {
            "hp",        "max_hp", "percent_hp", "level",   "move_turn",     "n_creature", "last_move_spot",
            "att",       "def",    "spe_att",    "spe_def", "speed",         "crit",       "eva",
            "pre",       "type",   "tag",        "name",    "crea_truename", "ability",    "buff_list",
            "list_buffs"};
        static const std::map<std::string, std::set<std::string>> scoped = {
            {"source", creature},
            {"target", creature},
            {"opponent", creature},
            {"self", {"value", "duration", "alive", "tag", "name"}},
            {"newbuff", {"value", "duration", "alive", "tag", "name"}},
            {"field", {"turn"}},
            {"move", {"power", "category", "precision", "name", "type", "subtype"}}};
        if (text.rfind("var:", 0) != 0 && text.rfind("v:", 0) != 0) return;
        std::string rest = text.substr(text.find(':') + 1);
        size_t colon = rest.find(':');
        if (colon == std::string::npos) {
            if (!variables.count(rest)) problem("unknown variable " + text);
            return;
        }
        std::string scope = rest.substr(0, colon), name = rest.substr(colon + 1);
        auto found = scoped.find(scope);
        if (found == scoped.end())
            problem("unknown scope in " + text);
        else if (!found->second.count(name))
            problem("unknown name in " + text);
    }

    void checkLiteralList(const std::string& text, const char* what,
                          bool (WordLint::*exists)(const std::string&)) {
        if (text.rfind("var:", 0) == 0 || text.rfind("v:", 0) == 0) return;
        std::stringstream items(text);
        std::string item;
        while (std::getline(items, item, ','))
            if (!(this->*exists)(item)) problem(std::string("unknown ") + what + " " + item);
    }
    bool typeExists(const std::string& name) { return parser->findType(name) != nullptr; }
    bool abilityExists(const std::string& name) { return parser->findAbility(name) != nullptr; }
    bool moveExists(const std::string& name) { return parser->findMove(name) != nullptr; }

    void checkCommand(const tinyxml2::XMLElement* element) {
        const std::string name = element->Name();
        if (!isCommand(name)) {
            problem("unknown command " + name);
            return;
        }
        static const std::set<std::string> attributes = {"chance",   "value",      "target", "name", "reason",
                                                         "duration", "comparator", "tag",    "round"};
        for (const tinyxml2::XMLAttribute* a = element->FirstAttribute(); a; a = a->Next())
            if (!attributes.count(a->Name())) problem(name + " has an unknown attribute " + a->Name());
        const char* nameAttr = element->Attribute("name");
        const char* valueAttr = element->Attribute("value");
        const std::string nameText = nameAttr ? nameAttr : "", valueText = valueAttr ? valueAttr : "";
        if (const char* target = element->Attribute("target"))
            if (std::string(target) != "target" && std::string(target) != "source")
                problem(name + " targets " + target);
        checkOperand(nameText);
        checkOperand(valueText);

        int opcode = commandOpcodeFromName(name);
        switch (opcode) {
        case CMD_SET_VARIABLE:
        case CMD_ADDITION_VARIABLE:
        case CMD_SUBSTRACT_VARIABLE:
        case CMD_MULTIPLY_VARIABLE:
        case CMD_DIVIDE_VARIABLE:
        case CMD_MODULO_VARIABLE:
            if (nameText.empty() || valueText.empty()) problem(name + " needs a name and a value");
            if (const char* round = element->Attribute("round"))
                if (!std::set<std::string>{"up", "down", "it"}.count(round))
                    problem("unknown rounding " + std::string(round));
            break;
        case CMD_NUMBER_COMPARE: {
            const char* c = element->Attribute("comparator");
            if (!c || !std::set<std::string>{"equal", "eq", "sup", "supequal", "inf", "infequal"}.count(c))
                problem("NumberCompare without a known comparator");
            break;
        }
        case CMD_STRING_COMPARE: {
            const char* c = element->Attribute("comparator");
            if (!c || !std::set<std::string>{"equal", "dif", "has", "hasnt", "not"}.count(c))
                problem("StringCompare without a known comparator");
            break;
        }
        case CMD_ADD_BUFF:
        case CMD_ADD_STATUT:
        case CMD_ADD_GLOBAL: {
            ZelkinBuffData* buff = parser->findBuff(nameText);
            if (!buff)
                problem(name + " of an unknown buff " + nameText);
            else if ((opcode == CMD_ADD_STATUT) != (buff->getKind() == ZelkinBuffData::KIND_PRIMARY_STATUS))
                problem(name + " of " + nameText + ", which is " + (opcode == CMD_ADD_STATUT ? "no" : "a") +
                        " status");
            break;
        }
        case CMD_REMOVE_BUFF:
        case CMD_REMOVE_GLOBAL:
            if (!nameText.empty() && !parser->findBuff(nameText))
                problem(name + " of an unknown buff " + nameText);
            if (nameText.empty() && !element->Attribute("tag")) problem(name + " needs a name or a tag");
            break;
        case CMD_MODIFY_STAT:
            if (!std::set<std::string>{"att", "def", "spe_att", "spe_def", "vit", "crit", "eva", "pre"}.count(
                    nameText))
                problem("ModifyStat of an unknown stat " + nameText);
            break;
        case CMD_DAMAGE:
        case CMD_HEAL:
            if (valueText.empty()) problem(name + " without a value");
            break;
        case CMD_ADD_TYPE:
        case CMD_REMOVE_TYPE:
        case CMD_CHANGE_TYPE:
            checkLiteralList(valueText, "type", &WordLint::typeExists);
            break;
        case CMD_CHANGE_ABILITY:
            if (!valueText.empty()) checkLiteralList(valueText, "ability", &WordLint::abilityExists);
            break;
        case CMD_QUICK_MOVE:
            checkLiteralList(nameText, "move", &WordLint::moveExists);
            break;
        default:
            break;
        }
        checkChildren(element);
    }

    void checkChildren(const tinyxml2::XMLElement* element) {
        const tinyxml2::XMLNode* first = element->FirstChild();
        bool text = first && first->ToText();
        if (text && element->FirstChildElement())
            problem(std::string(element->Name()) +
                    " holds both a message and commands; the commands are ignored");
        if (text) return;
        for (const tinyxml2::XMLElement* child = element->FirstChildElement(); child;
             child = child->NextSiblingElement())
            checkCommand(child);
    }

    // kind: "move", "ability", "buff", "stadium" or "ruleset".
    void checkTrigger(const tinyxml2::XMLElement* trigger, const std::string& kind) {
        static const std::set<std::string> neverFired = {"AFTER_MOVE", "DURING_SWITCH", "BEFORE_DMG_CALC",
                                                         "BEFORE_CHANGE_STAT", "ALL"};
        const char* when = trigger->Attribute("when");
        std::string word = when ? when : "";
        bool known = false;
        for (const BattleEventWord& entry : BATTLE_EVENT_WORDS)
            known |= word == entry.word;
        if (!known) problem("unknown event " + word);
        if (neverFired.count(word)) problem("event " + word + " is never fired");
        const bool ownedByBuff = word == "BEFORE_ADD" || word == "BUFF_VALUE";
        if (ownedByBuff && kind != "buff") problem(word + " only fires for buffs");
        // The match opens before any creature is sent out: no ability or buff is in play yet.
        if (word == "START_MATCH" && kind != "stadium" && kind != "ruleset")
            problem("START_MATCH only fires for stadiums and rulesets");
        const char* actor = trigger->Attribute("actor");
        std::string side = actor ? actor : "";
        if (kind != "move" && !ownedByBuff) {
            // Apart from a move's own triggers, a trigger without a matching actor never runs.
            bool matches = side == "source" || side == "SOURCE" || side == "target" || side == "TARGET";
            if (!matches) problem("trigger " + word + " has no usable actor");
            if ((kind == "stadium" || kind == "ruleset") && matches && (side == "target" || side == "TARGET"))
                problem("trigger " + word + " of a " + kind + " only fires for actor source");
        }
        checkChildren(trigger);
    }
};

// Every top-level record of every file in a data folder, with the file name.
void forEachRecord(const std::string& folder, const char* element,
                   const std::function<void(const std::string&, const tinyxml2::XMLElement*)>& visit) {
    fs::path dir = fs::path(kShippedData) / folder;
    if (!fs::is_directory(dir)) return;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(dir), end; it != end; ++it)
        if (it->path().extension() == ".xml") files.push_back(it->path());
    for (const fs::path& file : files) {
        tinyxml2::XMLDocument doc;
        ASSERT_EQ(doc.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS)
            << file << " " << doc.ErrorStr();
        for (const tinyxml2::XMLElement* record = doc.FirstChildElement(element); record;
             record = record->NextSiblingElement(element))
            visit(file.filename().string(), record);
    }
}

} // namespace

TEST_F(DataLintTest, EveryEventCommandAndReferenceIsAKnownWord) {
    WordLint lint{parser, {}, ""};
    int triggers = 0, effects = 0;
    std::set<std::string> events;
    struct Kind {
        const char* folder;
        const char* element;
        const char* kind;
    };
    for (const Kind& k : {Kind{"moves", "move", "move"}, Kind{"abilities", "ability", "ability"},
                          Kind{"buffs", "buff", "buff"}, Kind{"stadiums", "stadium", "stadium"},
                          Kind{"rulesets", "ruleset", "ruleset"}}) {
        forEachRecord(k.folder, k.element, [&](const std::string& file, const tinyxml2::XMLElement* record) {
            const tinyxml2::XMLElement* name = record->FirstChildElement("name");
            lint.where = file + " : " + k.kind + " " + (name && name->GetText() ? name->GetText() : "?");
            for (const tinyxml2::XMLElement* trigger = record->FirstChildElement("trigger"); trigger;
                 trigger = trigger->NextSiblingElement("trigger")) {
                lint.checkTrigger(trigger, k.kind);
                ++triggers;
                if (std::string(k.kind) == "ability" && trigger->Attribute("when"))
                    events.insert(trigger->Attribute("when"));
            }
            if (const tinyxml2::XMLElement* effect = record->FirstChildElement("effect")) {
                lint.checkChildren(effect);
                ++effects;
            }
        });
    }
    for (const std::string& problem : lint.problems)
        ADD_FAILURE() << problem;
    EXPECT_GE(triggers, 80);
    EXPECT_GE(effects, 100);
    EXPECT_GE(events.size(), 8u) << "abilities should listen to many different events";
}

TEST_F(DataLintTest, EveryAnimationNameIsListedForTheWindow) {
    std::vector<std::string> unknown;
    auto check = [&](const std::string& file, const tinyxml2::XMLElement* record) {
        for (const char* tag : {"animation", "blood"})
            for (const tinyxml2::XMLElement* e = record->FirstChildElement(tag); e;
                 e = e->NextSiblingElement(tag))
                if (!particles.count(e->GetText() ? e->GetText() : ""))
                    unknown.push_back(file + " " + (e->GetText() ? e->GetText() : ""));
    };
    forEachRecord("types", "type", check);
    forEachRecord("subtypes", "subtype", check);
    forEachRecord("abilities", "ability", check);
    forEachRecord("buffs", "buff", check);
    forEachRecord("creatures", "creature", check);
    for (const std::string& name : unknown)
        ADD_FAILURE() << "particle not described in data/particles/: " << name;
    EXPECT_FALSE(particles.empty());
}
