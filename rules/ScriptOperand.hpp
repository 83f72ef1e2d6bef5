// One operand text of an effect command ("12", "Feu,Eau", "var:val_1", "var:source:max_hp"), split once
// when the command is read so that the engine compares no names while it runs the command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/TextItems.hpp"

class ScriptOperand {
public:
    // Where a variable reference reads and writes: "var:name" is the action's table, "var:scope:name" the
    // scope; a scope the engine does not know reads 0 and writes nothing.
    enum class Scope { Table, Source, Opponent, Self, Move, Field, NewBuff, Unknown };

    ScriptOperand() = default;
    // A variable reference is "var:name" or "var:scope:name" ("v" may stand for "var"); anything else is a
    // literal.
    explicit ScriptOperand(std::string_view text);

    const std::string& getText() const { return text; }
    bool isEmpty() const { return text.empty(); }
    bool isVariable() const { return variable; }
    Scope getScope() const { return scope; }
    // The variable's name within its scope.
    const std::string& getName() const { return name; }
    // For a table variable: its ScriptVariable slot, or NO_SCRIPT_VARIABLE.
    int getSlot() const { return slot; }
    // For a table variable: its ScriptTextVariable slot, or NO_SCRIPT_VARIABLE.
    int getTextSlot() const { return textSlot; }
    // For a variable of the source or opponent scope: its CreatureVariable slot, or NO_SCRIPT_VARIABLE.
    int getCreatureSlot() const { return creatureSlot; }
    // For a literal: its number, and whether the text failed to read as one.
    float getLiteralNumber() const { return literalNumber; }
    bool isLiteralNumberFailed() const { return literalNumberFailed; }
    // For a literal: its comma-separated items, valid while the operand is. A literal without a comma is
    // its one item, read from the text itself.
    TextItems getLiteralList() const {
        return TextItems(literalList.empty() ? &text : literalList.data(), literalCount);
    }

    // Digits with one decimal mark (any other character) and an optional leading "-"; failed is set when
    // the text is no such number (the result is then 0).
    static float parseNumber(const std::string& input, bool& failed);

private:
    std::string text;
    bool variable = false;
    Scope scope = Scope::Table;
    std::string name;
    int slot = -1;
    int textSlot = -1;
    int creatureSlot = -1;
    float literalNumber = 0.0f;
    bool literalNumberFailed = false;
    // How many items the literal has: none for a variable or an empty text, else one more than its commas.
    unsigned literalCount = 0;
    // Filled only for a literal with a comma.
    std::vector<std::string> literalList;
};
