// The decision maker's shared half: the worker thread, the hand-over flags, the pick and the snapshot.
#include "players/Bot_IA.hpp"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <system_error>

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "players/SelectTeam.hpp"
#include "players/TrainerStats.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"

Bot_IA::Bot_IA(int side) : side(side) {}

Bot_IA::~Bot_IA() { joinWorker(); }

void Bot_IA::joinWorker() {
    if (worker.joinable() && worker.get_id() != std::this_thread::get_id()) worker.join();
}

void Bot_IA::waitForDecision() { joinWorker(); }

bool Bot_IA::isThinking() const { return thinking.load(std::memory_order_acquire); }

void Bot_IA::choosePick(SelectTeam* own, SelectTeam* /*other*/) {
    // The order below is also what a running worker writes: let it finish first.
    joinWorker();
    PseudoRNG rng;
    int best = -1;
    int choice = -1;
    for (int slot = 0; slot < 6; ++slot) {
        if (own != nullptr && own->isPicked(slot + 1)) continue;
        int score = rng.random(100);
        if (score > best) {
            best = score;
            choice = slot;
        }
    }
    order.reset();
    order.setSwitch(choice);
    ready.store(true, std::memory_order_release);
}

bool Bot_IA::isReady() { return ready.load(std::memory_order_acquire); }

void Bot_IA::clearReady() { ready.store(false, std::memory_order_release); }

void Bot_IA::setLevel(int value) { level = value; }

int Bot_IA::effectiveLevel() const {
    if (level < MIN_LEVEL) return MIN_LEVEL;
    if (level > MAX_LEVEL) return MAX_LEVEL;
    return level;
}

void Bot_IA::getLog(std::string& out) {
    // The worker writes the log until it is done; only then is it safe to copy.
    if (!thinking.load(std::memory_order_acquire)) {
        writeScoredMoves();
        publishedLog = log;
    }
    out = publishedLog;
}

GameOrder* Bot_IA::cloneOrder() { return order.clone(); }

void Bot_IA::appendLogLine(const std::string& name, float score) {
    // Setting up a stream costs more than the rest of the line: each thread keeps one and only empties it.
    thread_local std::ostringstream line;
    line.str(std::string());
    line << name << " : " << score << "\n";
    log += line.str();
}

void Bot_IA::appendLogLine(const std::string& name, int score) {
    // "<name> : <score>\n" composed on the stack and added in one go (a long name goes on its own).
    constexpr size_t NAME_ROOM = 48;
    char line[NAME_ROOM + 3 + std::numeric_limits<int>::digits10 + 3];
    char* tail = line + NAME_ROOM;
    char* start = tail;
    if (name.size() <= NAME_ROOM) {
        start -= name.size();
        std::memcpy(start, name.data(), name.size());
    } else {
        log += name;
    }
    std::memcpy(tail, " : ", 3);
    char* end = std::to_chars(tail + 3, line + sizeof(line) - 1, score).ptr;
    *end++ = '\n';
    log.append(start, static_cast<size_t>(end - start));
}

namespace {

template <typename Word> void moveEnds(char* to, const char* from, size_t size) {
    Word head;
    Word tail;
    std::memcpy(&head, from, sizeof(Word));
    std::memcpy(&tail, from + size - sizeof(Word), sizeof(Word));
    std::memcpy(to, &head, sizeof(Word));
    std::memcpy(to + size - sizeof(Word), &tail, sizeof(Word));
}

// Copies a name to to. Up to 32 bytes go as a word or two read from each end, overlapping in the middle:
// cheaper than the library's call for the short names of the log.
void copyName(char* to, const std::string& name) {
    const char* from = name.data();
    const size_t size = name.size();
    if (size >= 8) {
        if (size <= 16) {
            moveEnds<std::uint64_t>(to, from, size);
        } else if (size <= 32) {
            moveEnds<std::uint64_t>(to, from, 16);
            moveEnds<std::uint64_t>(to + size - 16, from + size - 16, 16);
        } else {
            std::memcpy(to, from, size);
        }
    } else if (size >= 4) {
        moveEnds<std::uint32_t>(to, from, size);
    } else if (size >= 2) {
        moveEnds<std::uint16_t>(to, from, size);
    } else if (size == 1) {
        *to = *from;
    }
}

// "00" to "99", two characters each.
constexpr char DIGIT_PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The score's digits at at, a minus sign first if it is below zero; gives where they end. Most scores have
// one or two digits and are written on the spot.
char* writeScore(char* at, char* end, int score) {
    if (score >= 0 && score < 10) {
        *at = static_cast<char>('0' + score);
        return at + 1;
    }
    if (score >= 10 && score < 100) {
        std::memcpy(at, DIGIT_PAIRS + 2 * score, 2);
        return at + 2;
    }
    return std::to_chars(at, end, score).ptr;
}

} // namespace

void Bot_IA::setScoredLog(const std::string* const names[], const int scores[], int count) {
    // Laid out on the stack while the lines fit, each with room for the longest score, and set in one go;
    // lines past a long name are added one by one.
    constexpr size_t SCORE_ROOM = std::numeric_limits<int>::digits10 + 2;
    constexpr size_t LINE_ROOM = 3 + SCORE_ROOM + 1;
    char lines[512];
    char* at = lines;
    int i = 0;
    for (; i < count; ++i) {
        const std::string& name = *names[i];
        if (name.size() + LINE_ROOM > static_cast<size_t>(lines + sizeof(lines) - at)) break;
        copyName(at, name);
        at += name.size();
        std::memcpy(at, " : ", 3);
        at = writeScore(at + 3, at + 3 + SCORE_ROOM, scores[i]);
        *at++ = '\n';
    }
    // Emptied and appended to: the library does that in line and at less cost than replacing.
    clearLog();
    log.append(lines, static_cast<size_t>(at - lines));
    for (; i < count; ++i)
        appendLogLine(*names[i], scores[i]);
}

void Bot_IA::writeScoredMoves() {
    if (scoredMoveCount == 0) return;
    const std::string* names[MAX_SCORED_MOVES];
    for (int i = 0; i < scoredMoveCount; ++i)
        names[i] = &scoredMoves[i]->getName();
    // Setting the log lets the moves go.
    setScoredLog(names, scoredMoveScores, scoredMoveCount);
}

void Bot_IA::clearLog() {
    log.clear();
    scoredMoveCount = 0;
}

bool Bot_IA::canComeIn(GameBattleEngine* engine, int side, int slot) {
    GameField* field = engine != nullptr ? engine->getField() : nullptr;
    ZelkinTeam* team = field != nullptr ? field->getTeamChecked(side) : nullptr;
    if (team == nullptr) return false;
    Zelkin* member = team->getMemberAt(slot);
    return member != nullptr && member->getHp() > 0 && member != team->getActive();
}

bool Bot_IA::isUsableMove(GameBattleEngine* engine, int side, int slot) {
    GameField* field = engine != nullptr ? engine->getField() : nullptr;
    ZelkinTeam* team = field != nullptr ? field->getTeamChecked(side) : nullptr;
    Zelkin* active = team != nullptr ? team->getActive() : nullptr;
    // A script may allow an empty slot; ordering it would only be refused.
    if (active == nullptr || active->getMove(slot) == nullptr) return false;
    return team->getMemberMark(slot) > 0;
}

GameBattleEngine* Bot_IA::makeSnapshot(GameBattleEngine* live, TrainerStats* owners[2]) {
    owners[0] = nullptr;
    owners[1] = nullptr;
    if (live == nullptr || live->getField() == nullptr) return nullptr;
    GameBattleEngine* snapshot = live->clone();
    GameField* from = live->getField();
    GameField* to = snapshot->getField();
    if (to == nullptr) return snapshot;
    for (int s = 0; s < GameField::SIDE_COUNT; ++s) {
        to->setRequest(s, from->getRequest(s));
        ZelkinTeam* source = from->getTeamChecked(s);
        ZelkinTeam* copy = to->getTeamChecked(s);
        if (source == nullptr || copy == nullptr) continue;
        for (int i = 0; i < ZelkinTeam::MAX_MEMBERS; ++i)
            copy->setMemberMark(i, source->getMemberMark(i));
        if (TrainerStats* owner = dynamic_cast<TrainerStats*>(source->getOwner())) {
            owners[s] = new TrainerStats(*owner);
            copy->setOwner(owners[s]);
        }
    }
    to->setResult(from->getResult());
    return snapshot;
}

void Bot_IA::startThinking(GameBattleEngine* live) {
    joinWorker();
    TrainerStats* owners[2] = {nullptr, nullptr};
    GameBattleEngine* snapshot = makeSnapshot(live, owners);
    TrainerStats* owner0 = owners[0];
    TrainerStats* owner1 = owners[1];
    ready.store(false, std::memory_order_release);
    thinking.store(true, std::memory_order_release);
    auto body = [this, snapshot, owner0, owner1]() {
        think(snapshot);
        delete snapshot;
        delete owner0;
        delete owner1;
        thinking.store(false, std::memory_order_release);
    };
    try {
        worker = std::thread(body);
    } catch (const std::system_error&) {
        // No thread to be had: decide here rather than leave the side without an order.
        body();
    }
}
