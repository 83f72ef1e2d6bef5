// The scene stack: a child runs instead of its parent, and its result reaches the parent a frame later.
#include <gtest/gtest.h>

#include "scenes/Scene.hpp"

namespace {

// Counts its own calls and finishes with a chosen result at a chosen update.
struct ProbeScene : Scene {
    explicit ProbeScene(bool* destroyed = nullptr) : destroyed(destroyed) {}
    ~ProbeScene() override {
        if (destroyed) *destroyed = true;
    }
    void handleInput() override { ++inputs; }
    void update() override {
        ++updates;
        seenResult = result;
        result = 0;
        if (updates == finishAt) {
            result = finishWith;
            alive = false;
        }
    }
    void draw() override { ++draws; }
    // Pushes a child the standard way.
    ProbeScene* push(ProbeScene* next, bool inherit = false) {
        prepareChild(next, inherit);
        child = next;
        return next;
    }

    bool* destroyed;
    int inputs = 0, updates = 0, draws = 0;
    int finishAt = -1, finishWith = 0;
    int seenResult = 0;
};

TEST(SceneStack, ChildFinishingInItsFirstFrameRunsOnceAndIsDeletedAtOnce) {
    ProbeScene parent;
    bool childGone = false;
    ProbeScene* child = parent.push(new ProbeScene(&childGone));
    child->finishAt = 1;
    child->finishWith = 7;

    parent.run();
    EXPECT_TRUE(childGone);
    EXPECT_EQ(parent.child, nullptr);
    EXPECT_EQ(parent.result, 7);
    // The parent's own input, update and draw did not run in that frame.
    EXPECT_EQ(parent.inputs + parent.updates + parent.draws, 0);

    parent.run();
    EXPECT_EQ(parent.seenResult, 7);
    EXPECT_EQ(parent.result, 0);
    EXPECT_EQ(parent.draws, 1);
}

TEST(SceneStack, FinishedSceneSkipsItsDrawAndParentWithChildDrawsNothing) {
    ProbeScene parent;
    ProbeScene* child = parent.push(new ProbeScene());
    parent.run();
    parent.run();
    EXPECT_EQ(child->draws, 2);
    EXPECT_EQ(parent.draws, 0);
    delete child;

    // A scene that finishes in its update is not drawn in that frame.
    ProbeScene alone;
    alone.finishAt = 1;
    alone.run();
    EXPECT_EQ(alone.inputs, 1);
    EXPECT_EQ(alone.updates, 1);
    EXPECT_EQ(alone.draws, 0);
    // With no parent it keeps being run, without drawing.
    alone.run();
    EXPECT_EQ(alone.updates, 2);
    EXPECT_EQ(alone.draws, 0);
}

TEST(SceneStack, ZeroResultLeavesParentWithNothingToRead) {
    ProbeScene parent;
    parent.result = 0;
    ProbeScene* child = parent.push(new ProbeScene());
    child->finishAt = 2;
    child->finishWith = 0;
    parent.run();
    EXPECT_NE(parent.child, nullptr);
    parent.run();
    EXPECT_EQ(parent.child, nullptr);
    EXPECT_EQ(parent.result, 0);
    parent.run();
    EXPECT_EQ(parent.seenResult, 0);
}

TEST(SceneStack, NestedChildrenRunOnlyTheTopmostAndResultsClimbOneLevelPerFrame) {
    ProbeScene root;
    ProbeScene* middle = root.push(new ProbeScene());
    ProbeScene* top = middle->push(new ProbeScene());
    top->finishAt = 1;
    top->finishWith = -1;
    root.run();
    EXPECT_EQ(middle->child, nullptr);
    EXPECT_EQ(middle->result, -1);
    EXPECT_EQ(middle->updates, 0);
    root.run();
    EXPECT_EQ(middle->seenResult, -1);
    EXPECT_EQ(root.updates, 0);
    delete middle;
}

TEST(SceneStack, DestroyingSceneLeavesItsChildAndPushCopiesTheSharedPointers) {
    bool childGone = false;
    ProbeScene* child = new ProbeScene(&childGone);
    {
        ProbeScene parent;
        parent.window = reinterpret_cast<GameWindow*>(0x10);
        parent.controler = reinterpret_cast<GameControler*>(0x20);
        parent.inheritedFlag = true;
        parent.push(child);
        EXPECT_EQ(child->window, parent.window);
        EXPECT_EQ(child->controler, parent.controler);
        EXPECT_FALSE(child->inheritedFlag);
    }
    ProbeScene mode;
    mode.inheritedFlag = true;
    ProbeScene* heir = mode.push(new ProbeScene(), mode.inheritedFlag);
    EXPECT_TRUE(heir->inheritedFlag);
    mode.child = nullptr;
    delete heir;
    EXPECT_FALSE(childGone);
    delete child;
    EXPECT_TRUE(childGone);
}

} // namespace
