// The creature index: a scrolling list of the loaded species, a type filter, and the selected one's sheet.
#include "scenes/Scene_Zelkinary.hpp"

#include <SFML/Graphics.hpp>
#include <algorithm>

#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/Model.hpp"
#include "presentation/ParticleEngine.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {
constexpr int DISPLAY_LEVEL = 50;
constexpr int PAGE = 11;
// The cursor keeps between the 5th and the 7th visible row while it moves one by one.
constexpr int KEEP_ABOVE = 5;
constexpr int KEEP_BELOW = 6;

ParticleEngine* particles() { return gameBundle != nullptr ? gameBundle->particleEngine : nullptr; }
} // namespace

Scene_Zelkinary::Scene_Zelkinary() = default;

Scene_Zelkinary::~Scene_Zelkinary() {
    // The particle engine only borrows the figure; take it off before deleting it.
    if (figure != nullptr && particles() != nullptr) particles()->remove(figure);
    delete figure;
    delete displayCreature;
    delete list;
}

std::string Scene_Zelkinary::paddedNumber(int number) {
    std::string digits = std::to_string(number);
    if (number < 10) return "00" + digits;
    if (number < 100) return "0" + digits;
    return digits;
}

void Scene_Zelkinary::init(GameParser* parserIn, Game_Options* optionsIn) {
    mode = MODE_MENU;
    menuChoice = 0;
    typeFilter = 0;
    cursor = 0;
    moveIndex = 0;
    formIndex = 0;
    bool sizeMode = optionsIn != nullptr && optionsIn->getSizeMode() != 0;
    figure = new Model(nullptr, nullptr, sizeMode ? 420 : 396, sizeMode ? 148 : 124, 0);
    figure->setSize(100);
    figure->setShown(true);
    figure->playAnimation(0);
    if (optionsIn != nullptr && optionsIn->getShadows() != 0 && window != nullptr)
        figure->setShadow(window->newShadowSprite());
    parser = parserIn;
    options = optionsIn;
    rebuildList();
    if (particles() != nullptr) particles()->add(figure);
}

void Scene_Zelkinary::rebuildList() {
    delete list;
    list = parser != nullptr ? parser->listSpeciesByTypeIdAndName(typeFilter, "") : nullptr;
    listSize = list != nullptr ? static_cast<int>(list->size()) : 0;
    cursor = 0;
    moveIndex = 0;
    formIndex = 0;
    scrollTop = 0;
    showSelected();
}

int Scene_Zelkinary::formCount() const { return species != nullptr ? species->getFormCount() : 0; }

int Scene_Zelkinary::lastTypeFilter() const {
    return parser != nullptr ? std::max(0, parser->countTypes() - 1) : 0;
}

void Scene_Zelkinary::showSelected() {
    moveIndex = 0;
    species = list != nullptr && cursor >= 0 && cursor < listSize ? (*list)[cursor] : nullptr;
    shownRecord = species;
    if (formIndex > 0) {
        if (species != nullptr && formIndex <= species->getFormCount())
            shownRecord = species->getFormAt(formIndex - 1);
        else
            formIndex = 0;
    }

    // With no species under the cursor (a filter nobody matches) the figure stands hidden.
    if (figure != nullptr) {
        figure->setShown(shownRecord != nullptr);
        if (shownRecord != nullptr) {
            if (window != nullptr) {
                if (options != nullptr && options->getSizeMode() != 0) {
                    figure->setSprite(window->newCreatureSpriteSized(shownRecord, 0, shownRecord->getSize()),
                                      shownRecord->getConfig());
                    figure->setSize(shownRecord->getSize());
                } else {
                    figure->setSprite(window->newCreatureSprite(shownRecord, 0), shownRecord->getConfig());
                }
            }
            figure->setPersonality(shownRecord->getPersonality());
            figure->playAnimation(1);
        }
    }

    delete displayCreature;
    displayCreature = nullptr;
    if (shownRecord != nullptr) {
        displayCreature = new Zelkin(shownRecord, DISPLAY_LEVEL);
        // Weak species are shown at the level the balance would give them.
        if (options != nullptr && options->getBalance() > 0)
            displayCreature->balanceLevelDefault(options->getBalance());
    }

    // A list that fits in the rows never scrolls, whatever the page keys asked for.
    if (scrollTop < 0 || listSize <= VISIBLE_ROWS) scrollTop = 0;
    if (listSize < VISIBLE_ROWS) {
        for (int r = 0; r < VISIBLE_ROWS; ++r)
            visibleRows[r] = r < listSize ? (*list)[r] : nullptr;
    } else {
        scrollTop = std::min(scrollTop, listSize - VISIBLE_ROWS);
        for (int r = 0; r < VISIBLE_ROWS; ++r)
            visibleRows[r] = (*list)[scrollTop + r];
    }
}

void Scene_Zelkinary::leave() {
    if (particles() != nullptr) particles()->clear();
    alive = false;
}

void Scene_Zelkinary::keyBack() {
    switch (mode) {
    case MODE_MENU:
        leave();
        break;
    case MODE_FILTER:
        mode = MODE_MENU;
        rebuildList();
        break;
    case MODE_LIST:
        mode = MODE_MENU;
        break;
    case MODE_MOVES:
        mode = MODE_LIST;
        break;
    default:
        break;
    }
}

void Scene_Zelkinary::keyUp() {
    if (mode == MODE_FILTER) {
        if (--typeFilter < 0) typeFilter = lastTypeFilter();
    } else if (mode == MODE_LIST && listSize > 0) {
        if (cursor == 0) {
            cursor = listSize - 1;
            scrollTop = listSize - VISIBLE_ROWS;
        } else {
            --cursor;
            if (cursor - scrollTop < KEEP_ABOVE && listSize > VISIBLE_ROWS) scrollTop = cursor - KEEP_ABOVE;
        }
        showSelected();
    } else if (mode == MODE_MOVES) {
        if (moveIndex == 0) {
            moveIndex = MOVE_SLOTS - 1;
            while (moveIndex > 0 && (shownRecord == nullptr || shownRecord->getMoveAt(moveIndex) == nullptr))
                --moveIndex;
        } else {
            --moveIndex;
        }
    }
}

void Scene_Zelkinary::keyDown() {
    if (mode == MODE_FILTER) {
        if (++typeFilter > lastTypeFilter()) typeFilter = 0;
    } else if (mode == MODE_LIST && listSize > 0) {
        if (++cursor > listSize - 1) {
            cursor = 0;
            scrollTop = 0;
        } else if (cursor - scrollTop > KEEP_BELOW && listSize > VISIBLE_ROWS) {
            scrollTop = cursor - KEEP_BELOW;
        }
        showSelected();
    } else if (mode == MODE_MOVES) {
        if (++moveIndex > MOVE_SLOTS - 1 || shownRecord == nullptr ||
            shownRecord->getMoveAt(moveIndex) == nullptr)
            moveIndex = 0;
    }
}

void Scene_Zelkinary::keyLeft() {
    if (mode == MODE_MENU) {
        menuChoice = menuChoice == 0 ? 1 : menuChoice - 1;
    } else if (mode == MODE_LIST && listSize > 0) {
        if (cursor == 0) {
            cursor = listSize - 1;
            scrollTop = listSize - VISIBLE_ROWS;
        } else {
            cursor = std::max(0, cursor - PAGE);
            if (cursor - scrollTop < KEEP_ABOVE) scrollTop = cursor - KEEP_ABOVE;
        }
        showSelected();
    } else if (mode == MODE_MOVES) {
        if (--formIndex < 0) formIndex = formCount();
        moveIndex = 0;
        showSelected();
    }
}

void Scene_Zelkinary::keyRight() {
    if (mode == MODE_MENU) {
        menuChoice = menuChoice == 1 ? 0 : menuChoice + 1;
    } else if (mode == MODE_LIST && listSize > 0) {
        if (cursor == listSize - 1) {
            cursor = 0;
            scrollTop = 0;
        } else {
            cursor = std::min(listSize - 1, cursor + PAGE);
            if (cursor - scrollTop > KEEP_BELOW) scrollTop = cursor - KEEP_BELOW;
        }
        showSelected();
    } else if (mode == MODE_MOVES) {
        if (++formIndex > formCount()) formIndex = 0;
        moveIndex = 0;
        showSelected();
    }
}

void Scene_Zelkinary::keyEnter() {
    if (mode == MODE_MENU) {
        mode = menuChoice == 0 ? MODE_LIST : MODE_FILTER;
    } else if (mode == MODE_FILTER) {
        mode = MODE_LIST;
        rebuildList();
    } else if (mode == MODE_LIST) {
        mode = MODE_MOVES;
    }
}

void Scene_Zelkinary::update() {
    if (controler == nullptr) return;
    if (controler->isPressed(GameControler::KEY_ESCAPE)) {
        leave();
        return;
    }
    if (controler->isPressed(GameControler::KEY_BACK)) {
        keyBack();
        if (!alive) return;
    }
    if (controler->isPressed(GameControler::KEY_SPACE) && figure != nullptr) figure->playAnimation(99);
    if (controler->isPressed(GameControler::KEY_UP)) keyUp();
    if (controler->isPressed(GameControler::KEY_DOWN)) keyDown();
    if (controler->isPressed(GameControler::KEY_LEFT)) keyLeft();
    if (controler->isPressed(GameControler::KEY_RIGHT)) keyRight();
    if (controler->isPressed(GameControler::KEY_ENTER)) keyEnter();
    if (particles() != nullptr) particles()->update();
}

void Scene_Zelkinary::draw() {
    if (window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);

    window->drawBox(window->paletteColor(mode >= MODE_LIST ? 5 : 3), 0, 0, 320, 80);
    window->drawRectBlackOutline(window->paletteColor(menuChoice == 0 ? 9 : 5), 20, 20, 120, 40);
    window->drawSizedText(DefaultStrings::LIBRARY_LIST, 16, 30, 30);
    int findColour = mode == MODE_FILTER ? 3 : menuChoice == 1 ? 9 : 5;
    window->drawRectBlackOutline(window->paletteColor(findColour), 170, 20, 120, 40);
    window->drawSizedText(DefaultStrings::LIBRARY_FIND, 16, 180, 30);
    window->drawSpriteAt(window->typeIconSprite(typeFilter), 260, 30);

    window->drawBox(window->paletteColor(mode == MODE_LIST ? 9 : 5), 0, 80, 320, 400);
    window->drawBox(window->paletteColor(mode == MODE_MOVES ? 9 : 5), 320, 0, 530, 480);

    for (int r = 0; r < VISIBLE_ROWS; ++r) {
        if (visibleRows[r] == nullptr) continue;
        int y = 100 + 30 * r;
        window->drawSizedText(paddedNumber(visibleRows[r]->getNumber()), 16, 40, y);
        window->drawSizedText(visibleRows[r]->getName(), 16, 110, y);
    }
    if (mode >= MODE_LIST) window->drawUiSprite(GameWindow::UI_CURSOR, 20, 100 + 30 * (cursor - scrollTop));

    if (species != nullptr && shownRecord != nullptr) {
        if (particles() != nullptr) particles()->draw();
        window->drawRectBlackOutline(window->paletteColor(15), 472, 36, 216, 110);
        window->drawSpriteAt(window->creatureIconTinted(shownRecord->getShape(), 0, shownRecord->getColour()),
                             480, 40);
        window->drawSizedText(DefaultStrings::LIBRARY_NUMBER + paddedNumber(shownRecord->getNumber()), 16,
                              520, 46);
        window->drawSizedText(shownRecord->getName(), 16, 480, 80);
        if (species->getFormCount() > 0 || !shownRecord->getFormName().empty())
            window->drawSizedText(std::to_string(formIndex + 1) + "/" +
                                      std::to_string(species->getFormCount() + 1),
                                  16, 620, 46);

        window->drawText(DefaultStrings::NAME_TYPE + " :", 480, 110);
        for (int t = 0; t < 2; ++t) {
            ZelkinType* type = shownRecord->getTypeAt(t);
            if (type == nullptr) continue;
            window->drawSpriteAt(window->typeIconSprite(type->getId()), 536, 106 + 20 * t);
            window->drawText(type->getName(), 560, 110 + 20 * t);
        }

        window->drawSizedText(DefaultStrings::NAME_STATISTICS_SHORT + " :", 16, 700, 30);
        const std::string labels[6] = {
            DefaultStrings::NAME_STAT_HP_SHORT,      DefaultStrings::NAME_STAT_ATT_SHORT,
            DefaultStrings::NAME_STAT_DEF_SHORT,     DefaultStrings::NAME_STAT_SPE_ATT_SHORT,
            DefaultStrings::NAME_STAT_SPE_DEF_SHORT, DefaultStrings::NAME_STAT_SPD_SHORT};
        for (int i = 0; i < 6; ++i) {
            int value = shownRecord->getBaseStat(i);
            window->drawText(labels[i] + " : " + std::to_string(value), 700, 60 + 20 * i);
            window->drawGauge(700, 70 + 20 * i, value / 4);
        }

        if (displayCreature != nullptr)
            window->drawText(DefaultStrings::NAME_BALANCED_POWER + " : " +
                                 std::to_string(displayCreature->getPowerRating()),
                             520, 160);
        if (!shownRecord->getFormName().empty())
            window->drawText(DefaultStrings::NAME_FORM + " : " + shownRecord->getFormName(), 520, 174);

        window->drawSizedText(DefaultStrings::NAME_MOVE_PLURIAL + " :", 16, 340, 200);
        if (mode == MODE_MOVES) window->drawUiSprite(GameWindow::UI_CURSOR, 340, 226 + 20 * moveIndex);
        for (int i = 0; 230 + 20 * i < 450; ++i) {
            ZelkinMove* move = shownRecord->getMoveAt(i);
            if (move == nullptr) break;
            int y = 230 + 20 * i;
            if (move->getType() != nullptr)
                window->drawSpriteAt(window->typeIconSprite(move->getType()->getId()), 360, y - 4);
            window->drawText(move->getName(), 380, y);
        }
        if (mode == MODE_MOVES)
            window->drawMoveInfoPanel(shownRecord->getMoveAt(moveIndex), sf::Color(182, 182, 255, 224), 540,
                                      200);
        else
            window->drawRectBlackOutline(sf::Color(96, 96, 96, 224), 540, 200, 280, 250);
    }

    if (mode == MODE_FILTER) {
        window->drawRectBlackOutline(window->paletteColor(3), 170, 60, 120, 400);
        window->drawUiSprite(GameWindow::UI_CURSOR, 174, 70 + 20 * typeFilter);
        GameParser* db = parser;
        int count = db != nullptr ? static_cast<int>(db->getTypes().size()) : 0;
        for (int i = 0; i < count; ++i) {
            ZelkinType* type = db->getTypeAt(i);
            if (type == nullptr) continue;
            window->drawSpriteAt(window->typeIconSprite(type->getId()), 194, 70 + 20 * i);
            window->drawText(i == 0 ? DefaultStrings::GENERAL_NONE : type->getName(), 214, 74 + 20 * i);
        }
    }
    target->display();
}
