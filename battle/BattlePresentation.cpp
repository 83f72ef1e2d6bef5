// The installed presentation factory and the null-safe shortcuts the battle calls.
#include "battle/BattlePresentation.hpp"

#include <atomic>

namespace {
// Read by bot threads too (through clones that never show anything), so kept atomic.
std::atomic<BattlePresentation*> installed{nullptr};
} // namespace

BattlePresentation* installedBattlePresentation() { return installed.load(); }

void installBattlePresentation(BattlePresentation* presentation) { installed.store(presentation); }

BattleFigure* newBattleFigure(ZelkinZelkinary* species, int facing, int x, int y, int sizePercent) {
    BattlePresentation* presentation = installed.load();
    return presentation != nullptr ? presentation->newFigure(species, facing, x, y, sizePercent) : nullptr;
}

BattleAnimation* newBattleAnimation(int kind, int facing, BattleFigure* figure) {
    BattlePresentation* presentation = installed.load();
    return presentation != nullptr ? presentation->newAnimation(kind, facing, figure) : nullptr;
}

std::vector<BattleSupporter*>* collectBattleSupporters(int popularity0, int popularity1, Stadium* stadium,
                                                       TrainerList* kinds, WindowServices* window) {
    BattlePresentation* presentation = installed.load();
    std::vector<BattleSupporter*>* crowd = nullptr;
    if (presentation != nullptr)
        crowd = presentation->collectSupporters(popularity0, popularity1, stadium, kinds, window);
    return crowd != nullptr ? crowd : new std::vector<BattleSupporter*>();
}

void showBattleFigure(BattleFigure* figure) {
    BattlePresentation* presentation = installed.load();
    if (presentation != nullptr && figure != nullptr) presentation->showFigure(figure);
}

void hideBattleFigure(BattleFigure* figure) {
    BattlePresentation* presentation = installed.load();
    if (presentation != nullptr && figure != nullptr) presentation->hideFigure(figure);
}
