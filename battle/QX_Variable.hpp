// One operand of an effect command: a literal or a named variable, read as a number or a list, or written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rules/ScriptOperand.hpp"

class GameBattleEngine;
class GameField;
class VariableTable;

class QX_Variable {
public:
    // Evaluates nothing yet; the engine's field is taken now.
    QX_Variable(const std::string& reference, GameBattleEngine* engine, VariableTable* variables,
                int sourceSide);
    // The same on an operand split when its command was read; the operand must outlive this object.
    QX_Variable(const ScriptOperand& operand, GameBattleEngine* engine, VariableTable* variables,
                int sourceSide);
    virtual ~QX_Variable();
    QX_Variable(const QX_Variable&) = default;
    QX_Variable& operator=(const QX_Variable&) = default;

    virtual void evaluateNumber();
    virtual void evaluateList();
    // "equal", "dif", "has", "hasnt"/"not" of the given list against this operand's list.
    virtual bool compareList(const std::vector<std::string>& other, const std::string& comparator) const;
    // A numeric read that skips the "field" and "move" scopes.
    virtual void evaluateNumberOf();
    virtual void assignNumber(float value);
    virtual int getKind() const;
    virtual bool hasFailed() const;
    virtual float getNumber() const;
    // Digits with one decimal mark (any other character) and an optional leading "-"; sets the flag on error.
    virtual float parseNumber(const std::string& text);
    virtual std::string getText() const;
    // The list of the last evaluateList.
    virtual const std::vector<std::string>& getList() const;
    virtual int returnZero() const;
    virtual int opponentSide(int side) const;

private:
    // The variable table to use now.
    VariableTable* table() const;
    // A variable reference read as a number; without everyScope the "move" and "field" scopes, and unknown
    // ones, leave the number as it is.
    void readVariableNumber(bool everyScope);

    int sourceSide = 0;
    GameBattleEngine* engine = nullptr;
    GameField* field = nullptr;
    VariableTable* variables = nullptr;
    // The operand read: the command's own, or one split from the text given (kept alive by owned).
    const ScriptOperand* operand = nullptr;
    std::shared_ptr<const ScriptOperand> owned;
    int failed = 0;
    int kind = 0;
    float number = 0.0f;
    std::string text;
    std::vector<std::string> list;
    // After evaluateList on a literal: the operand's own items, read in place of list.
    const std::vector<std::string>* literalList = nullptr;
};
