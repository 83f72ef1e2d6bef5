// One side of the tag tournament: a named queue of participants sending one member into each battle.
#include "players/Bot_Team.hpp"

#include "players/ZelkBot.hpp"
#include "rules/PseudoRNG.hpp"

namespace {
void deleteTransient(ZelkBot* bot) {
    if (bot != nullptr && bot->isTransient()) delete bot;
}
} // namespace

Bot_Team::Bot_Team(const std::string& name) : name(name) {}

Bot_Team::~Bot_Team() {
    for (auto it = waiting.rbegin(); it != waiting.rend(); ++it)
        deleteTransient(*it);
    for (auto it = done.rbegin(); it != done.rend(); ++it)
        deleteTransient(*it);
    deleteTransient(current);
}

void Bot_Team::addMember(ZelkBot* bot) { waiting.push_back(bot); }

int Bot_Team::countRemaining() { return countWaiting() + (current != nullptr ? 1 : 0); }

int Bot_Team::countWaiting() { return static_cast<int>(waiting.size()); }

const std::string& Bot_Team::getName() { return name; }

ZelkBot* Bot_Team::getCurrent() { return current; }

ZelkBot* Bot_Team::getWaiting(int i) {
    if (i < 0 || i >= countWaiting()) return nullptr;
    return waiting[i];
}

ZelkBot* Bot_Team::getDone(int i) const {
    if (i < 0 || i >= countDone()) return nullptr;
    return done[i];
}

void Bot_Team::retireCurrent() {
    if (current != nullptr) done.push_back(current);
    current = nullptr;
}

ZelkBot* Bot_Team::nextInOrder() {
    retireCurrent();
    if (!waiting.empty()) {
        current = waiting.back();
        waiting.pop_back();
    }
    return current;
}

ZelkBot* Bot_Team::nextRandom() {
    retireCurrent();
    if (!waiting.empty()) {
        PseudoRNG rng;
        int k = rng.random(static_cast<int>(waiting.size()));
        current = waiting[k];
        waiting.erase(waiting.begin() + k);
    }
    return current;
}
