// The battle participant: team, identity, matchup memory, decisions and the pre-battle picks.
#include "players/ZelkBot.hpp"

#include <tinyxml2.h>

#include <algorithm>
#include <cstring>

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "players/Bot_IA_Dummy.hpp"
#include "players/Bot_IA_Simul.hpp"
#include "players/SelectTeam.hpp"
#include "players/TrainerStats.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/TableType.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

const char* const ZelkBot::HUMAN_PATH = "DONTDELETE";

namespace {
constexpr int AI_SIMULATING = 1;
// What getTypeMatchup gives when it has nothing to go on.
constexpr int NEUTRAL_MATCHUP = 50;

int speciesNumberOf(Zelkin* creature) { return creature != nullptr ? creature->getNumber() : 0; }

// The multiplier truncated to an integer, as the matchup score counts it.
int truncatedMultiplier(TableType& chart, ZelkinType* attacking, ZelkinType* first, ZelkinType* second) {
    return saturatingInt(chart.getDualMultiplier(attacking, first, second));
}
} // namespace

ZelkBot::ZelkBot() : trainerStats(new TrainerStats("Dresseur", 0, 0, 1)) {
    trainerStats->setCredo("Bonne chance !");
    clearMatchupCache();
}

ZelkBot::~ZelkBot() {
    delete botIA;
    for (Zelkin*& creature : team) {
        delete creature;
        creature = nullptr;
    }
    delete trainerStats;
}

void ZelkBot::clearMatchupCache() {
    for (auto& row : matchupCache)
        std::fill(std::begin(row), std::end(row), -1);
}

void ZelkBot::replaceTrainerStats(TrainerStats* stats) {
    if (stats == trainerStats) return;
    delete trainerStats;
    trainerStats = stats;
}

TrainerStats* ZelkBot::getTrainerStats() { return trainerStats; }

ZelkBot* ZelkBot::clone() {
    ZelkBot* copy = new ZelkBot();
    copy->parser = parser;
    // An incomplete team is copied as it is, each member in its own slot, gaps included.
    for (int i = 0; i < TEAM_SIZE; ++i)
        if (team[i] != nullptr) copy->setMember(team[i]->clone(), i);
    copy->setTrainerInfo(trainerStats->getSprite(), trainerStats->getName(), trainerStats->getCredo());
    return copy;
}

void ZelkBot::createBotIA() {
    delete botIA;
    if (aiKind == AI_SIMULATING)
        botIA = new Bot_IA_Simul(side);
    else
        botIA = new Bot_IA_Dummy(side);
    botIA->setLevel(aiLevel);
    decidedFor = -1;
}

void ZelkBot::setAI(int kind, int level) {
    aiKind = kind;
    aiLevel = level;
}

void ZelkBot::setSide(int value) {
    side = value;
    createBotIA();
}

int ZelkBot::resetMemory() {
    for (auto& floor : matchupFloor)
        std::fill(std::begin(floor), std::end(floor), 0);
    clearMatchupCache();
    return -1;
}

void ZelkBot::setControlledByBot(int controlled) { controlledByBot = controlled; }

Zelkin* ZelkBot::getMember(int i) { return (i >= 0 && i < TEAM_SIZE) ? team[i] : nullptr; }

Zelkin* ZelkBot::cloneMember(int i) {
    Zelkin* creature = getMember(i);
    return creature != nullptr ? creature->clone() : nullptr;
}

void ZelkBot::getName(std::string& out) { out = trainerStats->getName(); }

int ZelkBot::ownSlotOf(int number) const {
    int slot = 0;
    for (int i = 0; i < TEAM_SIZE; ++i)
        if (team[i] != nullptr && team[i]->getNumber() == number) slot = i;
    return slot;
}

void ZelkBot::recordMatchup(int ownNumber, int opponentNumber, int result) {
    // Numbers outside the tables have no column: nothing to remember.
    if (!isSpeciesColumn(opponentNumber)) return;
    int* history = matchupHistory[ownSlotOf(ownNumber)][opponentNumber];
    if (history[MATCHUP_HISTORY - 1] == 0) storedResults += 1.0;
    std::memmove(history + 1, history, sizeof(int) * (MATCHUP_HISTORY - 1));
    history[0] = result;
}

int ZelkBot::getMatchupHistory(int ownSlot, int opponentNumber, int k) const {
    if (ownSlot < 0 || ownSlot >= TEAM_SIZE || !isSpeciesColumn(opponentNumber) || k < 0 ||
        k >= MATCHUP_HISTORY)
        return 0;
    return matchupHistory[ownSlot][opponentNumber][k];
}

int ZelkBot::getTypeMatchup(int ownNumber, int opponentNumber) {
    // A number the tables have no column for has no memory either: neither good nor bad.
    if (!isSpeciesColumn(ownNumber) || !isSpeciesColumn(opponentNumber)) return NEUTRAL_MATCHUP;
    int slot = ownSlotOf(ownNumber);
    int& cached = matchupCache[slot][opponentNumber];
    if (cached >= 0) return cached;

    ZelkinZelkinary* own = parser != nullptr ? parser->findSpecies(ownNumber) : nullptr;
    ZelkinZelkinary* other = parser != nullptr ? parser->findSpecies(opponentNumber) : nullptr;
    ZelkinType* own1 = own != nullptr ? own->getTypeAt(0) : nullptr;
    ZelkinType* own2 = own != nullptr ? own->getTypeAt(1) : nullptr;
    ZelkinType* other1 = other != nullptr ? other->getTypeAt(0) : nullptr;
    ZelkinType* other2 = other != nullptr ? other->getTypeAt(1) : nullptr;

    TableType chart;
    int score = 0;
    for (ZelkinType* attacking : {own1, own2}) {
        int m = truncatedMultiplier(chart, attacking, other1, other2);
        score += m >= 2 ? 2 : (m == 1 ? 1 : 0);
    }
    for (ZelkinType* attacking : {other1, other2}) {
        int m = truncatedMultiplier(chart, attacking, own1, own2);
        score += m < 1 ? 2 : (m == 1 ? 1 : 0);
    }
    int divisor = 4;
    const int* history = matchupHistory[slot][opponentNumber];
    for (int k = 0; k < MATCHUP_HISTORY && history[k] != 0; ++k) {
        divisor += 1;
        if (history[k] == 1) score += 2;
        if (history[k] == 3) score += 1;
    }
    cached = score * 50 / divisor;
    return cached;
}

int ZelkBot::countMembers() {
    int count = 0;
    for (Zelkin* creature : team)
        if (creature != nullptr) ++count;
    return count;
}

bool ZelkBot::isTeamReady() {
    for (Zelkin* creature : team)
        if (creature == nullptr || !creature->hasMoves()) return false;
    return true;
}

void ZelkBot::decideOrder(GameBattleEngine* engine) {
    GameField* field = engine != nullptr ? engine->getField() : nullptr;
    // A participant without a decision maker (never given a side) has nobody to think for it.
    if (field == nullptr || botIA == nullptr) return;
    int state = field->getState();
    if (state == GameField::STATE_RUNNING) {
        // The battle moves on: whatever was decided before is for a position that is gone.
        if (armed == 0) ++position;
        armed = 1;
        countdown = PICK_DELAY;
        return;
    }
    // The first frame after a stretch of running: what happened in it is booked, decision or not.
    if (armed == 1) {
        armed = 0;
        bookWhatHappened(field, state);
    }
    // An order decided for another position would be played against creatures it never saw.
    if (botIA->isReady() && decidedFor != position) botIA->clearReady();
    // Only this side's own open request is worth a decision, and only one at a time: an order taken and
    // accepted closes the request, one refused leaves it open and is decided again.
    if (field->getOpenRequest(side) > 0 && !botIA->isThinking() && !botIA->isReady()) {
        decidedFor = position;
        botIA->startThinking(engine);
    }
    countdown -= 1;
}

void ZelkBot::bookWhatHappened(GameField* field, int state) {
    if (state == GameField::STATE_DECIDED) {
        int result = field->getResult();
        if (result - 1 == side)
            trainerStats->addWin();
        else if (result == 3)
            trainerStats->addDraw();
        else
            trainerStats->addLoss();
        save();
    }
    int other = opponentSide(side);
    ZelkinTeam* ownTeam = field->getTeamChecked(side);
    ZelkinTeam* otherTeam = field->getTeamChecked(other);
    Zelkin* ownActive = ownTeam != nullptr ? ownTeam->getActive() : nullptr;
    Zelkin* otherActive = otherTeam != nullptr ? otherTeam->getActive() : nullptr;
    if (state == GameField::STATE_DECIDED || field->getOpenRequest(side) > 0 ||
        field->getOpenRequest(other) > 0) {
        if (ownActive != nullptr && ownActive->getHp() <= 0)
            recordMatchup(ownActive->getNumber(), lastOpponentNumber, 2);
        if (otherActive != nullptr && otherActive->getHp() <= 0)
            recordMatchup(lastOwnNumber, otherActive->getNumber(), 1);
    }
    lastOwnNumber = speciesNumberOf(ownActive);
    lastOpponentNumber = speciesNumberOf(otherActive);
}

int ZelkBot::rateMoveEffects(const tinyxml2::XMLElement* effect) {
    if (effect == nullptr || effect->Name() == nullptr) return 0;
    const std::string kind = effect->Name();
    int chance = xmlHasAttribute(effect, "chance") ? clampedAtoi(xmlAttribute(effect, "chance")) : 100;
    int value = xmlHasAttribute(effect, "value") ? clampedAtoi(xmlAttribute(effect, "value")) : 1;
    chance = std::max(0, std::min(chance, 100));
    value = std::max(-6, std::min(value, 6));
    int weight = 0;
    if (kind == "selfbuff")
        weight = 20;
    else if (kind == "selfbuffstat") {
        const std::string stat = xmlAttribute(effect, "stat");
        weight = (stat == "crit") ? 10 : (stat == "vit" ? 18 : 15);
    } else if (kind == "selfdebuffstat")
        weight = -15;
    else if (kind == "drain")
        weight = 20;
    else if (kind == "recul")
        weight = -15;
    else if (kind == "spin")
        weight = 10;
    else if (kind == "heal")
        weight = 30;
    else if (kind == "healday")
        weight = 25;
    else if (kind == "rest")
        weight = 20;
    else if (kind == "outrage")
        weight = 15;
    return weight * value * chance / 100;
}

int ZelkBot::estimateDamage(ZelkinMove* move, Zelkin* attacker, Zelkin* defender, GameField* /*field*/,
                            int hits) {
    if (move == nullptr || attacker == nullptr || defender == nullptr || move->getCategory() == 0) return 0;
    TableType chart;
    double multiplier = chart.getDualMultiplier(move->getType(), defender->getType(0), defender->getType(1));
    if (move->getType() != nullptr && attacker->hasType(move->getType())) multiplier *= 1.5;
    bool physical = move->getCategory() == 1;
    double attack = physical ? attacker->getAttack() : attacker->getSpecialAttack();
    double defence = physical ? defender->getDefence() : defender->getSpecialDefence();
    if (defence <= 0.0) defence = 1.0;
    double levelTerm = attacker->getLevel() * 2.0 / 5.0 + 2.0;
    double damage = (levelTerm * move->getPower() * attack / defence / 50.0 + 2.0) * multiplier;
    if (attacker->getStatus() != nullptr) damage /= 2.0;
    damage *= std::max(1, hits);
    double maxHp = std::max(1, defender->getMaxHp());
    return saturatingInt(std::min(100.0 * damage / maxHp, 1000.0));
}

int ZelkBot::rateMatchup(Zelkin* own, Zelkin* opponent) {
    if (own == nullptr || opponent == nullptr) return 0;
    auto statusWeight = [](int kind) {
        if (kind >= 1 && kind <= 3) return 10;
        if (kind == 4) return 15;
        if (kind == 5 || kind == 6) return 25;
        return 0;
    };
    int score = getTypeMatchup(own->getNumber(), opponent->getNumber()) + own->getHpBarWidth() -
                opponent->getHpBarWidth();
    score += statusWeight(opponent->getStateCode());
    score -= statusWeight(own->getStateCode());
    return std::max(0, std::min(score, 100));
}

int ZelkBot::chooseBestSwitch(GameField* field, int /*unused*/, bool wantScore) {
    int best = -10;
    int choice = 0;
    ZelkinTeam* ownTeam = field != nullptr ? field->getTeamChecked(side) : nullptr;
    ZelkinTeam* otherTeam = field != nullptr ? field->getTeamChecked(opponentSide(side)) : nullptr;
    Zelkin* rival = otherTeam != nullptr ? otherTeam->getActive() : nullptr;
    for (int i = 0; ownTeam != nullptr && i < TEAM_SIZE; ++i) {
        Zelkin* member = ownTeam->getMemberAt(i);
        if (member == nullptr || member->getHp() <= 0 || member == ownTeam->getActive()) continue;
        int score = rateMatchup(member, rival);
        if (score > best) {
            best = score;
            choice = i;
        }
    }
    return wantScore ? best : choice;
}

int ZelkBot::pickTeamMember(SelectTeam* own, SelectTeam* other) {
    if (botIA == nullptr) return -1;
    countdown -= 1;
    if (countdown > 0) return -1;
    botIA->choosePick(own, other);
    countdown = PICK_DELAY;
    botIA->clearReady();
    GameOrder* decided = botIA->cloneOrder();
    int slot = decided->getSwitchTarget();
    delete decided;
    return slot;
}

int ZelkBot::sumMatchupsAgainst(int ownSlot, ZelkinTeam* opposing) {
    Zelkin* own = getMember(ownSlot);
    if (own == nullptr || opposing == nullptr) return 0;
    int sum = 0;
    for (int i = 0; i < TEAM_SIZE; ++i) {
        Zelkin* rival = opposing->getMemberAt(i);
        if (rival == nullptr) continue;
        sum += std::max(getTypeMatchup(own->getNumber(), rival->getNumber()), matchupFloor[0][i]);
    }
    return sum;
}

int ZelkBot::opponentSide(int value) { return value == 0 ? 1 : 0; }

bool ZelkBot::isTransient() { return filePath.empty(); }

int ZelkBot::isControlledByBot() { return controlledByBot; }

void ZelkBot::setMember(Zelkin* creature, int i) {
    if (i < 0 || i >= TEAM_SIZE) return;
    if (team[i] != creature) delete team[i];
    team[i] = creature;
}

int ZelkBot::addMember(Zelkin* creature) {
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (team[i] == nullptr) {
            team[i] = creature;
            return i;
        }
    }
    return TEAM_SIZE;
}

void ZelkBot::setTrainerInfo(int sprite, const std::string& trainerName, const std::string& credo) {
    trainerStats->setSprite(sprite);
    trainerStats->setName(trainerName);
    trainerStats->setCredo(credo);
}

bool ZelkBot::isOrderReady() { return botIA != nullptr && botIA->isReady() && decidedFor == position; }

GameOrder* ZelkBot::takeOrder() {
    // The order is the worker's until it says ready.
    if (botIA == nullptr || (!botIA->isReady() && botIA->isThinking())) return nullptr;
    GameOrder* decided = botIA->cloneOrder();
    botIA->clearReady();
    return decided;
}

void ZelkBot::getThinkingLog(std::string& out) {
    if (botIA != nullptr)
        botIA->getLog(out);
    else
        out.clear();
}

bool ZelkBot::hasTag(const std::string& tag) const {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

bool ZelkBot::isThinking() const { return botIA != nullptr && botIA->isThinking(); }

void ZelkBot::waitForDecision() {
    if (botIA != nullptr) botIA->waitForDecision();
}
