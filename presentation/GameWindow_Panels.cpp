// The battle information panels: HP bar, stat gauges, list entries, creature, statistics and move panels,
// and the short French names they show.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "presentation/GameWindow.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBattleStat.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"

namespace {
const int HP_BAR_SEGMENTS = 48;
const int GAUGE_SEGMENTS = 50;

// Palette numbers of the power figure: special moves and the others.
int powerColour(int category) { return category == 2 ? 17 : 16; }

// Gauge length of a stat, scaled by the ruleset's base level; no base level gives an empty gauge.
int gaugeLength(int value, int baseLevel, int divisor) {
    if (baseLevel <= 0) return 0;
    int64_t length = static_cast<int64_t>(value) * 50 / baseLevel / divisor;
    return static_cast<int>(std::max<int64_t>(std::min<int64_t>(length, GAUGE_SEGMENTS), 0));
}

// Damage counters hold tenths of a percent, shown rounded up to a whole percent.
std::string percentText(int tenths) {
    int64_t whole = (static_cast<int64_t>(tenths) + 9) / 10;
    return std::to_string(whole) + "%";
}

// Texts are ISO-8859-1 bytes; the accented letters are written as their byte values.
const char* effectLine(int damageKind) {
    switch (damageKind) {
    case 2:
        return "Frappe avant le switch adverse.";
    case 3:
        return "Ne marche qu'au premier tour de l'utilisateur.";
    case 5:
        return "Inflige 20 points de d\xe9"
               "g\xe2"
               "ts.";
    case 6:
        return "Inflige 40 points de d\xe9"
               "g\xe2"
               "ts.";
    case 7:
        return "D\xe9"
               "g\xe2"
               "ts \xe9"
               "quivalents au niveau de \nl'utilisateur.";
    case 8:
        return "Met l'utilisateur K.O.";
    case 9:
        return "L'utilisateur perd des PV si il \nrate l'attaque.";
    case 10:
        return "Met K.O en un coup.";
    case 11:
        return "Frappe sur l'autre type de \nd\xe9"
               "fense.";
    case 13:
        return "La puissance de l'attaque d\xe9"
               "pend\ndes HP de l'utilisateur.";
    case 14:
        return "Ne prend pas en compte les \nbuffs adverses.";
    case 15:
        return "Inflige la moiti\xe9"
               " des d\xe9"
               "g\xe2"
               "ts du\nZelkin adverse.";
    default:
        return nullptr;
    }
}
} // namespace

void GameWindow::drawHpBar(int x, int y, int width) {
    drawUiSprite(UI_LIFEBAR, x, y);
    sf::Sprite* cell = uiSprites[UI_HPBAR];
    if (cell == nullptr) return;
    int left = width > 24 ? 0 : width >= 11 ? 2 : 4;
    cell->setTextureRect(sf::IntRect(left, 0, 2, 4));
    // An animated width that overshoots still stays inside the frame.
    int segments = std::min(width, HP_BAR_SEGMENTS);
    for (int i = segments - 1; i >= 0; --i)
        drawSpriteAt(cell, x + 30 + 2 * i, y + 2);
}

void GameWindow::drawGauge(int x, int y, int n) {
    sf::Sprite* cell = uiSprites[UI_HPBAR];
    if (cell == nullptr || n <= 0) return;
    cell->setTextureRect(sf::IntRect(6, 0, 2, 4));
    int m = std::min(n, GAUGE_SEGMENTS);
    for (int i = m - 1; i >= 0; --i)
        drawSpriteAt(cell, x + 2 * i, y);
}

void GameWindow::drawCreatureEntry(Zelkin* creature, sf::Color colour, int number, int x, int y, int frame) {
    if (creature == nullptr) {
        drawRectBlackOutline(paletteColor(13), x, y, 106, 56);
        drawText("???", x + 4, y + 4);
        drawSpriteAt(creatureIcon(34, frame), x + 42, y + 14);
        return;
    }
    drawRectBlackOutline(colour, x, y, 106, 56);
    if (number > 0) drawSizedText(std::to_string(number), 16, x + 14, y + 20);
    drawText(creature->getName(), x + 4, y + 4);
    drawSpriteAt(creatureIconTinted(creature->getShape(), frame, creature->getSpeciesColour()), x + 42,
                 y + 14);
    if (ZelkinType* type = creature->getType(0)) drawSpriteAt(typeIconSprite(type->getId()), x + 78, y + 14);
    if (ZelkinType* type = creature->getType(1)) drawSpriteAt(typeIconSprite(type->getId()), x + 78, y + 30);
}

void GameWindow::drawCreatureInfoPanel(Zelkin* creature, sf::Color colour, bool withStats, int x, int y) {
    drawBox(colour, x, y, 426, 220);
    if (creature == nullptr) return;
    drawSizedText(creature->getName(), 16, x + 30, y + 18);
    drawSizedText("Lv:" + std::to_string(creature->getLevel()), 16, x + 300, y + 18);
    drawSpriteAt(setCreatureFrame(creature->getSpecies(), 0), x + 20, y + 46);

    drawText("Type :", x + 30, y + 168);
    if (ZelkinType* type = creature->getType(0)) {
        drawSpriteAt(typeIconSprite(type->getId()), x + 90, y + 164);
        drawText(type->getName(), x + 110, y + 168);
    }
    if (ZelkinType* type = creature->getType(1)) {
        drawSpriteAt(typeIconSprite(type->getId()), x + 90, y + 184);
        drawText(type->getName(), x + 110, y + 188);
    }
    if (!withStats) return;

    struct StatLine {
        const char* label;
        int value;
        int dx;
        int dy;
        int divisor;
    };
    const StatLine lines[] = {{"PV  : ", creature->getMaxHp(), 170, 40, 6},
                              {"Vit : ", creature->getSpeed(), 290, 40, 1},
                              {"Att : ", creature->getAttack(), 170, 62, 1},
                              {"Def : ", creature->getDefence(), 290, 62, 1},
                              {"SAt : ", creature->getSpecialAttack(), 170, 84, 1},
                              {"SDf : ", creature->getSpecialDefence(), 290, 84, 1}};
    for (const StatLine& line : lines) {
        drawText(line.label + std::to_string(line.value), x + line.dx, y + line.dy);
        drawGauge(x + line.dx, y + line.dy + 12, gaugeLength(line.value, baseLevel, line.divisor));
    }

    ZelkinBuff* ability = creature->getAbility();
    if (ability != nullptr && ability->getDefinition() != nullptr)
        drawText(ability->getDefinition()->getName(), x + 190, y + 110);

    for (int i = 0; i < 4; ++i) {
        ZelkinMove* move = creature->getMove(i);
        if (move == nullptr) continue;
        int rowY = y + 130 + 20 * i;
        if (ZelkinType* type = move->getType()) drawSpriteAt(typeIconSprite(type->getId()), x + 190, rowY);
        if (move->getPower() > 0)
            drawTextColored(std::to_string(move->getPower()), x + 210, rowY,
                            paletteColor(powerColour(move->getCategory())));
        drawText(move->getName(), x + 250, rowY);
    }
}

void GameWindow::drawBattleStatsPanel(Zelkin* creature, sf::Color colour, bool withStats, int x, int y) {
    drawCreatureInfoPanel(creature, colour, withStats, x, y);
    std::shared_ptr<ZelkinBattleStat> record =
        creature != nullptr ? creature->getBattleStatRecord() : nullptr;
    if (!record) return;
    drawBox(colour, x + 426, y - 50, 200, 380);

    struct StatRow {
        const char* label;
        int counter;
        int dy;
        bool sized;
        bool percent;
    };
    const StatRow rows[] = {{"Choisi", 8, -30, true, false},
                            {"MVP", 7, 10, true, false},
                            {"K.O inflig\xe9s", 2, 50, false, false},
                            {"Tomb\xe9 K.O", 9, 90, false, false},
                            {"D\xe9"
                             "g\xe2"
                             "ts inflig\xe9s",
                             0, 130, false, true},
                            {"D\xe9"
                             "g\xe2"
                             "ts re\xe7us",
                             3, 170, false, true},
                            {"Tours en vie", 4, 210, false, false},
                            {"Statuts inflig\xe9s", 6, 250, false, false},
                            {"Attaque de soutien", 5, 290, false, false}};
    for (const StatRow& row : rows) {
        int value = record->get(row.counter);
        if (value <= 0) continue;
        if (row.sized)
            drawSizedText(row.label, 12, x + 446, y + row.dy);
        else
            drawText(row.label, x + 446, y + row.dy);
        std::string shown = row.percent ? percentText(value) : std::to_string(value);
        drawSizedTextRight(shown, 12, x + 606, y + row.dy + 12);
    }
}

void GameWindow::drawMoveInfoPanel(ZelkinMove* move, sf::Color colour, int x, int y) {
    drawRectBlackOutline(colour, x, y, 280, 250);
    if (move == nullptr) return;
    drawSizedText(move->getName(), 16, x + 10, y + 10);

    drawText("Type :", x + 10, y + 50);
    if (ZelkinType* type = move->getType()) {
        drawSpriteAt(typeIconSprite(type->getId()), x + 110, y + 46);
        drawText(type->getName(), x + 130, y + 50);
    }
    drawText("Cat\xe9gorie :", x + 10, y + 64);
    drawText(categoryName(move->getCategory()), x + 110, y + 64);
    drawText("PP :", x + 10, y + 76);
    drawText(std::to_string(move->getPp()), x + 110, y + 76);
    drawText("Pr\xe9"
             "cision :",
             x + 10, y + 88);
    drawText(move->getPrecision() > 0 ? std::to_string(move->getPrecision()) : std::string("-"), x + 110,
             y + 88);
    if (move->getCategory() != 0) {
        drawText("Puissance :", x + 10, y + 100);
        if (move->getPower() > 0)
            drawTextColored(std::to_string(move->getPower()), x + 110, y + 100,
                            paletteColor(powerColour(move->getCategory())));
        else
            drawText("-", x + 110, y + 100);
    }
    if (const char* line = effectLine(move->getDamageKind())) drawText(line, x + 10, y + 120);
}

std::string GameWindow::statusShortName(int code) {
    static const char* const names[] = {"", "PSN", "PSX", "PAR", "BRU", "SOM", "GEL", "K.O"};
    return code >= 0 && code <= 7 ? names[code] : "";
}

std::string GameWindow::categoryName(int category) {
    if (category == 1) return "Physique";
    if (category == 2) return "Special";
    return "Statut";
}

std::string GameWindow::weatherName(int code) {
    static const char* const names[] = {"", "Pluie", "Soleil",
                                        "Gr\xea"
                                        "le",
                                        "Sable"};
    return code >= 0 && code <= 4 ? names[code] : "";
}
