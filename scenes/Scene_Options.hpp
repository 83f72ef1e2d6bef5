// The options screen: the trainer, the battle rules and the miscellaneous settings, saved on leaving.
#pragma once

#include <string>

#include "scenes/Scene.hpp"

class Game_Options;

class Scene_Options : public Scene {
public:
    static constexpr int CATEGORY_TRAINER = 0;
    static constexpr int CATEGORY_RULES = 1;
    static constexpr int CATEGORY_MISC = 2;
    static constexpr int CATEGORY_COUNT = 3;

    Scene_Options();
    virtual ~Scene_Options();

    void update() override;
    void draw() override;
    virtual void init(Game_Options* options);

    virtual int getCategory();
    virtual int getItem();
    // 0 when no category is open, else the open category + 1.
    virtual int getOpened();

    // The number of settings in a category (0 for an unknown one).
    static int itemCount(int category);

protected:
    // Runs Left (down) or Right (up) on one setting: cycles wrap, toggles flip, the name has none.
    virtual void changeSetting(int category, int item, bool up);
    // The text shown at x 600 for a setting (empty for the name and the sprite, which draw otherwise).
    virtual std::string valueText(int category, int item);
    virtual void drawHelp();
    virtual void leave();

    Game_Options* options = nullptr;
    int category = 0;
    int item = 0;
    int opened = 0;
    int blink = 0;
};
