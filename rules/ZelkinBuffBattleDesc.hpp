// One line of a buff list on screen: a text and a colour code chosen by whoever builds the list.
#pragma once

#include <string>
#include <utility>

class ZelkinBuffBattleDesc {
public:
    ZelkinBuffBattleDesc(std::string text, int color) : text(std::move(text)), color(color) {}
    ZelkinBuffBattleDesc(const ZelkinBuffBattleDesc&) = default;
    ZelkinBuffBattleDesc& operator=(const ZelkinBuffBattleDesc&) = default;
    virtual ~ZelkinBuffBattleDesc() = default;

    // A reference into this record: valid as long as the record, never into a temporary copy.
    virtual const std::string& getText() const { return text; }
    virtual int getColor() const { return color; }

private:
    std::string text;
    int color = 0;
};
