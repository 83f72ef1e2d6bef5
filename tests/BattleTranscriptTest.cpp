// Fifty seeded battles of six against six between random bots, two in every arena under every ruleset of a
// frozen copy of the data set (tests/data/transcript/data), compared line for line with the transcripts
// stored under tests/data/transcript/battles: the teams drawn, every message and remark the screen would
// show frame by frame, the result and the number of draws. A change meant to leave the battles alone must
// leave every transcript as it is.
//
// After a change that is meant to alter the battles, rewrite the stored transcripts and review the diff:
//   QUORVEX_WRITE_TRANSCRIPTS=1 build-test/quorvex_tests --gtest_filter='BattleTranscript.*'
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "TestSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "players/Bot_IA_Dummy.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"

namespace fs = boost::filesystem;

namespace {

constexpr int BATTLES_PER_PAIRING = 2;
constexpr int TEAM_SIZE = 6;
constexpr int FRAME_LIMIT = 20000;

// Every draw of its scope from one seeded generator, counted.
class CountedDraws {
public:
    explicit CountedDraws(unsigned seed) : generator(seed) {
        installRandomSource([this](int n) {
            ++count;
            return static_cast<int>(generator() % static_cast<unsigned>(n));
        });
    }
    ~CountedDraws() { installRandomSource(nullptr); }
    CountedDraws(const CountedDraws&) = delete;
    CountedDraws& operator=(const CountedDraws&) = delete;
    long count = 0;

private:
    std::mt19937 generator;
};

// One line per entry: the line ends inside wrapped messages are written as " / ", the last one dropped.
std::string oneLine(const std::string& text) {
    std::string line;
    std::string::size_type end = text.find_last_not_of("\r\n");
    for (char c : text.substr(0, end == std::string::npos ? 0 : end + 1)) {
        if (c == '\n')
            line += " / ";
        else if (c != '\r')
            line += c;
    }
    return line;
}

void describeTeams(GameField* field, std::ostringstream& out) {
    for (int side = 0; side < 2; ++side) {
        ZelkinTeam* team = field->getTeam(side);
        for (int i = 0; i < ZelkinTeam::MAX_MEMBERS; ++i) {
            Zelkin* member = team->getMemberAt(i);
            if (member == nullptr) continue;
            out << "side " << side << " #" << i << ' ' << member->getName() << " hp " << member->getHp()
                << '/' << member->getMaxHp() << " moves";
            for (int slot = 0; slot < 4; ++slot)
                if (ZelkinMove* move = member->getMove(slot)) out << " [" << move->getName() << ']';
            out << '\n';
        }
    }
}

// The battle of that seed, played to its end as the battle screen plays it, and its transcript.
std::string playBattle(TeamBuilder* builder, GameParser* parser, Game_Options* options, Stadium* stadium,
                       unsigned seed) {
    std::ostringstream out;
    CountedDraws draws(seed);
    builder->clearUsed();
    GameField* field = new GameField(parser, new BattleInformations(stadium, 0, 0), nullptr);
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < TEAM_SIZE; ++i)
            field->getTeam(side)->addMember(builder->createRandomCreature());
    GameBattleEngine* engine = new GameBattleEngine(field, nullptr, options);
    describeTeams(field, out);
    out << "draws for the teams " << draws.count << '\n';

    Bot_IA_Dummy left(0);
    Bot_IA_Dummy right(1);
    Bot_IA_Dummy* deciders[2] = {&left, &right};
    field->startMatch();
    int frame = 0;
    bool closed = false;
    for (; frame < FRAME_LIMIT; ++frame) {
        int state = field->getState();
        bool idle = field->getActionList().empty() && field->getCurrentAction() == nullptr;
        if (state == GameField::STATE_CLOSED && idle) {
            closed = true;
            break;
        }
        if (state == GameField::STATE_DECIDED && idle) field->endMatch();
        for (int side = 0; side < 2; ++side) {
            if (field->getOpenRequest(side) <= 0) continue;
            deciders[side]->think(engine);
            GameOrder* order = deciders[side]->cloneOrder();
            out << frame << " order " << side << ' ' << order->getKind() << ' ' << order->getMoveSlot() << ' '
                << order->getSwitchTarget() << '\n';
            field->setOrder(side, order);
        }
        engine->step();
        std::string message = field->getVisibleMessage();
        if (!message.empty()) out << frame << " message " << oneLine(message) << '\n';
        std::string remark = field->takeComment();
        if (!remark.empty()) out << frame << " remark " << oneLine(remark) << '\n';
        // Nobody reads the messages: go on at once.
        field->setMessageTimer(0);
    }
    out << "closed " << closed << " frames " << frame << " turns " << field->getTurn() << " result "
        << field->getResult() << '\n';
    describeTeams(field, out);
    out << "draws " << draws.count << '\n';
    delete engine;
    clearDiscardedBuffs();
    return out.str();
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file.string(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first line where the two texts part, for the failure message.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    for (int number = 1;; ++number) {
        bool moreA = static_cast<bool>(std::getline(a, lineA));
        bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) return "no difference";
        if (!moreA || !moreB || lineA != lineB)
            return "line " + std::to_string(number) + "\n  stored: " + (moreA ? lineA : "<end>") +
                   "\n  played: " + (moreB ? lineB : "<end>");
    }
}

} // namespace

TEST(BattleTranscript, SeededBattlesPlayExactlyAsStored) {
    const fs::path stored = fs::path(fixturePath("transcript")) / "battles";
    const bool rewrite = std::getenv("QUORVEX_WRITE_TRANSCRIPTS") != nullptr;

    ScratchDir dir;
    copyFolder(fs::path(fixturePath("transcript")) / "data", dir.path / "data");
    TeamBuilder* builder = new TeamBuilder();
    GameParser* parser = builder->getParser();
    ASSERT_TRUE(builder->isDataValid());
    Game_Options* options = parser->getOptions();
    switchOnEveryRuleEffect(options);
    if (options->isCommentatorOn() == 0) options->toggleCommentator();
    if (rewrite) fs::create_directories(stored);

    int battle = 0;
    for (int r = 0; r < parser->countRulesets(); ++r) {
        parser->selectRuleset(r);
        for (Stadium* stadium : parser->getStadiums()) {
            for (int repeat = 0; repeat < BATTLES_PER_PAIRING; ++repeat, ++battle) {
                char name[32];
                std::snprintf(name, sizeof name, "battle-%02d.txt", battle);
                std::string transcript = "ruleset " + parser->getRulesetAt(r)->getName() + " stadium " +
                                         stadium->getName() + '\n' +
                                         playBattle(builder, parser, options, stadium, 1000u + battle);
                if (rewrite) {
                    std::ofstream(((stored / name).string()), std::ios::binary) << transcript;
                    continue;
                }
                std::string expected = readFile(stored / name);
                EXPECT_TRUE(expected == transcript)
                    << name << " differs at " << firstDifference(expected, transcript);
            }
        }
    }
    EXPECT_EQ(battle, 48);
    delete builder;
    delete parser;
}
