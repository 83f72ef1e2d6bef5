// The commentator's phrase store and the choice of a phrase for a battle situation.
#pragma once

#include <string>
#include <vector>

class CommentatorPhrase;

// Situation numbers the phrase file's condition words stand for (10 is unused).
enum CommentatorCondition {
    COMMENT_NONE = 0,
    COMMENT_WAIT = 1,
    COMMENT_SUPER_WAIT = 2,
    COMMENT_MOVE = 3,
    COMMENT_DAMAGE = 4,
    COMMENT_KO = 5,
    COMMENT_ZLKN_CHANGE = 6,
    COMMENT_ZLKN_DISCOVER = 7,
    COMMENT_KO_WAIT = 8,
    COMMENT_CANT_MOVE = 9,
    COMMENT_BEGIN_BEGIN = 11,
    COMMENT_BEGIN_TRAINER_1 = 12,
    COMMENT_BEGIN_TRAINER_2 = 13,
    COMMENT_BEGIN_MATCH = 14,
    COMMENT_END_MATCH = 15,
    COMMENT_END_WINNER = 16,
    COMMENT_MVP_DISCOVER = 17,
    COMMENT_MVP_DESCRIPTION = 18,
    COMMENT_FORFEIT = 19
};

// Condition word of the phrase file to its number; unknown words give 0.
int commentatorConditionFromWord(const std::string& word);
// Special word to its number (several words share a number); unknown words give 0.
int commentatorSpecialFromWord(const std::string& word);

class Commentator {
public:
    // Reads "data/commentator.xml"; a missing or malformed file gives no phrases.
    Commentator();
    // Reads the phrases from another file (tests and tools).
    explicit Commentator(const std::string& path);
    virtual ~Commentator();

    // A random phrase matching all five values, else one matching the first four with hype 0, else one
    // matching condition and special with every number 0; the empty text when none matches. The text stays
    // the commentator's.
    virtual const std::string& comment(int condition, int special, int val1, int val2, int hype);
    // The phrase comment draws, null where it gives the empty text.
    virtual CommentatorPhrase* choosePhrase(int condition, int special, int val1, int val2, int hype);

    // The phrases in file order, still owned by the commentator.
    virtual const std::vector<CommentatorPhrase*>& getPhrases();

private:
    // The phrases of one group that share their three numbers, in file order.
    struct Candidates {
        int val1;
        int val2;
        int hype;
        std::vector<CommentatorPhrase*> phrases;
    };
    // The phrases of one condition and special, by their numbers; the entry with every number 0, the last
    // resort of a comment, is found once.
    struct Group {
        std::vector<Candidates> byNumbers;
        const Candidates* allZero = nullptr;
        // What candidatesOf gives for numbers each below NUMBER_LIMIT, found once for a group with phrases.
        std::vector<const Candidates*> chosen;
    };
    static constexpr int NUMBER_LIMIT = 4;
    static int chosenIndex(int val1, int val2, int hype) {
        return (val1 * NUMBER_LIMIT + val2) * NUMBER_LIMIT + hype;
    }

    void load(const std::string& path);
    // Groups the phrases by condition and special, and within a group by their numbers, once, so that a
    // comment finds its candidates without looking at any other phrase.
    void indexPhrases();
    // The group of that condition and special; null when none could match.
    const Group* groupOf(int condition, int special) const;
    // The phrases of the group with exactly these numbers, else with the numbers and hype 0, else with every
    // number 0; null when there are none. One walk over the group.
    static const Candidates* candidatesOf(const Group& group, int val1, int val2, int hype);
    Commentator(const Commentator&) = delete;
    Commentator& operator=(const Commentator&) = delete;

    std::vector<CommentatorPhrase*> phrases;
    // Indexed by condition * SPECIAL_LIMIT + special.
    std::vector<Group> groups;
};
