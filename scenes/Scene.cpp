// The base of every screen: one frame of a scene or of the child it has pushed on top of itself.
#include "scenes/Scene.hpp"

Scene::~Scene() = default;

int Scene::cycle(int value, bool up, int first, int last) {
    if (last < first) return value;
    value += up ? 1 : -1;
    if (value > last) return first;
    if (value < first) return last;
    return value;
}

void Scene::run() {
    if (child) {
        child->run();
        if (!child->isAlive()) {
            result = child->getResult();
            delete child;
            child = nullptr;
        }
        return;
    }
    handleInput();
    update();
    if (alive) draw();
}

void Scene::handleInput() {}

void Scene::update() {}

void Scene::draw() {}

int Scene::getResult() { return result; }

bool Scene::isAlive() { return alive; }
