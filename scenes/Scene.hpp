// The base of every screen: one frame of a scene or of the child it has pushed on top of itself.
#pragma once

#include <atomic>
#include <string>

#include "presentation/MainLoopScene.hpp"

class GameWindow;
class GameControler;
class TeamBuilder;

// Every screen derives from Scene and adds its own `init` (each with its own arguments), called once by
// the creator right after construction. The creator pushes a child in this order:
//     Scene_Options* next = prepareChild(new Scene_Options());   // window and controler copied
//     next->init(options);
//     child = next;                                               // the child runs from the next frame
// A finished child sets `result` (0 means none) and `alive` false; the parent takes the result, deletes
// the child in that same frame and reads `result` in its own next update, setting it back to 0.
class Scene : public MainLoopScene {
public:
    Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
    // Deletes nothing, not even the child: a scene only finishes from its own update, which never runs
    // while it has a child, so a finished scene has none left to free.
    ~Scene() override;

    // One frame: the child's frame when there is a child (and its removal once it has finished), else
    // this scene's input, update and, while still alive, draw. The same for every screen.
    void run() override;
    virtual void handleInput();
    virtual void update();
    // Clears, draws and displays the whole frame; a scene with a child never draws.
    virtual void draw();
    virtual int getResult();
    bool isAlive() override;

    // Copies the creator's own flag into the child instead of false (the menu does so for game modes).
    bool inheritedFlag = false;
    // Shared for the whole run; a scene never deletes them.
    GameWindow* window = nullptr;
    GameControler* controler = nullptr;
    // The last finished child's result until this scene's update has read it.
    int result = 0;
    // Null or the one child, owned.
    Scene* child = nullptr;
    // Atomic because the loading screen's worker thread is the one that ends that scene: it writes
    // `result` first and `alive` last, so whoever sees `alive` false also sees the result.
    std::atomic<bool> alive{true};

protected:
    // One step of a cyclic choice over first..last, both ends included (value kept when the range is empty).
    static int cycle(int value, bool up, int first, int last);
    // Why no team can be built under the current ruleset: "Ruleset : 3 / 6 Zelkin" when it admits fewer
    // species than a team of six needs (each species once), else empty. The modes refuse to start then.
    static std::string rulesetShortage(TeamBuilder* teamBuilder);
    // Draws that reason in red at (x, y), when there is one, no wider than width: at the screens' usual
    // size it runs out of the panels, and the string table may lengthen it further.
    void drawRulesetShortage(TeamBuilder* teamBuilder, int x, int y, int width);
    // The first steps of pushing a child: the window and the controler of this scene, and the inherited
    // flag given (false unless the creator hands its own on). The caller then calls the child's init
    // and stores it in `child`.
    template <class S> S* prepareChild(S* scene, bool inherit = false) {
        scene->window = window;
        scene->controler = controler;
        scene->inheritedFlag = inherit;
        return scene;
    }
};
