// The loading screen and its worker thread, which builds the database and the bot roster at start-up.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "scenes/Scene.hpp"

class TeamBuilder;
class BotList;
class Game_Options;

// Result 1 once everything is loaded and valid; on a failed data check it shows the failure screen until
// Enter, then gives -1. The worker fills GameBundle in both cases.
class Scene_Loading : public Scene {
public:
    // The states the worker goes through.
    static constexpr int STATE_DATABASE = 0;
    static constexpr int STATE_BOTS = 1;
    static constexpr int STATE_PUBLISHING = 2;
    static constexpr int STATE_DONE = 100;
    static constexpr int STATE_FAILED = 501;

    Scene_Loading();
    // Waits for the worker if it is still running, so the thread never outlives the scene it writes to.
    virtual ~Scene_Loading();

    void update() override;
    void draw() override;
    // Starts the worker thread; when no thread can be started, loads on the calling thread instead.
    virtual void init();

    // The worker's body: everything it does runs on the loading thread (or, without one, in init).
    virtual void loadAll();

    virtual int getState();
    // The line the screen shows for the current state and loader progress.
    virtual std::string getProgressLine();

protected:
    // Runs loadAll on a new thread; throws std::system_error when the thread cannot be created.
    virtual void startWorker();

    // What the worker publishes, read by the main thread each frame. The loaded objects themselves
    // pass to GameBundle; the scene owns none of them.
    std::atomic<TeamBuilder*> teamBuilder{nullptr};
    std::atomic<BotList*> botList{nullptr};
    std::atomic<Game_Options*> options{nullptr};
    std::atomic<int> state{STATE_DATABASE};

private:
    // Runs on the loading thread while the loader's constructor is still reading: notes the loader's
    // progress and the count of the kind being read, so that the screen never reads the database
    // while the worker fills it.
    void noteProgress(TeamBuilder& builder, int progress);
    // The window title belongs to the main thread's window: set from update (or at the latest when the
    // scene goes) once the string table is complete.
    void applyTitle();

    std::atomic<int> loaderProgress{-1};
    std::atomic<int> loaderCount{0};
    std::atomic<int> botCount{0};
    bool titleApplied = false;
    std::thread worker;
};
