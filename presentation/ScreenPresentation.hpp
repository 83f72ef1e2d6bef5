// What the battle gets from the screen: creature figures, battle animations and the crowd.
#pragma once

#include "battle/BattlePresentation.hpp"

class ScreenPresentation : public BattlePresentation {
public:
    ~ScreenPresentation() override;
    BattleFigure* newFigure(ZelkinZelkinary* species, int facing, int x, int y, int sizePercent) override;
    BattleAnimation* newAnimation(int kind, int facing, BattleFigure* figure) override;
    std::vector<BattleSupporter*>* collectSupporters(int popularity0, int popularity1, Stadium* stadium,
                                                     TrainerList* kinds, WindowServices* window) override;
    void showFigure(BattleFigure* figure) override;
    void hideFigure(BattleFigure* figure) override;
};
