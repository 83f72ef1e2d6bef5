// The player's settings, read from and written to "config.xml", and the owner of the commentator.
#pragma once

#include <string>

class Commentator;

class Game_Options {
public:
    // Reads "config.xml" in the working directory; a missing or malformed file leaves the defaults and
    // the first start. Also creates the commentator, which reads "data/commentator.xml".
    Game_Options();
    virtual ~Game_Options();

    virtual int getTeamSize();
    virtual int getBattleSpeed();
    virtual int isCommentatorOn();
    virtual int getCommentatorColor();
    virtual int getDebug();
    virtual int getBalance();
    virtual int getDraft();
    virtual int getSizeMode();
    virtual int getTrainerSprite();
    virtual int getTagValue();
    virtual int getExtraValue();
    virtual int getHelp();
    virtual int getDynamicBars();
    virtual int getShadows();
    virtual int getAutoInput();
    virtual int getBloodyEffects();
    int getAbilitiesEffects() const { return abilitiesEffects; }
    int getStadiumsEffects() const { return stadiumsEffects; }
    int getRulesetsEffects() const { return rulesetsEffects; }

    // True while no config.xml has been read and nothing has been saved: the welcome screen shows.
    virtual bool isFirstStart();

    // The number of trainer sprites that exist; a current sprite outside 1..n falls back to 1.
    virtual void setSpriteCount(int n);
    virtual std::string getTrainerName();
    // Same as getTrainerName, under the name the screens use.
    virtual std::string getName();

    // Cyclers wrap at both ends; toggles flip between 0 and 1. None of them saves.
    virtual void cycleTeamSize(bool up);
    virtual void cycleBattleSpeed(bool up);
    virtual void toggleCommentator();
    virtual void cycleCommentatorColor(bool up);
    virtual void toggleDebug();
    virtual void toggleDraft();
    virtual void cycleBalance(bool up);
    virtual void cycleTrainerSprite(bool up);
    virtual void toggleDynamicBars();
    virtual void toggleSizeMode();
    virtual void toggleHelp();
    virtual void toggleShadows();
    virtual void toggleBloodyEffects();
    virtual void toggleAbilitiesEffects();
    virtual void toggleStadiumsEffects();
    virtual void toggleRulesetsEffects();

    virtual void setTagValue(int value);
    virtual void setExtraValue(int value);

    // The name grows only while shorter than 12 characters.
    virtual void appendNameChar(char c);
    virtual void eraseNameChar();

    // Team size for one battle mode (0 to 6, others refused); restoreTeamSize undoes it.
    virtual void setTeamSize(int value);
    // The commentator stays owned by the options.
    virtual Commentator* getCommentator();
    // Rewrites "config.xml"; an unwritable place is skipped silently and the settings stay in memory.
    virtual void save();
    virtual void restoreTeamSize();

private:
    Commentator* commentator = nullptr;
    std::string trainerName;
    int trainerSprite = 1;
    int spriteCount = 0;
    int savedTeamSize = 3;
    int teamSize = 3;
    int battleSpeed = 0;
    int commentatorOn = 1;
    int commentatorColor = 0;
    int debug = 0;
    int balance = 1;
    int draft = 1;
    int sizeMode = 1;
    int shadows = 1;
    int tagValue = 0;
    int extraValue = 0;
    int dynamicBars = 1;
    int help = 0;
    int autoInput = 0;
    int bloodyEffects = 1;
    int abilitiesEffects = 0;
    int stadiumsEffects = 0;
    int rulesetsEffects = 0;
    bool firstStart = true;
};
