// The team draft: six times, one creature out of four offered, with the gaps of the team so far.
#include "scenes/Scene_Draft.hpp"

#include <SFML/Graphics.hpp>

#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/GameParser.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TeamAnalyzer.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinType.hpp"

namespace {
// Chance finds a creature to carry over long before this; past it the first one left is taken.
constexpr int MAX_CARRY_DRAWS = 100;
} // namespace

Scene_Draft::Scene_Draft() = default;

Scene_Draft::~Scene_Draft() {
    for (Zelkin*& proposal : proposals) {
        delete proposal;
        proposal = nullptr;
    }
    delete analyzer;
}

void Scene_Draft::init(ZelkBot* playerIn, TeamBuilder* teamBuilderIn, Game_Options* optionsIn) {
    player = playerIn;
    teamBuilder = teamBuilderIn;
    options = optionsIn;
    cursor = 0;
    animCounter = 0;
    GameParser* parser = teamBuilder != nullptr ? teamBuilder->getParser() : nullptr;
    if (window != nullptr) {
        window->drawLoadingScreen();
        Ruleset* rules = parser != nullptr ? parser->getCurrentRuleset() : nullptr;
        if (rules != nullptr) window->baseLevel = rules->baseLevel;
    }
    analyzer = new TeamAnalyzer(parser != nullptr ? parser->countTypes() : 0);
    if (teamBuilder == nullptr) return;
    teamBuilder->clearUsed();
    for (Zelkin*& proposal : proposals)
        proposal = teamBuilder->createRandomCreature();
}

void Scene_Draft::handleInput() {
    if (controler == nullptr || player == nullptr) return;
    int members = player->countMembers();
    bool full = members >= ZelkBot::TEAM_SIZE;
    for (int key : {GameControler::KEY_UP, GameControler::KEY_DOWN}) {
        if (controler->isPressed(key) && members > 0 && !full)
            cursor = cursor < FIRST_TEAM_CELL ? FIRST_TEAM_CELL : 0;
    }
    if (controler->isPressed(GameControler::KEY_LEFT)) {
        cursor = (cursor + CELL_COUNT - 1) % CELL_COUNT;
        if (cursor < FIRST_TEAM_CELL && full) cursor = CELL_COUNT - 1;
        if (cursor >= FIRST_TEAM_CELL && player->getMember(cursor - FIRST_TEAM_CELL) == nullptr)
            cursor = FIRST_TEAM_CELL - 1;
    }
    if (controler->isPressed(GameControler::KEY_RIGHT)) {
        cursor = (cursor + 1) % CELL_COUNT;
        // With the offer gone, Right wraps round the team row.
        if (cursor < FIRST_TEAM_CELL && full) cursor = FIRST_TEAM_CELL;
        if (cursor >= FIRST_TEAM_CELL && player->getMember(cursor - FIRST_TEAM_CELL) == nullptr) cursor = 0;
    }
    if (controler->isPressed(GameControler::KEY_ENTER)) {
        if (full) {
            if (teamBuilder != nullptr) teamBuilder->clearUsed();
            result = 0;
            alive = false;
        } else if (cursor < FIRST_TEAM_CELL && proposals[cursor] != nullptr) {
            pick(cursor);
        }
    }
}

void Scene_Draft::pick(int position) {
    Zelkin* chosen = proposals[position];
    proposals[position] = nullptr;
    player->addMember(chosen);
    analyzer->addCreature(chosen);
    if (player->countMembers() >= ZelkBot::TEAM_SIZE) {
        cursor = FIRST_TEAM_CELL;
        for (Zelkin*& proposal : proposals) {
            delete proposal;
            proposal = nullptr;
        }
        return;
    }
    makeNextOffer();
}

void Scene_Draft::makeNextOffer() {
    // One creature of this offer stays on the next one, in position 0; from the second pick on it is
    // always one of the newer three.
    int first = player->countMembers() < 2 ? 0 : 1;
    bool any = false;
    for (int i = first; i < OFFER_SIZE; ++i)
        any = any || proposals[i] != nullptr;
    // With nothing left to carry over (no creature could be made), the whole offer is made afresh
    // instead of drawing forever.
    if (any) {
        PseudoRNG rng;
        int r = -1;
        for (int draw = 0; draw < MAX_CARRY_DRAWS && r < 0; ++draw) {
            int drawn = first == 0 ? rng.random(OFFER_SIZE) : 1 + rng.random(OFFER_SIZE - 1);
            if (proposals[drawn] != nullptr) r = drawn;
        }
        for (int i = first; r < 0 && i < OFFER_SIZE; ++i)
            if (proposals[i] != nullptr) r = i;
        if (r != 0) {
            delete proposals[0];
            proposals[0] = proposals[r];
            proposals[r] = nullptr;
        }
    } else {
        delete proposals[0];
        proposals[0] = teamBuilder->createRandomCreature();
    }
    for (int i = 1; i < OFFER_SIZE; ++i) {
        delete proposals[i];
        proposals[i] = teamBuilder->createRandomCreature();
    }
}

Zelkin* Scene_Draft::creatureUnderCursor() {
    if (cursor >= 0 && cursor < FIRST_TEAM_CELL) return proposals[cursor];
    return player != nullptr ? player->getMember(cursor - FIRST_TEAM_CELL) : nullptr;
}

void Scene_Draft::update() {}

void Scene_Draft::draw() {
    if (window == nullptr || player == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);
    window->drawRectBlackOutline(window->paletteColor(0), 330, 4, 200, 32);
    window->drawSizedText("Draft", 24, 370, 6);

    int members = player->countMembers();
    if (members < ZelkBot::TEAM_SIZE) {
        for (int j = 0; j < OFFER_SIZE; ++j) {
            // Position 0 holds the creature carried over from the previous offer.
            int colour = j == 0 && members > 0 ? 12 : 9;
            window->drawRectBlackOutline(window->paletteColor(colour), 62 + 190 * j, 48, 160, 140);
            Zelkin* proposal = proposals[j];
            if (proposal == nullptr) continue;
            if (proposal->getType(0) != nullptr)
                window->drawSpriteAt(window->typeIconSprite(proposal->getType(0)->getId()), 66 + 190 * j, 52);
            if (proposal->getType(1) != nullptr)
                window->drawSpriteAt(window->typeIconSprite(proposal->getType(1)->getId()), 86 + 190 * j, 52);
            window->drawSpriteAt(window->setCreatureFrame(proposal->getSpecies(), 0), 84 + 190 * j, 72);
            window->drawText(proposal->getName(), 106 + 190 * j, 56);
        }
    } else {
        window->drawBox(window->paletteColor(9), 30, 80, 792, 100);
        window->drawSizedText("Equipe pr\xEAte", 24, 300, 100);
        window->drawSizedText("Bonne chance \xE0 vous Dresseur! ", 16, 210, 130);
    }

    if (cursor < FIRST_TEAM_CELL)
        window->drawUiSprite(GameWindow::UI_CURSOR, 42 + 190 * cursor, 114);
    else
        window->drawUiSprite(GameWindow::UI_CURSOR, 18 + 134 * (cursor - FIRST_TEAM_CELL), 218);

    for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i)
        window->drawCreatureEntry(player->getMember(i), window->paletteColor(3), i + 1, 38 + 134 * i, 200,
                                  (animCounter % 6) / 3);

    window->drawBox(window->paletteColor(6), 426, 260, 427, 220);
    GameParser* parser = teamBuilder != nullptr ? teamBuilder->getParser() : nullptr;
    int typeCount = parser != nullptr ? parser->countTypes() : 0;
    window->drawSizedText("Lacunes offensives", 16, 446, 280);
    window->drawSizedText("Lacunes d\xE9"
                          "fensives",
                          16, 446, 330);
    int offensiveX = 446, defensiveX = 446;
    // Index 0 is the "none" type: never a gap.
    for (int i = 1; i < typeCount; ++i) {
        ZelkinType* type = parser->getTypeAt(i);
        int id = type != nullptr ? type->getId() : i;
        if (analyzer->getOffensiveFlag(i) == 0) {
            window->drawSpriteAt(window->typeIconSprite(id), offensiveX, 300);
            offensiveX += 20;
        }
        if (analyzer->getDefensiveFlag(i) == 0) {
            window->drawSpriteAt(window->typeIconSprite(id), defensiveX, 350);
            defensiveX += 20;
        }
    }

    window->drawCreatureInfoPanel(creatureUnderCursor(), window->paletteColor(3), true, 0, 260);
    animCounter = (animCounter + 1) % 30;
    target->display();
}
