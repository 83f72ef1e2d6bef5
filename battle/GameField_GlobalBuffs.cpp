// The battle field: field-wide buffs, the description lines shown beside the field, and field variables.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "battle/GameField.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
const std::string& noText() {
    static const std::string empty;
    return empty;
}

const std::string& nameOf(ZelkinBuff* buff) {
    ZelkinBuffData* definition = buff->getDefinition();
    return definition != nullptr ? definition->getName() : noText();
}

const std::string& spotOf(ZelkinBuff* buff) {
    ZelkinBuffData* definition = buff->getDefinition();
    return definition != nullptr ? definition->getSpot() : noText();
}

constexpr std::string_view TURN_SEPARATOR = " : ";

// The turn line "Turn : 11" made "Turn : 12" in place, when it already starts with the label; false for a
// line to be written anew.
bool renumberTurnLine(std::string& line, const std::string& label, int turn) {
    const std::size_t prefix = label.size() + TURN_SEPARATOR.size();
    if (line.size() <= prefix || std::memcmp(line.data(), label.data(), label.size()) != 0 ||
        std::memcmp(line.data() + label.size(), TURN_SEPARATOR.data(), TURN_SEPARATOR.size()) != 0)
        return false;
    replaceTail(line, prefix, DecimalText(turn).view());
    return true;
}

int colourOfNature(int nature) {
    switch (nature) {
    case ZelkinBuffData::NATURE_POSITIVE:
        return 9;
    case ZelkinBuffData::NATURE_NEGATIVE:
        return 6;
    case ZelkinBuffData::NATURE_NEUTRAL:
        return 14;
    default:
        return 15;
    }
}
} // namespace

ZelkinBuff* GameField::findGlobalBuff(const std::string& name) {
    for (ZelkinBuff* buff : globalBuffs)
        if (nameOf(buff) == name) return buff;
    return nullptr;
}

bool GameField::addGlobalBuff(ZelkinBuff* buff) {
    if (buff == nullptr || findGlobalBuff(nameOf(buff)) != nullptr) return false;
    // A spot (the weather, the terrain...) holds one buff at a time: the newcomer drives the holder out.
    const std::string& spot = spotOf(buff);
    if (!spot.empty()) removeGlobalBuffBySpot(spot);
    globalBuffs.push_back(buff);
    noteTriggerHoldersChanged();
    std::stable_sort(globalBuffs.begin(), globalBuffs.end(), compareBuffs);
    return true;
}

void GameField::eraseGlobalBuff(int i) {
    if (i < 0 || i >= getGlobalBuffCount()) return;
    globalBuffs.erase(globalBuffs.begin() + i);
    noteTriggerHoldersChanged();
}

bool GameField::removeGlobalBuff(const std::string& name) {
    for (auto it = globalBuffs.begin(); it != globalBuffs.end(); ++it) {
        if (nameOf(*it) == name) {
            discardedBuffs().push_back(*it);
            globalBuffs.erase(it);
            noteTriggerHoldersChanged();
            return true;
        }
    }
    return false;
}

bool GameField::removeGlobalBuffBySpot(const std::string& spot) {
    for (auto it = globalBuffs.begin(); it != globalBuffs.end(); ++it) {
        if (spotOf(*it) == spot) {
            discardedBuffs().push_back(*it);
            globalBuffs.erase(it);
            noteTriggerHoldersChanged();
            return true;
        }
    }
    return false;
}

bool GameField::removeGlobalBuffsWithTag(const std::string& tag) {
    bool removed = false;
    for (auto it = globalBuffs.begin(); it != globalBuffs.end();) {
        ZelkinBuffData* definition = (*it)->getDefinition();
        if (definition != nullptr && definition->hasTag(tag)) {
            discardedBuffs().push_back(*it);
            it = globalBuffs.erase(it);
            noteTriggerHoldersChanged();
            removed = true;
        } else {
            ++it;
        }
    }
    return removed;
}

void GameField::buildBuffDescriptions() {
    // "Turn : 12", then the field-wide buffs, each line written over the one it replaces, in its storage.
    // The turn line, still starting with the label, has only its number rewritten, as has a buff's line
    // that replaces the same buff's.
    BattleDescWriter lines(buffDescriptions);
    std::string* turnLine = lines.nextLine();
    if (turnLine != nullptr && renumberTurnLine(*turnLine, DefaultStrings::NAME_TURN, turn))
        lines.keepNext(2);
    else
        lines.add(2)
            .append(DefaultStrings::NAME_TURN)
            .append(TURN_SEPARATOR)
            .append(DecimalText(turn).view());
    for (ZelkinBuff* buff : globalBuffs) {
        ZelkinBuffData* definition = buff->getDefinition();
        if (definition == nullptr || definition->getNature() == ZelkinBuffData::NATURE_NONE) continue;
        lines.addBuff(*definition, buff->getDuration(), colourOfNature(definition->getNature()));
    }
    lines.finish();
}

const std::vector<ZelkinBuffBattleDesc>& GameField::getBuffDescriptions() { return buffDescriptions; }

float GameField::getVariable(const std::string& name) {
    if (name == "turn") return static_cast<float>(turn);
    return 0.0f;
}

void GameField::setVariable(const std::string&, float) {}

std::vector<std::string> GameField::getTextVariable(const std::string& name) {
    std::vector<std::string> names;
    if (name == "global_list" || name == "list_globals") {
        for (ZelkinBuff* buff : globalBuffs)
            if (buff->isAlive()) names.push_back(nameOf(buff));
    }
    return names;
}
