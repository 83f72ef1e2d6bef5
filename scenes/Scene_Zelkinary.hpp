// The creature index: a scrolling list of the loaded species, a type filter, and the selected one's sheet.
#pragma once

#include <string>
#include <vector>

#include "scenes/Scene.hpp"

class GameParser;
class Game_Options;
class Model;
class Zelkin;
class ZelkinZelkinary;

class Scene_Zelkinary : public Scene {
public:
    static constexpr int VISIBLE_ROWS = 12;
    static constexpr int MOVE_SLOTS = 12;
    enum Mode { MODE_MENU = 0, MODE_FILTER = 1, MODE_LIST = 2, MODE_MOVES = 3 };

    Scene_Zelkinary();
    // Deletes the list, the display creature and the figure (taken off the particle engine first).
    ~Scene_Zelkinary() override;

    void update() override;
    void draw() override;
    virtual void init(GameParser* parser, Game_Options* options);
    // Shows the species under the cursor (or its selected form) in the sheet and the figure.
    virtual void showSelected();
    // The list of the current type filter, from its first species.
    virtual void rebuildList();

    // "007", "042", "151".
    static std::string paddedNumber(int number);

    int getMode() const { return mode; }
    int getMenuChoice() const { return menuChoice; }
    int getTypeFilter() const { return typeFilter; }
    int getCursor() const { return cursor; }
    int getScrollTop() const { return scrollTop; }
    int getMoveIndex() const { return moveIndex; }
    int getFormIndex() const { return formIndex; }
    int getListSize() const { return listSize; }
    ZelkinZelkinary* getVisibleRow(int r) const {
        return r >= 0 && r < VISIBLE_ROWS ? visibleRows[r] : nullptr;
    }
    ZelkinZelkinary* getSpecies() const { return species; }
    ZelkinZelkinary* getShownRecord() const { return shownRecord; }
    Zelkin* getDisplayCreature() const { return displayCreature; }
    Model* getFigure() const { return figure; }

protected:
    virtual void leave();
    virtual void keyUp();
    virtual void keyDown();
    virtual void keyLeft();
    virtual void keyRight();
    virtual void keyEnter();
    virtual void keyBack();
    // The form count of the species under the cursor (0 without one).
    int formCount() const;
    // The filter runs from 0 (none) over the loaded types.
    int lastTypeFilter() const;

    GameParser* parser = nullptr;
    int scrollTop = 0;
    int menuChoice = 0;
    int typeFilter = 0;
    int cursor = 0;
    int moveIndex = 0;
    int formIndex = 0;
    int mode = MODE_MENU;
    int listSize = 0;
    ZelkinZelkinary* visibleRows[VISIBLE_ROWS] = {};
    ZelkinZelkinary* species = nullptr;
    ZelkinZelkinary* shownRecord = nullptr;
    Zelkin* displayCreature = nullptr;
    Game_Options* options = nullptr;
    Model* figure = nullptr;
    std::vector<ZelkinZelkinary*>* list = nullptr;
};
