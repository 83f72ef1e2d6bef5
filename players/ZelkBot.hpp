// One side of a battle: a trainer with up to six creatures, a career record and, for the computer, a
// decision maker that thinks on its own thread. Read from and saved to a bot file under "bots/".
#pragma once

#include <string>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

class GameParser;
class GameBattleEngine;
class GameField;
class GameOrder;
class TrainerStats;
class Bot_IA;
class SelectTeam;
class Zelkin;
class ZelkinMove;
class ZelkinTeam;

class ZelkBot {
public:
    static constexpr int TEAM_SIZE = 6;
    // Species numbers index the matchup tables directly: 0 .. 717.
    static constexpr int SPECIES_COLUMNS = 718;
    static bool isSpeciesColumn(int number) { return number >= 0 && number < SPECIES_COLUMNS; }
    static constexpr int MATCHUP_HISTORY = 20;
    static constexpr int PICK_DELAY = 50;
    // The human's path: not empty, so holders never delete it; never saved since no bot controls it.
    static const char* const HUMAN_PATH;

    // A default participant: the computer decides, side 1, "Dresseur", no file, no team.
    ZelkBot();
    // The bot-file reader: always yields a participant; its team is complete only when the file was
    // good (isTeamReady). Problems go to the error log.
    ZelkBot(GameParser* parser, const std::string& path);
    // Waits for a running decision, then deletes the decision maker, the creatures and the record.
    virtual ~ZelkBot();
    ZelkBot(const ZelkBot&) = delete;
    ZelkBot& operator=(const ZelkBot&) = delete;

    virtual TrainerStats* getTrainerStats();
    // A transient plain participant with copies of the creatures and the trainer's identity.
    virtual ZelkBot* clone();
    virtual void createBotIA();
    virtual void setAI(int kind, int level);
    virtual void setSide(int side);
    // Empties the matchup cache and floor (not the history); -1.
    virtual int resetMemory();
    // Rewrites the bot file (escaped, replaced atomically); false when nothing was written.
    virtual bool save();
    virtual void setControlledByBot(int controlled);
    virtual Zelkin* getMember(int i);
    virtual Zelkin* cloneMember(int i);
    virtual void getName(std::string& out);
    virtual void recordMatchup(int ownNumber, int opponentNumber, int result);
    virtual int getTypeMatchup(int ownNumber, int opponentNumber);
    virtual int countMembers();
    virtual bool isTeamReady();
    // Once per frame for a computer side: books what happened once the battle has run, and starts a
    // decision when this side is asked and holds no order for the position in front of it.
    virtual void decideOrder(GameBattleEngine* engine);
    // A rough worth of one effect element of a move's description.
    virtual int rateMoveEffects(const tinyxml2::XMLElement* effect);
    virtual int estimateDamage(ZelkinMove* move, Zelkin* attacker, Zelkin* defender, GameField* field,
                               int hits);
    virtual int rateMatchup(Zelkin* own, Zelkin* opponent);
    virtual int chooseBestSwitch(GameField* field, int unused, bool wantScore);
    // One step of the pre-battle selection: -1 while waiting, else a 0-based team slot.
    virtual int pickTeamMember(SelectTeam* own, SelectTeam* other);
    virtual int sumMatchupsAgainst(int ownSlot, ZelkinTeam* opposing);
    virtual int opponentSide(int side);
    virtual bool isTransient();
    virtual int isControlledByBot();
    virtual void setMember(Zelkin* creature, int i);
    // The slot used, or 6 when the team is full (the caller keeps the creature then).
    virtual int addMember(Zelkin* creature);
    virtual void setTrainerInfo(int sprite, const std::string& name, const std::string& credo);
    // An order decided for the position in front of the bot is waiting.
    virtual bool isOrderReady();
    // A copy of the decided order (the caller owns it); clears the ready flag. Null without a decision.
    virtual GameOrder* takeOrder();

    void getThinkingLog(std::string& out);
    bool hasTag(const std::string& tag) const;

    // ---- Helpers for screens and tests ----
    int getSide() const { return side; }
    int getAIKind() const { return aiKind; }
    int getAILevel() const { return aiLevel; }
    double getStoredResults() const { return storedResults; }
    const std::string& getFilePath() const { return filePath; }
    const std::vector<std::string>& getTags() const { return tags; }
    Bot_IA* getBotIA() const { return botIA; }
    // Entry k (0 newest) of the history against a species for an own slot; 0 outside the tables.
    int getMatchupHistory(int ownSlot, int opponentNumber, int k) const;
    // True while a decision runs on its thread.
    bool isThinking() const;
    // Blocks until a running decision is over (a screen about to delete its battle may call it).
    void waitForDecision();
    // The bot file's text as save() writes it.
    std::string serialize() const;

protected:
    // The team slot a species number is recorded under: the last slot holding it, else 0.
    int ownSlotOf(int number) const;
    void replaceTrainerStats(TrainerStats* stats);
    void clearMatchupCache();

    GameParser* parser = nullptr;
    int controlledByBot = 1;
    int side = 1;
    std::string name = "Dresseur";
    std::string filePath;
    std::vector<std::string> tags;
    double storedResults = 0.0;
    TrainerStats* trainerStats = nullptr;
    Zelkin* team[TEAM_SIZE] = {};
    int aiKind = 0;
    int aiLevel = 1;
    int countdown = PICK_DELAY;
    int armed = 0;
    int matchupCache[TEAM_SIZE][SPECIES_COLUMNS];
    int matchupHistory[TEAM_SIZE][SPECIES_COLUMNS][MATCHUP_HISTORY] = {};
    int matchupFloor[2][TEAM_SIZE] = {};
    int lastOwnNumber = 0;
    int lastOpponentNumber = 0;
    Bot_IA* botIA = nullptr;

private:
    // What the file held that the game does not use in battle, so that rewriting it loses nothing.
    struct FileEntry {
        // The creature this entry made; a slot whose creature was replaced is written afresh.
        Zelkin* creature = nullptr;
        bool hasLibrary = false;
        std::string library;
        bool hasForm = false;
        std::string form;
        bool hasAbility = false;
        std::string ability;
        // <move> names that gave no move (unknown, or beyond the fourth), in file order.
        std::vector<std::string> extraMoves;
        // Other child elements, as XML text.
        std::vector<std::string> extraXml;
    };
    struct OldMatchup {
        int own = 0;
        int opponent = 0;
        std::string digits;
    };

    // The first frame after the battle ran: the result once it is decided, the knock-outs seen, and the
    // creatures now facing each other.
    void bookWhatHappened(GameField* field, int state);
    void readFile(const std::string& path);
    void readEntry(tinyxml2::XMLElement* entry, int slot, const std::string& botName);
    std::string serializeMember(int slot) const;
    std::string serializeMatchups() const;

    FileEntry fileEntries[TEAM_SIZE];
    // Whole root elements kept as XML text: refused <zelkin> entries, entries beyond the sixth, unknown
    // elements.
    std::vector<std::string> keptXml;
    // The <matchup> records of earlier runs; the reader does not use them, the writer carries them on.
    std::vector<OldMatchup> oldMatchups;
    // Counts the stretches in which the battle ran, as decideOrder saw them: the position a decision is for.
    int position = 0;
    // The position the last decision was started for; -1 before the first.
    int decidedFor = -1;
    // Only a file that was read as a bot file is ever rewritten.
    bool fileRead = false;
};
