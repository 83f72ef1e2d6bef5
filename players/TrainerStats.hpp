// A participant's career record: name, credo, sprite, streak, experience and the last 20 results.
#pragma once

#include <string>

#include "rules/TrainerRecord.hpp"

// A team reads the owner's name and streak through TrainerRecord.
class TrainerStats : public TrainerRecord {
public:
    static constexpr int HISTORY_SIZE = 20;
    static constexpr int RESULT_WIN = 1;
    static constexpr int RESULT_LOSS = 2;
    static constexpr int RESULT_DRAW = 3;

    // Credo empty, history empty.
    TrainerStats(const std::string& name, int experience, int streak, int sprite);
    // Copyable on purpose: a bot's look-ahead reads a private copy instead of the live record.
    TrainerStats(const TrainerStats&) = default;
    TrainerStats& operator=(const TrainerStats&) = default;
    ~TrainerStats() override;

    virtual void addWin();
    virtual void addLoss();
    virtual void addDraw();
    // The result becomes the newest entry; the oldest of twenty drops.
    virtual void pushHistory(int result);
    virtual void setCredo(const std::string& credo);
    virtual void setName(const std::string& name);
    virtual void setSprite(int sprite);
    const std::string& getName() const override;
    virtual std::string getCredo() const;
    // The French summary shown on the screens; every line ends with a line break.
    virtual std::string getSummary() const;
    int getStreak() const override;
    int getSprite() const override;
    virtual int getExperience() const;
    virtual int countWins() const;
    virtual int countLosses() const;
    // Recent wins weigh more: 0 for no results, 620 for twenty wins.
    virtual int formScore() const;
    // The record's five lines of a bot file, texts escaped for XML.
    virtual std::string serialize() const;

    // Entry i of the history (0 newest), 0 outside 0..19.
    int getHistoryAt(int i) const;

private:
    std::string name;
    std::string credo;
    int sprite = 1;
    int history[HISTORY_SIZE] = {};
    int streak = 0;
    int experience = 0;
};
