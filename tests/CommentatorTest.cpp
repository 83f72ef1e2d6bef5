// The commentator's phrase file and the three-pass choice of a phrase.
#include <gtest/gtest.h>

#include "TestSupport.hpp"
#include "rules/Commentator.hpp"
#include "rules/CommentatorPhrase.hpp"

namespace {

const int superEffective = 1;

// Records the bound of every draw and answers from a script, like ScriptedRandom.
class RecordingRandom {
public:
    explicit RecordingRandom(std::vector<int> answers) : answers(answers) {
        installRandomSource([this](int n) {
            bounds.push_back(n);
            int value = next < this->answers.size() ? this->answers[next] : 0;
            ++next;
            return value;
        });
    }
    ~RecordingRandom() { installRandomSource(nullptr); }
    std::vector<int> bounds;

private:
    std::vector<int> answers;
    size_t next = 0;
};

} // namespace

TEST(Commentator, ReadsPhrasesWithTheirWordsAsNumbers) {
    resetErrorLog();
    Commentator commentator(fixturePath("commentator/phrases.xml"));
    const std::vector<CommentatorPhrase*>& phrases = commentator.getPhrases();
    ASSERT_EQ(9u, phrases.size());
    // The last element has no text: left out, with a line.
    EXPECT_EQ((std::vector<std::string>{"ERROR with File " + fixturePath("commentator/phrases.xml") +
                                        " : commentator element number 12 has no text"}),
              errorLogLines());
    resetErrorLog();

    EXPECT_EQ(COMMENT_FORFEIT, phrases[0]->getCondition());
    EXPECT_EQ(19, phrases[0]->getCondition());
    EXPECT_EQ(COMMENT_DAMAGE, phrases[1]->getCondition());
    EXPECT_EQ(superEffective, phrases[1]->getSpecial());
    EXPECT_EQ(1, phrases[1]->getVal1());
    EXPECT_EQ(2, phrases[1]->getVal2());
    EXPECT_EQ(3, phrases[1]->getHype());
    // An unknown special word is kept as special 0; unknown or missing conditions drop the phrase.
    EXPECT_EQ("ko plain", phrases[7]->getNameText());
    EXPECT_EQ(0, phrases[7]->getSpecial());
    EXPECT_EQ(std::string("l\xE9gende & co"), phrases[8]->getNameText());
    EXPECT_EQ(10, phrases[8]->getSpecial());
    EXPECT_EQ(8, phrases[8]->getHype());

    for (size_t i = 1; i < phrases.size(); ++i)
        EXPECT_EQ(phrases[i - 1]->getId() + 1, phrases[i]->getId());
}

TEST(Commentator, SpecialWordsShareNumbersByCondition) {
    EXPECT_EQ(1, commentatorSpecialFromWord("POST_KO"));
    EXPECT_EQ(1, commentatorSpecialFromWord("TOURNAMENT"));
    EXPECT_EQ(7, commentatorSpecialFromWord("FIRST_TURN"));
    EXPECT_EQ(4, commentatorSpecialFromWord("CHAMPION"));
    EXPECT_EQ(5, commentatorSpecialFromWord("ULTIMATE"));
    EXPECT_EQ(0, commentatorSpecialFromWord("miss"));
    EXPECT_EQ(0, commentatorConditionFromWord("ko"));
    EXPECT_EQ(11, commentatorConditionFromWord("BEGIN_BEGIN"));
}

TEST(Commentator, ExactMatchesComeFirstAndTheDrawPicksInFileOrder) {
    Commentator commentator(fixturePath("commentator/phrases.xml"));
    RecordingRandom draws({1, 0});
    EXPECT_EQ("exact two", commentator.comment(COMMENT_DAMAGE, superEffective, 1, 2, 3));
    EXPECT_EQ("exact one", commentator.comment(COMMENT_DAMAGE, superEffective, 1, 2, 3));
    EXPECT_EQ((std::vector<int>{2, 2}), draws.bounds);
}

TEST(Commentator, FallsBackToHypeZeroThenToTheGenericPhrases) {
    Commentator commentator(fixturePath("commentator/phrases.xml"));
    RecordingRandom draws({0, 1});
    // Only the hype differs from a phrase written for any hype: a single candidate needs no draw.
    EXPECT_EQ("calm [SOURCE]", commentator.comment(COMMENT_DAMAGE, superEffective, 1, 2, 7));
    // Different numbers: only phrases with every number at 0 qualify, so "never generic" (val1 2) is not
    // among the candidates and the draw is over two phrases.
    EXPECT_EQ("generic A", commentator.comment(COMMENT_DAMAGE, superEffective, 5, 5, 5));
    EXPECT_EQ("generic B", commentator.comment(COMMENT_DAMAGE, superEffective, 5, 0, 0));
    EXPECT_EQ((std::vector<int>{2, 2}), draws.bounds);
}

TEST(Commentator, ForfeitIsNineteenAndUnmatchedSituationsAreSilent) {
    Commentator commentator(fixturePath("commentator/phrases.xml"));
    EXPECT_EQ("forfeit any", commentator.comment(19, 0, 0, 0, 0));
    EXPECT_EQ("", commentator.comment(10, 0, 0, 0, 0));
    EXPECT_EQ("", commentator.comment(COMMENT_DAMAGE, 2, 0, 0, 0));
    // The legend phrase carries hype 8, so the generic pass cannot reach it.
    EXPECT_EQ("", commentator.comment(COMMENT_END_WINNER, 10, 0, 0, 0));
    EXPECT_EQ(std::string("l\xE9gende & co"), commentator.comment(COMMENT_END_WINNER, 10, 0, 0, 8));
}

TEST(Commentator, MissingOrBrokenFileGivesNoPhrases) {
    ScratchDir dir;
    Commentator missing;
    EXPECT_TRUE(missing.getPhrases().empty());
    EXPECT_EQ("", missing.comment(COMMENT_KO, 0, 0, 0, 0));

    dir.write("data/commentator.xml", "<commentator condition=\"KO\">cut short");
    Commentator broken;
    EXPECT_TRUE(broken.getPhrases().empty());
    EXPECT_TRUE(errorLogLines().empty());
}
