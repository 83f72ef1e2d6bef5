// The start-up load of the whole "data/" folder, and the factory of random creatures for bot teams.
#pragma once

#include <atomic>
#include <functional>
#include <string>

class GameParser;
class Zelkin;
class ZelkinType;
class ZelkinZelkinary;

class TeamBuilder {
public:
    // Loads everything, in the one order that lets later files name what earlier ones defined.
    // Runs on the loading thread; the loading screen reads getProgress meanwhile.
    TeamBuilder();
    // Told on the loading thread whenever the load moves on (a new kind begins, or one more file of it
    // has been read), with this builder and its progress. The whole load runs inside the constructor,
    // so this is how a loading screen learns the builder and what it has read so far; the observer may
    // read the database freely, since it runs on the thread that fills it.
    using ProgressObserver = std::function<void(TeamBuilder& builder, int progress)>;
    explicit TeamBuilder(const ProgressObserver& observer);
    // Frees the builder only: the database it created lives for the rest of the run.
    virtual ~TeamBuilder();

    virtual GameParser* getParser();
    // The five minimum-count checks; every shortfall logs one "FATAL ERROR : " line.
    virtual void checkData();
    virtual void clearUsed();
    virtual bool isUsed(int number);
    virtual bool isDataValid();
    // 0 before loading, 1 to 10 for the loading steps, 100 once done.
    virtual int getProgress();
    virtual void markUsed(int number);
    // New creatures owned by the caller; null only when the allowed pool is empty.
    virtual Zelkin* createRandomCreatureOfTypes(ZelkinType* a, ZelkinType* b);
    virtual Zelkin* createRandomCreature();

    // How many species are remembered as handed out (0 to 36).
    int countUsed() const { return usedCount; }

    static const int USED_MEMORY = 36;

private:
    Zelkin* buildCreature(ZelkinZelkinary* species);
    void advance(int step);
    void loadFolder(const std::string& folder, void (GameParser::*loader)(const std::string&));

    ProgressObserver observer;

    GameParser* parser = nullptr;
    int used[USED_MEMORY] = {};
    int usedCount = 0;
    // Read by the loading screen on the main thread while this thread is still writing them.
    std::atomic<bool> dataValid{true};
    std::atomic<int> progress{0};
};
