// One phrase of the commentator.
#include "rules/CommentatorPhrase.hpp"

#include <atomic>

namespace {
std::atomic<int> nextPhraseId{1};
}

CommentatorPhrase::CommentatorPhrase(std::string_view text, int condition, int special, int val1, int val2,
                                     int hype)
    : id(nextPhraseId++), text(text), condition(condition), special(special), val1(val1), val2(val2),
      hype(hype), slots(text) {}

CommentatorPhrase::~CommentatorPhrase() = default;

const std::string& CommentatorPhrase::getNameText() { return text; }
int CommentatorPhrase::getId() { return id; }
int CommentatorPhrase::getCondition() { return condition; }
int CommentatorPhrase::getSpecial() { return special; }
int CommentatorPhrase::getVal1() { return val1; }
int CommentatorPhrase::getVal2() { return val2; }
int CommentatorPhrase::getHype() { return hype; }
