// The fuzz harness: one function per data reader, shared by the libFuzzer targets and the regression suite.
#include "tests/fuzz/FuzzHarness.hpp"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <tinyxml2.h>
#include <utility>

#include "rules/Commentator.hpp"
#include "rules/CommentatorPhrase.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/Stadium.hpp"
#include "rules/TextWrap.hpp"
#include "rules/TrainerList.hpp"
#include "rules/WindowServices.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"

namespace {

const char* const INPUT_FILE = "fuzz-input.xml";

// Lookups over loaded records are quadratic at worst; a few dozen records show every behaviour.
const int POKE_LIMIT = 32;

void writeInput(const std::string& path, const uint8_t* data, size_t size) {
    boost::filesystem::path parent = boost::filesystem::path(path).parent_path();
    if (!parent.empty()) boost::filesystem::create_directories(parent);
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        std::perror(path.c_str());
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    std::fclose(out);
}

// Stands in for the window so that animation references resolve and the loaders' animation paths run:
// every particle name resolves except the empty one and "missing". The core only keeps the pointer.
class FuzzWindow : public WindowServices {
public:
    ParticleDesc* findParticleDesc(std::string name) override {
        if (name.empty() || name == "missing") return nullptr;
        return reinterpret_cast<ParticleDesc*>(&placeholder);
    }
    void loadCreatureImage(std::string, std::string) override {}

private:
    alignas(16) unsigned char placeholder[16] = {};
};

// One input's run: an empty error log, a repeatable sequence of draws and the stand-in window, all undone
// at the end.
class RunScope {
public:
    RunScope() : previousWindow(gameBundle ? gameBundle->window : nullptr) {
        resetErrorLog();
        installRandomSource([this](int n) { return static_cast<int>(draws++ % static_cast<unsigned>(n)); });
        if (gameBundle) gameBundle->window = &window;
    }
    ~RunScope() {
        if (gameBundle) gameBundle->window = previousWindow;
        installRandomSource(nullptr);
        resetErrorLog();
    }

private:
    unsigned draws = 0;
    FuzzWindow window;
    WindowServices* previousWindow;
};

std::string basePath(const char* file) {
    return std::string(QUORVEX_SOURCE_DIR) + "/tests/fuzz/base/" + file;
}

// The records a file may refer to, loaded in the game's order up to the reader under test.
enum class Base { None, Vocabulary, Moves, Creatures };

void loadBase(GameParser& parser, Base base) {
    if (base == Base::None) return;
    parser.loadTypes(basePath("types.xml"));
    parser.loadSubtypes(basePath("subtypes.xml"));
    parser.loadAbilities(basePath("abilities.xml"));
    parser.loadBuffs(basePath("buffs.xml"));
    if (base == Base::Vocabulary) return;
    parser.loadMoves(basePath("moves.xml"));
    if (base == Base::Moves) return;
    parser.loadCreatures(basePath("creatures.xml"));
}

// Reads every field of a command tree, so a half-built node shows up under the sanitizers.
size_t walkCommands(const QXML_Command* command) {
    if (!command) return 0;
    size_t total = 1 + command->getNameText().size() + command->getValue().size() +
                   command->getRound().size() + command->getExtraText().size() + command->getChance().size() +
                   command->getReason().size();
    total += static_cast<size_t>(command->getOpcode() + command->getTarget() + 1);
    for (int i = 0; i < command->countSubCommands(); ++i)
        total += walkCommands(command->getSubCommandAt(i));
    return total;
}

void pokeTypes(const std::vector<ZelkinType*>& types) {
    int limit = std::min(static_cast<int>(types.size()), POKE_LIMIT);
    for (int i = 0; i < limit; ++i) {
        for (int j = 0; j < limit; ++j)
            (void)types[i]->getMultiplierAgainst(types[j]->getName());
        for (int k = -1; k <= types[i]->getAnimationCount(); ++k)
            (void)types[i]->getAnimation(k);
    }
}

void runLoader(const uint8_t* data, size_t size, Base base, void (GameParser::*loader)(const std::string&)) {
    RunScope scope;
    writeInput(INPUT_FILE, data, size);
    GameParser parser;
    loadBase(parser, base);
    (parser.*loader)(INPUT_FILE);
    pokeTypes(parser.getTypes());
    pokeTypes(parser.getSubtypes());
}

} // namespace

void fuzzTypes(const uint8_t* data, size_t size) {
    runLoader(data, size, Base::None, &GameParser::loadTypes);
}

void fuzzSubtypes(const uint8_t* data, size_t size) {
    runLoader(data, size, Base::None, &GameParser::loadSubtypes);
}

void fuzzAbilities(const uint8_t* data, size_t size) {
    runLoader(data, size, Base::None, &GameParser::loadAbilities);
}

void fuzzBuffs(const uint8_t* data, size_t size) {
    runLoader(data, size, Base::None, &GameParser::loadBuffs);
}

void fuzzMoves(const uint8_t* data, size_t size) {
    RunScope scope;
    writeInput(INPUT_FILE, data, size);
    GameParser parser;
    loadBase(parser, Base::Vocabulary);
    parser.loadMoves(INPUT_FILE);
    int poked = 0;
    for (ZelkinMove* move : parser.getMoves()) {
        if (++poked > POKE_LIMIT) break;
        (void)move->getNumber("power");
        (void)move->getStrings("type");
        (void)move->getStrings("subtype");
        (void)walkCommands(move->getEffect());
    }
}

void fuzzCreatures(const uint8_t* data, size_t size) {
    runLoader(data, size, Base::Moves, &GameParser::loadCreatures);
}

void fuzzStadiums(const uint8_t* data, size_t size) {
    RunScope scope;
    writeInput(INPUT_FILE, data, size);
    GameParser parser;
    parser.loadStadiums(INPUT_FILE);
    int poked = 0;
    for (Stadium* stadium : parser.getStadiums()) {
        if (++poked > POKE_LIMIT) break;
        (void)stadium->pickRandomId();
        for (int x = -1; x <= 4; ++x)
            for (int y = -1; y <= 4; ++y)
                (void)stadium->isPositionAllowed(x, y);
        (void)stadium->isPositionAllowed(INT_MIN, INT_MAX);
    }
    (void)parser.randomStadiumWithValue();
    (void)parser.randomStadiumWithoutValue();
}

void fuzzRulesets(const uint8_t* data, size_t size) {
    RunScope scope;
    writeInput(INPUT_FILE, data, size);
    GameParser parser;
    loadBase(parser, Base::Creatures);
    parser.loadRulesets(INPUT_FILE);
    int count = std::min(parser.countRulesets(), POKE_LIMIT);
    for (int i = count; i >= -1; --i) {
        parser.selectRuleset(i);
        (void)parser.countAllowedSpecies();
        (void)parser.randomAllowedSpecies();
    }
}

void fuzzTrainers(const uint8_t* data, size_t size) {
    RunScope scope;
    writeInput(INPUT_FILE, data, size);
    GameParser parser;
    parser.loadTrainers(INPUT_FILE);
    TrainerList* trainers = parser.getTrainers();
    for (int i = 0; i < 4; ++i)
        (void)trainers->pickRandomTrainer(false);
    // More unique picks than there are trainers: the pick must still end when every one is remembered.
    int picks = std::min(trainers->getCount() + 2, 300);
    for (int i = 0; i < picks; ++i)
        (void)trainers->pickRandomTrainer(true);
}

void fuzzStrings(const uint8_t* data, size_t size) {
    RunScope scope;
    const char* path = "data/strings.xml";
    writeInput(path, data, size);
    // Every element name of the input could be a key the reader replaces: keep those texts to restore.
    std::vector<std::pair<std::string*, std::string>> saved;
    tinyxml2::XMLDocument document;
    document.Parse(reinterpret_cast<const char*>(data), size);
    std::vector<tinyxml2::XMLElement*> pending;
    for (tinyxml2::XMLElement* e = document.FirstChildElement(); e; e = e->NextSiblingElement())
        pending.push_back(e);
    while (!pending.empty()) {
        tinyxml2::XMLElement* element = pending.back();
        pending.pop_back();
        if (std::string* entry = findStringByKey(element->Name())) saved.emplace_back(entry, *entry);
        for (tinyxml2::XMLElement* child = element->FirstChildElement(); child;
             child = child->NextSiblingElement())
            pending.push_back(child);
    }
    {
        GameParser parser;
        parser.loadStrings(path);
        (void)wrapText(DefaultStrings::INBATTLE_USE_MOVE + " " + DefaultStrings::NAME_MOVE, 12, 662);
    }
    for (auto it = saved.rbegin(); it != saved.rend(); ++it)
        *it->first = it->second;
}

void fuzzConfig(const uint8_t* data, size_t size) {
    RunScope scope;
    writeInput("config.xml", data, size);
    std::string name;
    {
        Game_Options options;
        name = options.getTrainerName();
        (void)options.getTeamSize();
        options.setSpriteCount(12);
        options.cycleTrainerSprite(true);
        options.appendNameChar('z');
        options.eraseNameChar();
        name = options.getTrainerName();
        options.save();
    }
    // What was saved must read back whole: same name, and no first start.
    Game_Options reread;
    std::string expected = name.empty() ? std::string("Dresseur") : name;
    if (reread.isFirstStart() || reread.getTrainerName() != expected) {
        std::fprintf(stderr,
                     "config.xml did not survive a save: first start %d, name [%s] read back as [%s]\n",
                     reread.isFirstStart() ? 1 : 0, expected.c_str(), reread.getTrainerName().c_str());
        std::abort();
    }
}

void fuzzCommentator(const uint8_t* data, size_t size) {
    RunScope scope;
    writeInput("data/commentator.xml", data, size);
    Commentator commentator;
    int poked = 0;
    for (CommentatorPhrase* phrase : commentator.getPhrases()) {
        if (++poked > POKE_LIMIT) break;
        (void)commentator.comment(phrase->getCondition(), phrase->getSpecial(), phrase->getVal1(),
                                  phrase->getVal2(), phrase->getHype());
    }
    (void)commentator.comment(0, 0, 0, 0, 0);
    (void)commentator.comment(COMMENT_MOVE, 1, INT_MAX, INT_MIN, -1);
}

void fuzzEffect(const uint8_t* data, size_t size) {
    RunScope scope;
    tinyxml2::XMLDocument document;
    document.Parse(reinterpret_cast<const char*>(data), size);
    GameParser parser;
    tinyxml2::XMLElement* element = document.FirstChildElement();
    while (element) {
        // The parser deletes what it has read below the element, never the element itself.
        tinyxml2::XMLElement* next = element->NextSiblingElement();
        QXML_Command* tree = parser.parseEffect(element);
        (void)walkCommands(tree);
        delete tree;
        element = next;
    }
}

const std::vector<FuzzTarget>& fuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"types", fuzzTypes},       {"subtypes", fuzzSubtypes}, {"abilities", fuzzAbilities},
        {"buffs", fuzzBuffs},       {"moves", fuzzMoves},       {"creatures", fuzzCreatures},
        {"stadiums", fuzzStadiums}, {"rulesets", fuzzRulesets}, {"trainers", fuzzTrainers},
        {"strings", fuzzStrings},   {"config", fuzzConfig},     {"commentator", fuzzCommentator},
        {"effect", fuzzEffect},
    };
    return targets;
}

namespace {
boost::filesystem::path scratchFolder;

void removeScratchFolder() {
    boost::system::error_code ec;
    boost::filesystem::current_path(boost::filesystem::temp_directory_path(ec), ec);
    boost::filesystem::remove_all(scratchFolder, ec);
}
} // namespace

void enterFuzzScratchFolder() {
    if (!scratchFolder.empty()) return;
    scratchFolder = boost::filesystem::temp_directory_path() /
                    boost::filesystem::unique_path("quorvex-fuzz-%%%%-%%%%-%%%%");
    boost::filesystem::create_directories(scratchFolder);
    boost::filesystem::current_path(scratchFolder);
    std::atexit(removeScratchFolder);
}
