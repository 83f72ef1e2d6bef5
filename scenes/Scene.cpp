// The base of every screen: one frame of a scene or of the child it has pushed on top of itself.
#include "scenes/Scene.hpp"

#include <SFML/Graphics/Color.hpp>
#include <algorithm>
#include <set>

#include "players/ZelkBot.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/ZelkinZelkinary.hpp"

Scene::~Scene() = default;

std::string Scene::rulesetShortage(TeamBuilder* teamBuilder) {
    GameParser* parser = teamBuilder != nullptr ? teamBuilder->getParser() : nullptr;
    if (parser == nullptr) return std::string();
    // A form is its species again for a team: count numbers, not records.
    std::set<int> numbers;
    for (ZelkinZelkinary* species : parser->getAllowedSpecies())
        numbers.insert(species->getNumber());
    int admitted = static_cast<int>(numbers.size());
    if (admitted >= ZelkBot::TEAM_SIZE) return std::string();
    return DefaultStrings::NAME_RULESET + " : " + std::to_string(admitted) + " / " +
           std::to_string(ZelkBot::TEAM_SIZE) + " " + DefaultStrings::NAME_CREATURE_PLURIAL;
}

void Scene::drawRulesetShortage(TeamBuilder* teamBuilder, int x, int y, int width) {
    if (window == nullptr) return;
    std::string reason = rulesetShortage(teamBuilder);
    if (reason.empty()) return;
    // Texts are laid out one character size per character.
    int size = std::min(16, width / static_cast<int>(reason.size()));
    window->drawSizedTextColored(reason, size, x, y, sf::Color(200, 0, 0));
}

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
