// The program's entry: the window, the keyboard and the main loop.
#include "battle/BattlePresentation.hpp"
#include "presentation/Game.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/ScreenPresentation.hpp"
#include "rules/GameBundle.hpp"
#include "scenes/Scene_Menu.hpp"

#include <X11/Xlib.h>
#include <cstdlib>

int main(int, char**) {
    // Only this thread draws: the loading thread decodes the creature pictures into memory, and their
    // textures are made here when first shown. Xlib is made safe for threads all the same, before any window
    // opens: a thread that ever touches a texture gets a GL context of its own through the display.
    XInitThreads();
    initGameBundle();
    // From here on the battle shows its figures, animations and crowd on the screen.
    installBattlePresentation(new ScreenPresentation());
    Game* game = new Game();
    game->window = new GameWindow();
    game->controler = new GameControler();
    gameBundle->window = game->window;
    gameBundle->controler = game->controler;
    // The entry is the one place that knows both the loop and the screens: it hands the loop its first
    // screen, the main menu.
    Scene_Menu* menu = new Scene_Menu();
    menu->window = game->window;
    menu->controler = game->controler;
    menu->init();
    game->run(menu);
    // Nothing is freed at exit. A window closed during loading leaves the loading thread at work on objects
    // that static destruction would tear down under it, so the process ends here without running it.
    std::quick_exit(0);
}
