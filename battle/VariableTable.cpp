// The action's variables: names as scripts see them, their defaults, and what reading and writing does.
#include "battle/VariableTable.hpp"

#include "rules/RecycledBlocks.hpp"

#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"

VariableTable::VariableTable()
    : runningHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr),
      callingHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr) {}

void VariableTable::restoreDefaults() {
    figures = NEW_FIGURES;
    // In the order the constructor numbers them.
    runningHandler = TriggerHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr);
    callingHandler = TriggerHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr);
    reason.clear();
    affectedStat.clear();
    offensiveTypes.clear();
    defensiveTypes.clear();
}

void VariableTable::setOffensiveTypesOf(const ZelkinType* type, const ZelkinType* subtype) {
    offensiveTypes.startTypes();
    offensiveTypes.addType(type);
    if (subtype != nullptr) offensiveTypes.addType(subtype);
}

void VariableTable::TypeNames::setTypesOf(const ZelkinTeam* team) {
    startTypes();
    for (int i = 0; team != nullptr && team->getTypeAt(i) != nullptr; ++i)
        addType(team->getTypeAt(i));
}

void VariableTable::TypeNames::writeNames() const {
    pending = false;
    names.clear();
    for (const ZelkinType* type : types)
        names.push_back(type->getName());
}

void VariableTable::TypeNames::takeStorage(TypeNames& outgoing) {
    if (names.capacity() == 0) {
        names.swap(outgoing.names);
        names.clear();
    }
    if (types.capacity() == 0) {
        types.swap(outgoing.types);
        types.clear();
    }
}

VariableTable::~VariableTable() = default;

void* VariableTable::operator new(std::size_t size) {
    return RecycledBlocks<sizeof(VariableTable)>::take(size);
}

void VariableTable::operator delete(void* block) noexcept {
    RecycledBlocks<sizeof(VariableTable)>::give(block);
}

float VariableTable::rollDie(int faces) {
    PseudoRNG rng;
    return static_cast<float>(rng.random(faces) + 1);
}

float VariableTable::getVariable(std::string_view name) { return getSlot(scriptVariableFromName(name)); }

void VariableTable::setVariable(std::string_view name, float value) {
    setSlot(scriptVariableFromName(name), value);
}

void VariableTable::takeListStorage(VariableTable& outgoing) {
    offensiveTypes.takeStorage(outgoing.offensiveTypes);
    defensiveTypes.takeStorage(outgoing.defensiveTypes);
}

std::vector<std::string> VariableTable::getTextVariable(const std::string& name) const {
    return getTextSlot(scriptTextVariableFromName(name)).toList();
}

TextItems VariableTable::getTextSlot(int slot) const {
    switch (slot) {
    case STXT_TYPE_MOVE:
        return figures.moveType ? TextItems(figures.moveType->getName()) : TextItems();
    case STXT_SUBTYPE_MOVE:
        return figures.moveSubtype ? TextItems(figures.moveSubtype->getName()) : TextItems();
    case STXT_TYPES_OFFENSIVE:
        return TextItems(offensiveTypes.read());
    case STXT_TYPES_DEFENSIVE:
        return TextItems(defensiveTypes.read());
    case STXT_REASON:
        return TextItems(reason);
    case STXT_STAT_AFF:
        return TextItems(affectedStat);
    default:
        return TextItems();
    }
}
