// What a battle is: its stadium, mode and round, the titles shown when it opens, and whether it is quiet.
#pragma once

#include <string>

class Stadium;

class BattleInformations {
public:
    static constexpr int MODE_ROUND = 1;
    static constexpr int MODE_SECRET = 3;

    // Titles come from the string table as it is now; the stadium belongs to the database.
    BattleInformations(Stadium* stadium, int mode, int round);
    virtual ~BattleInformations() = default;

    // A record made afresh from the same stadium, mode and round (changed titles are not carried over).
    virtual BattleInformations* clone();
    virtual const std::string& getName();
    virtual const std::string& getSecondText();
    Stadium* getStadium() const { return stadium; }
    virtual int getRound();
    virtual int getMode();
    virtual void setName(const std::string& text);
    virtual void setSecondText(const std::string& text);
    // A quiet battle has no crowd, no commentator lines and no match-start action.
    virtual bool isQuiet();

private:
    std::string title;
    std::string subtitle;
    int mode = 0;
    int round = 0;
    Stadium* stadium = nullptr;
    int quiet = 0;
};
