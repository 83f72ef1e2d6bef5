// One operand of an effect command: a literal or a named variable, read as a number or a list, or written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rules/QXML_Command.hpp"
#include "rules/ScriptOperand.hpp"
#include "rules/TextItems.hpp"

class GameBattleEngine;
class GameField;
class VariableTable;

// Texts read where they lie: a run of texts side by side, or one pointer per text (a creature's names, which
// lie in the objects they name).
struct TextView {
    const std::string* texts = nullptr;
    const std::string* const* refs = nullptr;
    std::size_t count = 0;

    TextView() = default;
    explicit TextView(TextItems items) : texts(items.begin()), count(items.size()) {}
    explicit TextView(const std::vector<const std::string*>& list) : refs(list.data()), count(list.size()) {}
    const std::string& operator[](std::size_t i) const { return refs ? *refs[i] : texts[i]; }
};

class QX_Variable final {
public:
    // Evaluates nothing yet.
    QX_Variable(const std::string& reference, GameBattleEngine* engine, VariableTable* variables,
                int sourceSide);
    // The same on an operand split when its command was read; the operand must outlive this object.
    QX_Variable(const ScriptOperand& operand, GameBattleEngine* engine, VariableTable* variables,
                int sourceSide)
        : sourceSide(sourceSide), engine(engine), variables(variables), operand(&operand) {}
    virtual ~QX_Variable() = default;
    QX_Variable(const QX_Variable&) = default;
    QX_Variable& operator=(const QX_Variable&) = default;

    virtual void evaluateNumber();
    virtual void evaluateList();
    // "equal", "dif", "has", "hasnt"/"not" of the given list against this operand's list.
    virtual bool compareList(const std::vector<std::string>& other, const std::string& comparator) const;
    // The same on items read in place, with the comparator read when its command was.
    bool compareItems(TextItems other, QualifierWord comparator) const;
    // A numeric read that skips the "field" and "move" scopes.
    virtual void evaluateNumberOf();
    virtual void assignNumber(float value);
    virtual int getKind() const { return kind; }
    virtual bool hasFailed() const { return failed != 0; }
    virtual float getNumber() const { return number; }
    // Digits with one decimal mark (any other character) and an optional leading "-"; sets the flag on error.
    virtual float parseNumber(const std::string& text);
    virtual std::string getText() const;
    // A copy of the list of the last evaluateList.
    virtual std::vector<std::string> getList() const;
    // The same list read in place: valid until this operand is evaluated again, or the variable it was read
    // from changes.
    TextItems getItems() const { return borrowing ? borrowed : TextItems(list); }
    virtual int returnZero() const;
    virtual int opponentSide(int side) const;

    // Reads and writes of an operand on the engine's current state with no operand object built: the
    // number and failure that evaluateNumber leaves on a fresh operand, and what assignNumber writes.
    static float readNumber(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                            bool& failed);
    static void writeNumber(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                            float value);
    // The items evaluateList gives, read in place: a creature's list through refs, a list that exists only
    // as a copy (the "self", "field", "move" and "newbuff" scopes) copied into storage first. Valid until
    // the lists read, refs or storage change.
    static TextView readItems(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                              std::vector<std::string>& storage, std::vector<const std::string*>& refs);
    // "equal", "dif", "has", "hasnt"/"not" of the other items against mine.
    static bool compareViews(const TextView& mine, const TextView& other, QualifierWord comparator);
    // The same for items side by side, as a text of the action and a literal are.
    static bool compareTexts(TextItems mine, TextItems other, QualifierWord comparator);

private:
    // The variable table to use now.
    VariableTable* table() const;
    GameField* field() const;
    // A variable reference read as a number; without everyScope the "move" and "field" scopes, and unknown
    // ones, leave the number as it is.
    void readVariableNumber(bool everyScope);
    static void readVariableNumber(const ScriptOperand& operand, GameBattleEngine* engine,
                                   VariableTable* variables, int sourceSide, bool everyScope, float& number);
    static void assignNumber(const ScriptOperand& operand, GameBattleEngine* engine, VariableTable* variables,
                             int sourceSide, float value);
    // The engine's table, or the given one without an engine.
    static VariableTable* tableOf(GameBattleEngine* engine, VariableTable* variables);

    int sourceSide = 0;
    GameBattleEngine* engine = nullptr;
    VariableTable* variables = nullptr;
    // The operand read: the command's own, or one split from the text given (kept alive by owned).
    const ScriptOperand* operand = nullptr;
    std::shared_ptr<const ScriptOperand> owned;
    int failed = 0;
    int kind = 0;
    float number = 0.0f;
    // Set when a literal failed to read as a number: getText gives the operand's text.
    bool literalText = false;
    // The list built by the last evaluateList, unless it read its items in place (borrowing).
    std::vector<std::string> list;
    bool borrowing = false;
    // The items read in place: a literal's own, or a text variable of the table.
    TextItems borrowed;
};
