// Which types a team in the making resists and which its moves hit hard, to point out its gaps.
#include "rules/TeamAnalyzer.hpp"

#include <algorithm>

#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/TableType.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"

namespace {

GameParser* database() { return gameBundle != nullptr ? gameBundle->parser : nullptr; }

int databaseTypeCount() {
    GameParser* parser = database();
    return parser != nullptr ? std::max(parser->countTypes(), 0) : 0;
}

} // namespace

TeamAnalyzer::TeamAnalyzer() : TeamAnalyzer(databaseTypeCount()) {}

TeamAnalyzer::TeamAnalyzer(int typeCount)
    : defensiveFlags(std::max(typeCount, 0), 0), offensiveFlags(std::max(typeCount, 0), 0) {}

TeamAnalyzer::~TeamAnalyzer() {}

void TeamAnalyzer::addCreature(Zelkin* creature) {
    GameParser* parser = database();
    if (creature == nullptr || parser == nullptr) return;
    // The database may hold more types than the flags were made for; only the flags that exist are set.
    int count = std::min(parser->countTypes(), static_cast<int>(defensiveFlags.size()));
    TableType chart;
    ZelkinType* first = creature->getType(0);
    ZelkinType* second = creature->getType(1);
    for (int i = 0; i < count; ++i) {
        if (defensiveFlags[i] != 0) continue;
        ZelkinType* attacking = parser->getTypeAt(i);
        if (chart.getMultiplier(attacking, first) * chart.getMultiplier(attacking, second) < 1.0f)
            defensiveFlags[i] += 1;
    }

    count = std::min(parser->countTypes(), static_cast<int>(offensiveFlags.size()));
    for (int slot = 0; slot < Zelkin::MAX_MOVES; ++slot) {
        ZelkinMove* move = creature->getMove(slot);
        if (move == nullptr || move->getCategory() == 0 || move->getPower() == 0) continue;
        ZelkinType* moveType = move->getType();
        if (moveType == nullptr) continue;
        for (int j = 0; j < count; ++j) {
            if (offensiveFlags[j] != 0) continue;
            ZelkinType* defending = parser->getTypeAt(j);
            if (defending != nullptr && moveType->getMultiplierAgainst(defending->getName()) > 1.0f)
                offensiveFlags[j] += 1;
        }
    }
}

int32_t TeamAnalyzer::getOffensiveFlag(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= static_cast<int>(offensiveFlags.size())) return 0;
    return offensiveFlags[typeIndex];
}

int32_t TeamAnalyzer::getDefensiveFlag(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= static_cast<int>(defensiveFlags.size())) return 0;
    return defensiveFlags[typeIndex];
}
