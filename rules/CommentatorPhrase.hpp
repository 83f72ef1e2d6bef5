// One phrase of the commentator with the situation it answers.
#pragma once

#include <string>
#include <string_view>

#include "rules/PhraseSlots.hpp"

class CommentatorPhrase {
public:
    // Takes the next serial id of the run (the first phrase is 1).
    CommentatorPhrase(std::string_view text, int condition, int special, int val1, int val2, int hype);
    virtual ~CommentatorPhrase();

    virtual const std::string& getNameText();
    virtual int getId();
    virtual int getCondition();
    virtual int getSpecial();
    virtual int getVal1();
    virtual int getVal2();
    virtual int getHype();
    // Where the placeholders of the text stand, for filling it.
    const PhraseSlots& getSlots() const { return slots; }

private:
    int id;
    std::string text;
    int condition;
    int special;
    int val1;
    int val2;
    int hype;
    PhraseSlots slots;
};
