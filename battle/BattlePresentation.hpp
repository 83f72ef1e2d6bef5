// The few things the battle asks of the screen (figures, animations, particles, crowd), as abstract seams.
#pragma once

#include <vector>

class ZelkinZelkinary;
class Zelkin;
class ZelkinMove;
class ZelkinBuffData;
class VariableTable;
class Stadium;
class TrainerList;
class WindowServices;

// A creature's figure on the field. The field owns the side figures; the particle engine only draws them.
class BattleFigure {
public:
    virtual ~BattleFigure() = default;
    // At equal depth a higher layer is drawn in front.
    virtual void setLayer(int layer) = 0;
    virtual void setShown(bool shown) = 0;
    // Gives the figure the window's shadow sprite.
    virtual void setShadow() = 0;
    virtual void setSize(int percent) = 0;
    virtual void setPersonality(int personality) = 0;
    // Replaces the running figure animation: 5 hurt, 7 knocked out after a hurt, 8 knocked out, 11 dodge.
    virtual void playAnimation(int kind) = 0;
};

// One battle animation in progress, stepped once per frame by the engine until it is no longer alive.
class BattleAnimation {
public:
    virtual ~BattleAnimation() = default;
    virtual void setSources(ZelkinMove* move, Zelkin* creature, VariableTable* variables) = 0;
    virtual void setCreature(Zelkin* creature) = 0;
    virtual void setBuffData(ZelkinBuffData* definition) = 0;
    virtual void step() = 0;
    virtual bool isAlive() = 0;
};

// One member of the crowd.
class BattleSupporter {
public:
    virtual ~BattleSupporter() = default;
    // One frame of jumping, driven by the support of the supporter's own side.
    virtual void updateJump(int supportSide0, int supportSide1) = 0;
};

// The factory the screen installs. Every object it hands out belongs to the caller.
class BattlePresentation {
public:
    virtual ~BattlePresentation() = default;
    // A figure of the species at (x, y) facing the side; sizePercent <= 0 means the species' own size.
    virtual BattleFigure* newFigure(ZelkinZelkinary* species, int facing, int x, int y, int sizePercent) = 0;
    // An animation of that kind; with a figure it plays on it, facing the side, else on no particular one.
    virtual BattleAnimation* newAnimation(int kind, int facing, BattleFigure* figure) = 0;
    // The crowd for a battle in that stadium; never null.
    virtual std::vector<BattleSupporter*>* collectSupporters(int popularity0, int popularity1,
                                                             Stadium* stadium, TrainerList* kinds,
                                                             WindowServices* window) = 0;
    // The particle engine draws the figure among the particles (it does not take it over here).
    virtual void showFigure(BattleFigure* figure) = 0;
    // Takes the figure off the particle engine's list without deleting it.
    virtual void hideFigure(BattleFigure* figure) = 0;
};

// The installed factory, or null (tests, tools, simulations): then everything below is a no-op.
BattlePresentation* installedBattlePresentation();
// Installs (or, with null, removes) the factory. The caller keeps ownership.
void installBattlePresentation(BattlePresentation* presentation);

// Null-safe shortcuts: with no factory they return null / an empty crowd / do nothing.
BattleFigure* newBattleFigure(ZelkinZelkinary* species, int facing, int x, int y, int sizePercent);
BattleAnimation* newBattleAnimation(int kind, int facing, BattleFigure* figure);
// Always a new list owned by the caller (empty with no factory).
std::vector<BattleSupporter*>* collectBattleSupporters(int popularity0, int popularity1, Stadium* stadium,
                                                       TrainerList* kinds, WindowServices* window);
void showBattleFigure(BattleFigure* figure);
void hideBattleFigure(BattleFigure* figure);
