// The main menu, the root scene: waits for loading, then offers the game modes and the data counts.
#pragma once

#include "scenes/Scene.hpp"

class TeamBuilder;
class BotList;
class Game_Options;

class Scene_Menu : public Scene {
public:
    // The entries, in the order they are listed.
    static constexpr int ENTRY_QUICK_BATTLE = 0;
    static constexpr int ENTRY_JOURNEY = 1;
    static constexpr int ENTRY_ZELKINARY = 2;
    static constexpr int ENTRY_OPTIONS = 3;
    static constexpr int ENTRY_COUNT = 4;

    Scene_Menu();
    virtual ~Scene_Menu();

    void update() override;
    void draw() override;
    // Pushes the loading screen, which starts the loading thread.
    virtual void init();

    virtual int getCursor();
    virtual bool isLoaded();

protected:
    // Pushes the screen of one entry (any value other than journey, index and options opens the quick
    // battle).
    virtual void openEntry(int entry);
    virtual void openTournament();
    virtual void openTagTournament();

    // From GameBundle once loading has succeeded; shared, never deleted here.
    TeamBuilder* teamBuilder = nullptr;
    BotList* botList = nullptr;
    Game_Options* options = nullptr;
    int cursor = 0;
    int loaded = 0;
};
