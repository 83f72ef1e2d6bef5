// The decision maker of a computer-controlled participant: decides a side's order on its own thread.
#pragma once

#include <atomic>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <thread>

#include "battle/GameOrder.hpp"

class GameBattleEngine;
class SelectTeam;
class TrainerStats;

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
    // Log lines "<name> : <score>\n" composed in a buffer on the stack and added to the log in one go by
    // flush (also when the buffer fills up, and when the gatherer goes); a name too long for the buffer goes
    // on alone.
    class LogLines {
    public:
        explicit LogLines(std::string& log) : log(log) {}
        ~LogLines() { flush(); }
        LogLines(const LogLines&) = delete;
        LogLines& operator=(const LogLines&) = delete;

        // Inline: the random kind adds a line for every candidate it scores, about three a decision.
        void add(const std::string& name, int score) {
            if (name.size() + TAIL_ROOM > static_cast<size_t>(buffer + CAPACITY - end)) {
                addAfterFlush(name, score);
                return;
            }
            std::memcpy(end, name.data(), name.size());
            end = writeTail(end + name.size(), score);
        }
        void flush();

    private:
        // " : ", a sign and the digits of an int, "\n".
        static constexpr size_t TAIL_ROOM = 3 + 1 + std::numeric_limits<int>::digits10 + 1 + 1;
        // A whole decision of the random kind: six members with names of several dozen letters.
        static constexpr size_t CAPACITY = 512;

        // " : <score>\n" at out, with TAIL_ROOM there; returns the end.
        static char* writeTail(char* out, int score) {
            std::memcpy(out, " : ", 3);
            out = std::to_chars(out + 3, out + TAIL_ROOM - 1, score).ptr;
            *out = '\n';
            return out + 1;
        }
        // The line of a full buffer or of a name too long for it.
        void addAfterFlush(const std::string& name, int score);

        std::string& log;
        char buffer[CAPACITY];
        char* end = buffer;
    };

    // A member that can come in: exists, has HP and is not the active creature.
    static bool canComeIn(GameBattleEngine* engine, int side, int slot);
    // Move slot i of the active creature when the side may choose it.
    static bool isUsableMove(GameBattleEngine* engine, int side, int slot);
    void appendLogLine(const std::string& name, float score);
    void appendLogLine(const std::string& name, int score);
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

    std::thread worker;
    std::atomic<bool> thinking{false};
    // What getLog shows while a decision runs; only the calling (main) thread touches it.
    std::string publishedLog;
};
