// The decision maker of a computer-controlled participant: decides a side's order on its own thread.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "battle/GameOrder.hpp"

class GameBattleEngine;
class SelectTeam;
class TrainerStats;
class ZelkinMove;

class Bot_IA {
public:
    static constexpr int MIN_LEVEL = 1;
    static constexpr int MAX_LEVEL = 9;

    explicit Bot_IA(int side);
    // Waits for a decision still running: the worker writes into this object until it is done. Each kind's
    // destructor waits as well, before its own part of the object is gone.
    virtual ~Bot_IA();
    Bot_IA(const Bot_IA&) = delete;
    Bot_IA& operator=(const Bot_IA&) = delete;

    // Decides for the side on the given engine and sets the ready flag last. Runs on whatever thread
    // calls it; it may change the engine it is given (the simulating kind evaluates on it), so the
    // participant hands it a private snapshot of the battle (startThinking).
    virtual void think(GameBattleEngine* engine) = 0;
    // Pre-battle pick on the main thread: a random member not yet chosen, as a switch order; sets ready.
    virtual void choosePick(SelectTeam* own, SelectTeam* other);
    virtual bool isReady();
    virtual void clearReady();
    virtual void setLevel(int level);
    // The log of the last finished decision (a decision still running shows the one before).
    virtual void getLog(std::string& out);
    // A copy of the decided order; the caller owns it.
    virtual GameOrder* cloneOrder();

    // Starts think on a new thread, on a snapshot of the live battle made here, on the calling thread
    // (makeSnapshot). The worker never touches the live engine, so the battle may go on, or be deleted,
    // while it thinks. Waits first for a previous decision that is still running.
    void startThinking(GameBattleEngine* live);
    // True from startThinking until the worker has finished with everything it owns.
    bool isThinking() const;
    // Blocks until the running decision, if any, is over.
    void waitForDecision();

    int getSide() const { return side; }
    int getLevel() const { return level; }
    float getLastEvaluation() const { return lastEvaluation; }

    // A copy of the live battle for a decision: the engine's clone plus what a clone starts afresh and a
    // decision reads (requests, result, the sides' choice marks). Each team's career record is replaced
    // by a private copy (owners[side], owned by the caller, to be deleted after the snapshot), so that the
    // copy reads nothing the main thread may write meanwhile. Null for a null engine or one without field.
    static GameBattleEngine* makeSnapshot(GameBattleEngine* live, TrainerStats* owners[2]);

protected:
    // A member that can come in: exists, has HP and is not the active creature.
    static bool canComeIn(GameBattleEngine* engine, int side, int slot);
    // Move slot i of the active creature when the side may choose it.
    static bool isUsableMove(GameBattleEngine* engine, int side, int slot);
    void appendLogLine(const std::string& name, float score);
    void appendLogLine(const std::string& name, int score);
    // The log set to one line "<name> : <score>" for each of the count choices scored, written in one go.
    void setScoredLog(const std::string* const names[], const int scores[], int count);
    // After clearLog, one of up to four moves the decision scores last, kept as it is and written out the
    // same way when the log is read: only a debug view reads it, and moves are definitions, which outlive
    // the decision. A creature has at most four moves.
    void keepScoredMove(const ZelkinMove* move, int score) {
        if (scoredMoveCount == MAX_SCORED_MOVES) return;
        scoredMoves[scoredMoveCount] = move;
        scoredMoveScores[scoredMoveCount++] = score;
    }
    // Empties the log, moves kept for it included.
    void clearLog();
    // The level brought into 1..9, where the simulation's average and noise bounds make sense.
    int effectiveLevel() const;

    float lastEvaluation = 0.0f;
    int side = 1;
    int level = 1;
    std::atomic<bool> ready{false};
    GameOrder order;
    std::string log;

private:
    void joinWorker();
    // The moves kept by keepScoredMove written into the log.
    void writeScoredMoves();

    std::thread worker;
    std::atomic<bool> thinking{false};
    // What getLog shows while a decision runs; only the calling (main) thread touches it.
    std::string publishedLog;
    static constexpr int MAX_SCORED_MOVES = 4;
    const ZelkinMove* scoredMoves[MAX_SCORED_MOVES] = {};
    int scoredMoveScores[MAX_SCORED_MOVES] = {};
    int scoredMoveCount = 0;
};
