// The commentator's phrase store, read from "data/commentator.xml", and the choice of a phrase.
#include "rules/Commentator.hpp"

#include <algorithm>
#include <cstring>
#include <tinyxml2.h>

#include "rules/CommentatorPhrase.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/NameIndex.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"

namespace {

struct WordNumber {
    const char* word;
    int number;
};

constexpr WordNumber conditionWords[] = {
    {"WAIT", COMMENT_WAIT},
    {"SUPER_WAIT", COMMENT_SUPER_WAIT},
    {"MOVE", COMMENT_MOVE},
    {"DAMAGE", COMMENT_DAMAGE},
    {"KO", COMMENT_KO},
    {"ZLKN_CHANGE", COMMENT_ZLKN_CHANGE},
    {"ZLKN_DISCOVER", COMMENT_ZLKN_DISCOVER},
    {"KO_WAIT", COMMENT_KO_WAIT},
    {"CANT_MOVE", COMMENT_CANT_MOVE},
    {"FORFEIT", COMMENT_FORFEIT},
    {"BEGIN_BEGIN", COMMENT_BEGIN_BEGIN},
    {"BEGIN_TRAINER_1", COMMENT_BEGIN_TRAINER_1},
    {"BEGIN_TRAINER_2", COMMENT_BEGIN_TRAINER_2},
    {"BEGIN_MATCH", COMMENT_BEGIN_MATCH},
    {"END_MATCH", COMMENT_END_MATCH},
    {"END_WINNER", COMMENT_END_WINNER},
    {"MVP_DISCOVER", COMMENT_MVP_DISCOVER},
    {"MVP_DESCRIPTION", COMMENT_MVP_DESCRIPTION},
};

// A special's meaning depends on the condition it comes with, hence the shared numbers.
constexpr WordNumber specialWords[] = {
    {"POST_KO", 1},    {"SUPER_EFFECTIVE", 1}, {"NOT_EFFECTIVE", 2}, {"IMMUNITY", 3},   {"MISS", 4},
    {"STATUT", 5},     {"SELF_DAMAGE", 6},     {"FIRST_BLOOD", 7},   {"FIRST_TURN", 7}, {"TOURNAMENT", 1},
    {"SEMI_FINAL", 2}, {"FINAL", 3},           {"ULTIMATE", 5},      {"CHAMPION", 4},   {"KILLING_SPREE", 8},
    {"DRAW", 9},       {"LEGENDE", 10},
};

// One past the largest number of each table: the size of the phrase index.
template <size_t N> constexpr int limitOf(const WordNumber (&table)[N]) {
    int largest = 0;
    for (const WordNumber& entry : table)
        largest = entry.number > largest ? entry.number : largest;
    return largest + 1;
}
constexpr int CONDITION_LIMIT = limitOf(conditionWords);
constexpr int SPECIAL_LIMIT = limitOf(specialWords);

const std::string& noText() {
    static const std::string empty;
    return empty;
}

// Each phrase names its condition and special by word; the words are hashed once per table.
template <size_t N> NameIndex<const WordNumber> indexOf(const WordNumber (&table)[N]) {
    NameIndex<const WordNumber> index;
    for (const WordNumber& entry : table)
        index.add(entry.word, &entry);
    return index;
}

const NameIndex<const WordNumber>& conditionIndex() {
    static const NameIndex<const WordNumber> index = indexOf(conditionWords);
    return index;
}

const NameIndex<const WordNumber>& specialIndex() {
    static const NameIndex<const WordNumber> index = indexOf(specialWords);
    return index;
}

// An absent word (null) is no word of the table; a word written twice keeps its first number.
int lookUp(const NameIndex<const WordNumber>& index, const char* word) {
    if (word == nullptr) return 0;
    const WordNumber* found = index.find(word);
    return found ? found->number : 0;
}

// The attributes a phrase may carry, found in one walk over them; the reader refuses a repeated name.
struct PhraseAttributes {
    const char* condition = nullptr;
    const char* special = nullptr;
    const char* val1 = nullptr;
    const char* val2 = nullptr;
    const char* hype = nullptr;
};

PhraseAttributes attributesOf(const tinyxml2::XMLElement* element) {
    PhraseAttributes found;
    for (const tinyxml2::XMLAttribute* attribute = element->FirstAttribute(); attribute;
         attribute = attribute->Next()) {
        const char* name = attribute->Name();
        const char** slot = nullptr;
        if (std::strcmp(name, "condition") == 0)
            slot = &found.condition;
        else if (std::strcmp(name, "special") == 0)
            slot = &found.special;
        else if (std::strcmp(name, "val1") == 0)
            slot = &found.val1;
        else if (std::strcmp(name, "val2") == 0)
            slot = &found.val2;
        else if (std::strcmp(name, "hype") == 0)
            slot = &found.hype;
        if (slot) *slot = attribute->Value();
    }
    return found;
}

} // namespace

int commentatorConditionFromWord(const std::string& word) { return lookUp(conditionIndex(), word.c_str()); }

int commentatorSpecialFromWord(const std::string& word) { return lookUp(specialIndex(), word.c_str()); }

Commentator::Commentator() { load("data/commentator.xml"); }

Commentator::Commentator(const std::string& path) { load(path); }

Commentator::~Commentator() {
    for (CommentatorPhrase* phrase : phrases)
        delete phrase;
}

void Commentator::load(const std::string& path) {
    tinyxml2::XMLDocument document;
    // Without phrases the battle simply runs without a commentator line.
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) return;
    // Room for a phrase per element at once, instead of growing phrase by phrase.
    std::size_t elements = 0;
    for (const tinyxml2::XMLElement* element = document.FirstChildElement(); element;
         element = element->NextSiblingElement())
        ++elements;
    phrases.reserve(phrases.size() + elements);
    int number = 0;
    for (const tinyxml2::XMLElement* element = document.FirstChildElement("commentator"); element;
         element = element->NextSiblingElement("commentator")) {
        ++number;
        const PhraseAttributes attributes = attributesOf(element);
        int condition = lookUp(conditionIndex(), attributes.condition);
        if (condition < 1) continue;
        // An empty phrase would be drawn like any other and leave the commentator line blank.
        const char* text = element->GetText();
        if (text == nullptr || *text == '\0') {
            logError("ERROR with File " + path + " : commentator element number " + std::to_string(number) +
                     " has no text");
            continue;
        }
        int special = lookUp(specialIndex(), attributes.special);
        int val1 = clampedAtoi(attributes.val1);
        int val2 = clampedAtoi(attributes.val2);
        int hype = clampedAtoi(attributes.hype);
        phrases.push_back(new CommentatorPhrase(text, condition, special, val1, val2, hype));
    }
    indexPhrases();
}

void Commentator::indexPhrases() {
    groups.assign(static_cast<size_t>(CONDITION_LIMIT * SPECIAL_LIMIT), {});
    for (CommentatorPhrase* phrase : phrases) {
        // Numbers come from the word tables, so every phrase has its place.
        int condition = phrase->getCondition();
        int special = phrase->getSpecial();
        if (condition < 0 || condition >= CONDITION_LIMIT || special < 0 || special >= SPECIAL_LIMIT)
            continue;
        Group& group = groups[static_cast<size_t>(condition * SPECIAL_LIMIT + special)];
        const int val1 = phrase->getVal1();
        const int val2 = phrase->getVal2();
        const int hype = phrase->getHype();
        auto same = [&](const Candidates& c) { return c.val1 == val1 && c.val2 == val2 && c.hype == hype; };
        auto at = std::find_if(group.byNumbers.begin(), group.byNumbers.end(), same);
        if (at == group.byNumbers.end()) at = group.byNumbers.insert(at, {val1, val2, hype, {}});
        at->phrases.push_back(phrase);
    }
    for (Group& group : groups) {
        for (const Candidates& candidates : group.byNumbers)
            if (candidates.val1 == 0 && candidates.val2 == 0 && candidates.hype == 0)
                group.allZero = &candidates;
        if (group.byNumbers.empty()) continue;
        // As candidatesOf chooses: every number 0, unless the numbers have a hype-0 entry, unless they have
        // an entry for that hype.
        group.chosen.assign(static_cast<size_t>(NUMBER_LIMIT * NUMBER_LIMIT * NUMBER_LIMIT), group.allZero);
        auto small = [](const Candidates& c) {
            return static_cast<unsigned>(c.val1) < NUMBER_LIMIT &&
                   static_cast<unsigned>(c.val2) < NUMBER_LIMIT &&
                   static_cast<unsigned>(c.hype) < NUMBER_LIMIT;
        };
        for (const Candidates& candidates : group.byNumbers)
            if (candidates.hype == 0 && small(candidates))
                for (int hype = 0; hype < NUMBER_LIMIT; ++hype)
                    group.chosen[static_cast<size_t>(chosenIndex(candidates.val1, candidates.val2, hype))] =
                        &candidates;
        for (const Candidates& candidates : group.byNumbers)
            if (small(candidates))
                group.chosen[static_cast<size_t>(
                    chosenIndex(candidates.val1, candidates.val2, candidates.hype))] = &candidates;
    }
}

const Commentator::Candidates* Commentator::candidatesOf(const Group& group, int val1, int val2, int hype) {
    // Each set of numbers has one entry at most, so the first exact one ends the walk.
    const Candidates* hypeZero = nullptr;
    for (const Candidates& candidates : group.byNumbers) {
        if (candidates.val1 == val1 && candidates.val2 == val2) {
            if (candidates.hype == hype) return &candidates;
            if (candidates.hype == 0) hypeZero = &candidates;
        }
    }
    return hypeZero != nullptr ? hypeZero : group.allZero;
}

const Commentator::Group* Commentator::groupOf(int condition, int special) const {
    if (groups.empty() || condition < 0 || condition >= CONDITION_LIMIT || special < 0 ||
        special >= SPECIAL_LIMIT)
        return nullptr;
    return &groups[static_cast<size_t>(condition * SPECIAL_LIMIT + special)];
}

const std::string& Commentator::comment(int condition, int special, int val1, int val2, int hype) {
    CommentatorPhrase* phrase = choosePhrase(condition, special, val1, val2, hype);
    return phrase != nullptr ? phrase->getNameText() : noText();
}

CommentatorPhrase* Commentator::choosePhrase(int condition, int special, int val1, int val2, int hype) {
    const Group* group = groupOf(condition, special);
    if (group == nullptr) return nullptr;
    // From the most precise match to the loosest: all five values, then the numbers with hype 0, then every
    // number 0. The first with any phrase decides, and the draw picks among its phrases in file order.
    // The usual small numbers were looked up once at load.
    const Candidates* found = nullptr;
    if (static_cast<unsigned>(val1) >= NUMBER_LIMIT || static_cast<unsigned>(val2) >= NUMBER_LIMIT ||
        static_cast<unsigned>(hype) >= NUMBER_LIMIT)
        found = candidatesOf(*group, val1, val2, hype);
    else if (!group->chosen.empty())
        found = group->chosen[static_cast<size_t>(chosenIndex(val1, val2, hype))];
    if (found == nullptr) return nullptr;
    PseudoRNG rng;
    return found->phrases[static_cast<size_t>(rng.random(static_cast<int>(found->phrases.size())))];
}

const std::vector<CommentatorPhrase*>& Commentator::getPhrases() { return phrases; }
