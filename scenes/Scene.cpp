// The base of every screen: one frame of a scene or of the child it has pushed on top of itself.
#include "scenes/Scene.hpp"

Scene::~Scene() = default;

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
