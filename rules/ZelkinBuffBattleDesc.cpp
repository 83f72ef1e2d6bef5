// One line of a buff list on screen: a text and a colour code chosen by whoever builds the list.
#include "rules/ZelkinBuffBattleDesc.hpp"


#include "rules/ZelkinBuffData.hpp"

std::string& BattleDescWriter::add(int color) {
    if (used == lines.size()) lines.emplace_back(std::string(), color);
    ZelkinBuffBattleDesc& line = lines[used++];
    line.text.clear();
    line.color = color;
    return line.text;
}

void BattleDescWriter::addBuff(const ZelkinBuffData& definition, int number, int color) {
    std::string& text = add(color);
    if (!definition.getSpot().empty()) text.append(definition.getSpot()).append(" : ");
    text += definition.getName();
    if (number > 0) {
        text += " (";
        appendDecimal(text, number);
        text += ')';
    }
}

void BattleDescWriter::finish() {
    if (used < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(used), lines.end());
}

void appendDecimal(std::string& out, int value) { out.append(DecimalText(value).view()); }
