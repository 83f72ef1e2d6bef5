// The named variables of the action being resolved: damage figures, actors, the move, handlers and texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "battle/TriggerHandler.hpp"
#include "rules/Platform.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/TextItems.hpp"

class Zelkin;
class ZelkinTeam;
class ZelkinMove;
class ZelkinBuff;
class ZelkinType;

class VariableTable final {
public:
    // Defaults of a new action; the running and calling handlers each take a sequence number.
    VariableTable();
    // Frees only the texts; nothing that the pointers point to is owned.
    virtual ~VariableTable();
    VariableTable(const VariableTable&) = default;
    VariableTable& operator=(const VariableTable&) = default;
    // Every move resolved makes a table: freed ones are kept for the next (see RecycledBlocks).
    static void* operator new(std::size_t size);
    static void operator delete(void* block) noexcept;

    virtual int getDamage() const { return figures.damage; }
    virtual void setDamage(int value) { figures.damage = value; }
    virtual float getEffectiveness() const { return figures.effectiveness; }
    virtual void setEffectiveness(int value) { figures.effectiveness = static_cast<float>(value); }
    // Writes the variable of that name (rules/ScriptVariables.hpp); integer fields truncate; unknown names
    // change nothing.
    virtual void setVariable(std::string_view name, float value);
    // The variable of that name, the dice "d100" .. "d2" (a fresh draw each read), else 0.
    virtual float getVariable(std::string_view name);
    // The same by slot (ScriptVariable), as effect operands resolved when read use them. Inline (below the
    // class): the engine and the scripts read and write slots at every step.
    inline float getSlot(int slot);
    inline void setSlot(int slot, float value);
    virtual std::vector<std::string> getTextVariable(const std::string& name) const;
    // The same by text slot (ScriptTextVariable), read in place: valid until the table's texts change.
    TextItems getTextSlot(int slot) const;

    // Direct access for the engine (not reachable from scripts by these names).
    float getRawPercent() const { return figures.rawPercent; }
    void addRawPercent(float amount) { figures.rawPercent += amount; }
    float getSameTypeBonus() const { return figures.sameTypeBonus; }
    // The sides and the hit counts as whole numbers. They are written through setSlot only, which truncates
    // floats: whole numbers a float holds exactly, so getSlot's float converted back gives the same.
    int getSourceSide() const { return figures.campSource; }
    int getTargetSide() const { return figures.campTarget; }
    int getHitNumber() const { return figures.hitNum; }
    int getHitCount() const { return figures.numberHits; }
    ZelkinType* getMoveType() const { return figures.moveType; }
    void setMoveType(ZelkinType* type) { figures.moveType = type; }
    ZelkinType* getMoveSubtype() const { return figures.moveSubtype; }
    void setMoveSubtype(ZelkinType* type) { figures.moveSubtype = type; }
    // The category is read only for scripts; the engine sets it when a move is chosen.
    void setMoveCategory(int category) { figures.moveCategory = category; }
    int getMoveCategory() const { return figures.moveCategory; }
    Zelkin* getSourceCreature() const { return figures.sourceCreature; }
    Zelkin* getTargetCreature() const { return figures.targetCreature; }
    ZelkinTeam* getSourceTeam() const { return figures.sourceTeam; }
    ZelkinTeam* getTargetTeam() const { return figures.targetTeam; }
    void setSourceCreature(Zelkin* creature) { figures.sourceCreature = creature; }
    void setTargetCreature(Zelkin* creature) { figures.targetCreature = creature; }
    void setSourceTeam(ZelkinTeam* team) { figures.sourceTeam = team; }
    void setTargetTeam(ZelkinTeam* team) { figures.targetTeam = team; }
    ZelkinMove* getMove() const { return figures.move; }
    void setMove(ZelkinMove* value) { figures.move = value; }
    ZelkinBuff* getNewBuff() const { return figures.newBuff; }
    void setNewBuff(ZelkinBuff* buff) { figures.newBuff = buff; }
    const TriggerHandler& getRunningHandler() const { return runningHandler; }
    TriggerHandler& getRunningHandler() { return runningHandler; }
    void setRunningHandler(const TriggerHandler& handler) { runningHandler = handler; }
    const TriggerHandler& getCallingHandler() const { return callingHandler; }
    void setCallingHandler(const TriggerHandler& handler) { callingHandler = handler; }
    const std::string& getReason() const { return reason; }
    void setReason(const std::string& text) { reason = text; }
    const std::string& getAffectedStat() const { return affectedStat; }
    void setAffectedStat(const std::string& text) { affectedStat = text; }
    const std::vector<std::string>& getOffensiveTypes() const { return offensiveTypes.read(); }
    void setOffensiveTypes(const std::vector<std::string>& names) { offensiveTypes.assign(names); }
    const std::vector<std::string>& getDefensiveTypes() const { return defensiveTypes.read(); }
    void setDefensiveTypes(const std::vector<std::string>& names) { defensiveTypes.assign(names); }
    // The lists as the names of a move's type and subtype (when it has one), or of a team's types up to the
    // first missing one (none for no team). The names are written out when a list is first read, as scripts
    // seldom read them.
    void setOffensiveTypesOf(const ZelkinType* type, const ZelkinType* subtype);
    void setOffensiveTypesOf(const ZelkinTeam* team) { offensiveTypes.setTypesOf(team); }
    void setDefensiveTypesOf(const ZelkinTeam* team) { defensiveTypes.setTypesOf(team); }
    // The same lists written in place, keeping their storage from one check to the next.
    std::vector<std::string>& editOffensiveTypes() { return offensiveTypes.edit(); }
    std::vector<std::string>& editDefensiveTypes() { return defensiveTypes.edit(); }
    // Takes the storage of an outgoing table's type lists for lists of its own that have none yet; the lists
    // stay empty, so the next action fills them without allocating.
    void takeListStorage(VariableTable& outgoing);
    // Sets the table back to what a new one holds, handlers with fresh sequence numbers included, keeping
    // the storage of its texts and lists: the engine's table is renewed so for every move.
    void restoreDefaults();

private:
    // The figures and pointers of an action, with the values a new action starts from; kept together so that
    // restoreDefaults sets them back in one go.
    struct Figures {
        int damage = 0;
        int totalDamage = 0;
        float percentDamage = 0.0f;
        float totalPercentDamage = 0.0f;
        float rawPercent = 0.0f;
        float effectiveness = 1.0f;
        float immunity = 0.0f;
        int statAtt = 50;
        int statDef = 50;
        int precision = 100;
        ZelkinType* moveType = nullptr;
        ZelkinType* moveSubtype = nullptr;
        int powerMove = 0;
        int canMove = 1;
        int moveCategory = 0;
        int moveHit = 1;
        int contactMade = 0;
        int moveSuccess = 1;
        int hitNum = 0;
        int numberHits = 1;
        float criticalRatio = 0.0f;
        float sameTypeBonus = 1.5f;
        float multDmg = 1.0f;
        float criticalBonus = 1.5f;
        int criticalHit = 0;
        int moveSpot = 0;
        float val1 = 0.0f;
        float val2 = 0.0f;
        float val3 = 0.0f;
        float val4 = 0.0f;
        int campSource = 0;
        int campTarget = 0;
        float returnValue = 1.0f;
        float result = 1.0f;
        Zelkin* sourceCreature = nullptr;
        Zelkin* targetCreature = nullptr;
        ZelkinTeam* sourceTeam = nullptr;
        ZelkinTeam* targetTeam = nullptr;
        ZelkinMove* move = nullptr;
        ZelkinBuff* newBuff = nullptr;
    };

    // Where the variable of each slot lives: an int field (truncated on writing, saturating), a float field,
    // or a die with a number of faces. "move_cat" is read-only.
    struct SlotField {
        int Figures::*intField;
        float Figures::*floatField;
        bool writable;
        int faces;
    };
    static const SlotField SLOT_FIELDS[SCRIPT_VARIABLE_COUNT];
    // The figures of a new action, copied over the old ones in one go.
    static const Figures NEW_FIGURES;
    // A fresh draw of a die with that many faces, 1 to faces.
    static float rollDie(int faces);
    // A list of type names, kept as the types themselves until it is read: a type's name never changes, and
    // the types live as long as the data they were read from.
    class TypeNames {
    public:
        const std::vector<std::string>& read() const {
            if (pending) writeNames();
            return names;
        }
        std::vector<std::string>& edit() {
            read();
            return names;
        }
        void assign(const std::vector<std::string>& list) {
            names = list;
            pending = false;
        }
        void clear() {
            names.clear();
            pending = false;
        }
        // An empty list, then the names of the types added.
        void startTypes() {
            types.clear();
            pending = true;
        }
        // A missing type adds nothing.
        void addType(const ZelkinType* type) {
            if (type != nullptr) types.push_back(type);
        }
        void setTypesOf(const ZelkinTeam* team);
        // Takes the storage of an outgoing list for the parts that have none yet, staying as it is.
        void takeStorage(TypeNames& outgoing);

    private:
        void writeNames() const;

        mutable std::vector<std::string> names;
        mutable bool pending = false;
        std::vector<const ZelkinType*> types;
    };

    Figures figures;
    TriggerHandler runningHandler;
    TriggerHandler callingHandler;
    std::string reason;
    std::string affectedStat;
    TypeNames offensiveTypes;
    TypeNames defensiveTypes;
};

// One entry per slot of ScriptVariables.hpp, in its order. A constant here, so that a slot the engine names
// (SVAR_RESULT) reads and writes its field directly.
inline constexpr VariableTable::SlotField VariableTable::SLOT_FIELDS[SCRIPT_VARIABLE_COUNT] = {
    {&Figures::damage, nullptr, true, 0},
    {&Figures::totalDamage, nullptr, true, 0},
    {&Figures::canMove, nullptr, true, 0},
    {&Figures::moveSpot, nullptr, true, 0},
    {&Figures::moveSuccess, nullptr, true, 0},
    {&Figures::moveHit, nullptr, true, 0},
    {&Figures::numberHits, nullptr, true, 0},
    {&Figures::hitNum, nullptr, true, 0},
    {&Figures::contactMade, nullptr, true, 0},
    {&Figures::moveCategory, nullptr, false, 0},
    {&Figures::campSource, nullptr, true, 0},
    {&Figures::campTarget, nullptr, true, 0},
    {&Figures::precision, nullptr, true, 0},
    {&Figures::criticalHit, nullptr, true, 0},
    {&Figures::statAtt, nullptr, true, 0},
    {&Figures::statDef, nullptr, true, 0},
    {&Figures::powerMove, nullptr, true, 0},
    {nullptr, &Figures::percentDamage, true, 0},
    {nullptr, &Figures::totalPercentDamage, true, 0},
    {nullptr, &Figures::criticalRatio, true, 0},
    {nullptr, &Figures::criticalBonus, true, 0},
    {nullptr, &Figures::effectiveness, true, 0},
    {nullptr, &Figures::immunity, true, 0},
    {nullptr, &Figures::multDmg, true, 0},
    {nullptr, &Figures::returnValue, true, 0},
    {nullptr, &Figures::result, true, 0},
    {nullptr, &Figures::val1, true, 0},
    {nullptr, &Figures::val2, true, 0},
    {nullptr, &Figures::val3, true, 0},
    {nullptr, &Figures::val4, true, 0},
    {nullptr, nullptr, false, 100},
    {nullptr, nullptr, false, 20},
    {nullptr, nullptr, false, 12},
    {nullptr, nullptr, false, 8},
    {nullptr, nullptr, false, 6},
    {nullptr, nullptr, false, 2},
};

inline constexpr VariableTable::Figures VariableTable::NEW_FIGURES{};

inline float VariableTable::getSlot(int slot) {
    if (slot < 0 || slot >= SCRIPT_VARIABLE_COUNT) return 0.0f;
    const SlotField& entry = SLOT_FIELDS[slot];
    if (entry.intField) return static_cast<float>(figures.*entry.intField);
    if (entry.floatField) return figures.*entry.floatField;
    // Dice give a fresh draw every time they are read.
    return rollDie(entry.faces);
}

inline void VariableTable::setSlot(int slot, float value) {
    if (slot < 0 || slot >= SCRIPT_VARIABLE_COUNT) return;
    const SlotField& entry = SLOT_FIELDS[slot];
    if (!entry.writable) return;
    // Scripts compute in floats: a value beyond the int range (or not a number) saturates instead of being
    // converted with undefined behaviour.
    if (entry.intField)
        figures.*entry.intField = saturatingInt(value);
    else if (entry.floatField)
        figures.*entry.floatField = value;
}
