// Operand texts of effect commands, split once when the command is read.
#include "rules/ScriptOperand.hpp"

#include <algorithm>
#include <cfloat>
#include <string_view>

#include "rules/ScriptVariables.hpp"

namespace {
ScriptOperand::Scope scopeOfWord(std::string_view word) {
    if (word == "source") return ScriptOperand::Scope::Source;
    if (word == "target" || word == "opponent") return ScriptOperand::Scope::Opponent;
    if (word == "self") return ScriptOperand::Scope::Self;
    if (word == "move") return ScriptOperand::Scope::Move;
    if (word == "field") return ScriptOperand::Scope::Field;
    if (word == "newbuff") return ScriptOperand::Scope::NewBuff;
    return ScriptOperand::Scope::Unknown;
}
} // namespace

ScriptOperand::ScriptOperand(std::string_view text) : text(text) {
    // Most commands leave one operand out; an empty text reads as the default literal.
    if (text.empty()) return;
    const std::string_view whole(this->text);
    const size_t colon = whole.find(':');
    const std::string_view head =
        colon == std::string_view::npos ? std::string_view() : whole.substr(0, colon);
    if (head == "var" || head == "v") {
        variable = true;
        const std::string_view rest = whole.substr(colon + 1);
        const size_t second = rest.find(':');
        if (second == std::string_view::npos) {
            name = std::string(rest);
            slot = scriptVariableFromName(rest);
            textSlot = scriptTextVariableFromName(rest);
            return;
        }
        scope = scopeOfWord(rest.substr(0, second));
        const std::string_view tail = rest.substr(second + 1);
        name = std::string(tail.substr(0, tail.find(':')));
        if (scope == Scope::Source || scope == Scope::Opponent) creatureSlot = creatureVariableFromName(name);
        return;
    }
    literalNumber = parseNumber(this->text, literalNumberFailed);
    const size_t commas = static_cast<size_t>(std::count(whole.begin(), whole.end(), ','));
    literalCount = static_cast<unsigned>(commas + 1);
    if (commas == 0) return;
    // Room for every item at once: a list does not grow item by item.
    literalList.reserve(commas + 1);
    size_t start = 0;
    while (true) {
        const size_t comma = whole.find(',', start);
        if (comma == std::string_view::npos) {
            literalList.emplace_back(whole.substr(start));
            break;
        }
        literalList.emplace_back(whole.substr(start, comma - start));
        start = comma + 1;
    }
}

float ScriptOperand::parseNumber(const std::string& input, bool& failed) {
    failed = false;
    if (input.empty()) return 0.0f;
    size_t i = 0;
    bool negative = false;
    if (input[0] == '-') {
        negative = true;
        i = 1;
    }
    // Digits are gathered in double and rounded once, so "3.25" reads exactly 3.25.
    double whole = 0.0;
    double fraction = 0.0;
    double scale = 1.0;
    bool decimal = false;
    for (; i < input.size(); ++i) {
        const char c = input[i];
        if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            if (!decimal) {
                whole = whole * 10.0 + digit;
            } else {
                scale *= 10.0;
                fraction += digit / scale;
            }
        } else if (c == '-' || decimal) {
            failed = true;
            return 0.0f;
        } else {
            // Any other character is the decimal mark, so "2,5" reads as 2.5 like "2.5".
            decimal = true;
        }
    }
    double value = whole + fraction;
    if (value > FLT_MAX) value = FLT_MAX;
    return static_cast<float>(negative ? -value : value);
}
