// The program's entry: the window, the keyboard and the main loop.
#include "battle/BattlePresentation.hpp"
#include "presentation/Game.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/ScreenPresentation.hpp"
#include "rules/GameBundle.hpp"

int main(int, char**) {
    initGameBundle();
    // From here on the battle shows its figures, animations and crowd on the screen.
    installBattlePresentation(new ScreenPresentation());
    Game* game = new Game();
    game->window = new GameWindow();
    game->controler = new GameControler();
    gameBundle->window = game->window;
    gameBundle->controler = game->controler;
    game->run();
    return 0;
}
