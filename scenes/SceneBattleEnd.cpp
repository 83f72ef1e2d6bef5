// The results screen that closes every battle: the winner's banner, the MVP, then the results table.
#include "scenes/SceneBattleEnd.hpp"

#include <SFML/Graphics.hpp>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/Supporter.hpp"
#include "rules/GameBundle.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Stadium.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {

const sf::Color kBlack(0, 0, 0, 255);
const sf::Color kWhite(255, 255, 255, 255);

// Battle counters shown in the statistics boxes.
const int STAT_DAMAGE_DEALT = 0;
const int STAT_KNOCK_OUTS = 2;
const int STAT_DAMAGE_TAKEN = 3;
const int STAT_TURNS = 4;
const int STAT_SUPPORT = 5;
const int STAT_STATUSES = 6;

ParticleEngine* sharedParticles() { return gameBundle ? gameBundle->particleEngine : nullptr; }

int trainerSpriteOf(const TrainerRecord* stats) { return stats ? stats->getSprite() : 0; }

void fillBand(sf::RenderWindow* target, sf::ConvexShape& shape, const sf::Vector2f (&points)[4]) {
    for (int i = 0; i < 4; ++i)
        shape.setPoint(i, points[i]);
    target->draw(shape);
}

} // namespace

std::string SceneBattleEnd::percentText(int tenths) {
    // Single precision and the stream's default format, as the table has always printed them.
    std::ostringstream out;
    out << std::ceil(static_cast<float>(tenths) / 10.0f);
    return out.str();
}

SceneBattleEnd::SceneBattleEnd() = default;

SceneBattleEnd::~SceneBattleEnd() = default;

void SceneBattleEnd::init(GameBattleEngine* engine, ZelkBot* player, ZelkBot* opponent) {
    autoFrames = 0;
    this->engine = engine;
    options = engine ? engine->getOptions() : nullptr;
    field = engine ? engine->getField() : nullptr;
    this->player = player;
    this->opponent = opponent;
    timer = INTRO_FRAMES;
    if (field == nullptr) {
        // Nothing to close: a short intro, then a draw.
        timer = SHORT_INTRO_FRAMES;
        return;
    }
    field->endMatch();
    BattleInformations* informations = field->getBattleInformations();
    if (field->getBestCreature() == nullptr || (informations && informations->isQuiet()))
        timer = SHORT_INTRO_FRAMES;
}

void SceneBattleEnd::handleInput() {
    bool confirm = controler && controler->isPressed(GameControler::KEY_ENTER);
    if (!confirm) {
        if (options == nullptr || options->getAutoInput() == 0) return;
        if (++autoFrames < AUTO_CONFIRM_FRAMES) return;
    }
    autoFrames = 0;
    if (timer > TABLE_FRAMES - 1) {
        // The first confirmation only cuts the intro short: the table slides in.
        timer = TABLE_FRAMES - 1;
        return;
    }
    result = field ? field->getResult() : 3;
    alive = false;
    if (ParticleEngine* particles = sharedParticles()) particles->clear();
}

void SceneBattleEnd::update() {
    if (engine) engine->step();
    if (field && window) {
        std::string remark = field->takeComment();
        if (!remark.empty()) window->setNotice(remark);
    }
    if (ParticleEngine* particles = sharedParticles()) particles->update();
}

void SceneBattleEnd::draw() {
    if (window == nullptr || field == nullptr) {
        if (--timer < 0) timer = 0;
        return;
    }
    sf::RenderWindow* target = window->getRenderWindow();
    const int winner = field->getResult();
    Zelkin* best = field->getBestCreature();
    const int teamSize = options ? options->getTeamSize() : 3;
    const int slide = 45 * timer;

    // A. The stage, standing still.
    BattleInformations* informations = field->getBattleInformations();
    Stadium* stadium = informations ? informations->getStadium() : nullptr;
    if ((stadium && stadium->isUltimate()) || (informations && informations->isQuiet()))
        target->setView(sf::View(sf::FloatRect(142.f, 80.f, 569.f, 320.f)));
    target->clear(kWhite);
    window->drawUiSprite(GameWindow::UI_BACKGROUND, 0, 0);
    if (options && options->getDebug() > 0) {
        for (int y = 71; y < 359; y += 32)
            for (int x = -6; x < 890; x += 32)
                window->drawUiSprite(20, x, y);
    } else if (std::vector<BattleSupporter*>* crowd = field->getSupporters()) {
        for (BattleSupporter* member : *crowd)
            if (Supporter* supporter = dynamic_cast<Supporter*>(member))
                window->drawSpriteAt(supporter->getSprite(), supporter->getX(), supporter->getScreenY());
    }
    if (winner == 1 || winner == 2) {
        ZelkinTeam* team = field->getTeamChecked(winner - 1);
        int sprite = trainerSpriteOf(team ? team->getOwner() : nullptr);
        window->drawSpriteAt(window->setSupporterFrame(sprite, 0), winner == 1 ? 302 : 518, 218);
    }
    if (ParticleEngine* particles = sharedParticles()) particles->draw();
    window->resetView();

    // B. The banner.
    sf::ConvexShape band(4);
    if (winner == 1) {
        band.setFillColor(sf::Color(0, 0, 182, 128));
        fillBand(target, band, {{0, 0}, {853, 0}, {853, 30}, {0, 250}});
        fillBand(target, band, {{853, 480}, {0, 480}, {0, 450}, {853, 230}});
        window->drawConvexShape(kBlack, 0, 450, 853, 230);
        window->drawConvexShape(kBlack, 0, 250, 853, 30);
    } else if (winner == 2) {
        band.setFillColor(sf::Color(182, 0, 0, 128));
        fillBand(target, band, {{853, 0}, {0, 0}, {0, 30}, {853, 250}});
        fillBand(target, band, {{0, 480}, {853, 480}, {853, 450}, {0, 230}});
        window->drawConvexShape(kBlack, 853, 450, 0, 230);
        window->drawConvexShape(kBlack, 853, 250, 0, 30);
    } else {
        band.setFillColor(sf::Color(0, 182, 0, 128));
        fillBand(target, band, {{0, 0}, {853, 0}, {853, 140}, {0, 140}});
        fillBand(target, band, {{853, 480}, {0, 480}, {0, 340}, {853, 340}});
        window->drawConvexShape(kBlack, 0, 140, 853, 140);
        window->drawConvexShape(kBlack, 0, 340, 853, 340);
    }

    if (winner == 1 || winner == 2) {
        const bool left = winner == 1;
        ZelkBot* side = left ? player : opponent;
        ZelkinTeam* team = field->getTeamChecked(winner - 1);
        std::string teamName = team ? team->getName() : std::string();
        int sprite = trainerSpriteOf(side ? side->getTrainerStats() : nullptr);
        window->drawSpriteScaled(window->setSupporterFrame(sprite, 0), left ? 22 : 703, 20, 8);
        if (left) {
            window->drawSizedTextOutlined("VAINQUEUR", 32, 180, 10, kBlack, kWhite);
            window->drawSizedTextOutlined(teamName, 48, 180, 54, kWhite, kBlack);
        } else {
            window->drawSizedTextRightOutlined("VAINQUEUR", 32, 673, 10, kBlack, kWhite);
            window->drawSizedTextRightOutlined(teamName, 48, 673, 54, kWhite, kBlack);
        }
        if (best) {
            if (sf::Sprite* figure = window->setCreatureFrame(best->getSpecies(), left ? 1 : 0)) {
                figure->setScale(4.f, 4.f);
                window->drawSpriteAt(figure, left ? 669 : -20, 296);
                figure->setScale(2.f, 2.f);
            }
            if (left) {
                window->drawSizedTextRightOutlined("MVP", 32, 673, 378, kBlack, kWhite);
                window->drawSizedTextRightOutlined(best->getName(), 48, 673, 422, kWhite, kBlack);
            } else {
                window->drawSizedTextOutlined("MVP", 32, 180, 378, kBlack, kWhite);
                window->drawSizedTextOutlined(best->getName(), 48, 180, 422, kWhite, kBlack);
            }
        }
    } else {
        window->drawSizedTextCenteredOutlined("MATCH NUL", 32, 426, 10, kBlack, kWhite);
    }

    // C. The results table, sliding in over the last ten frames of the intro.
    if (timer < TABLE_FRAMES) {
        int alpha = ((TABLE_FRAMES - timer) * 84) / 10;
        window->drawFilledRect(sf::Color(0, 0, 0, static_cast<sf::Uint8>(alpha)), 0, 0, 853, 480);
        int titleY = 190 - 25 * teamSize - slide;
        int titleColour = winner == 1 ? 3 : (winner == 2 ? 6 : 9);
        window->drawRectBlackOutline(window->paletteColor(titleColour), 210, titleY, 433, 42);
        window->drawSizedTextCentered("R\xE9sultats", 24, 426, titleY + 6);
        for (int row = 0; row < teamSize; ++row) {
            int rowY = 240 + 25 * (2 * row - teamSize);
            drawTableRow(0, row, rowY, slide, best);
            drawTableRow(1, row, rowY, slide, best);
        }
    }

    // D. The team ball panels, while the field's summary countdowns run.
    drawBallPanel(0);
    drawBallPanel(1);

    // E. The commentator's line, the countdown and the frame.
    if (options && options->isCommentatorOn() > 0) window->drawNotice(436, 0);
    if (--timer < 0) timer = 0;
    target->display();
}

void SceneBattleEnd::drawTableRow(int side, int row, int rowY, int slide, Zelkin* best) {
    ZelkinTeam* team = field->getTeamChecked(side);
    Zelkin* creature = team ? team->getMemberAt(row) : nullptr;
    if (creature == nullptr) return;
    const bool left = side == 0;
    const int shift = left ? -slide : slide;
    const bool standing = creature->getHp() != 0;
    const int sideColour = left ? 3 : 6;

    int x = (left ? 210 : 503) + shift;
    window->drawRectBlackOutline(window->paletteColor(standing ? sideColour : 13), x, rowY, 140, 42);
    if (left)
        window->drawText(creature->getName(), 216 + shift, rowY + 4);
    else
        window->drawTextRight(creature->getName(), 629 + shift, rowY + 4);
    int inner = (left ? 216 : 509) + shift;
    window->drawHpBar(inner, rowY + 16, creature->getHpBarWidth());
    window->drawTextRight(std::to_string(creature->getHp()), (left ? 260 : 553) + shift, rowY + 28);
    window->drawText("/", (left ? 268 : 561) + shift, rowY + 28);
    window->drawTextRight(std::to_string(creature->getMaxHp()), (left ? 292 : 585) + shift, rowY + 28);
    window->drawText(window->statusShortName(creature->getStateCode()), inner, rowY + 28);

    if (!creature->isMarked()) return;
    int boxColour = creature == best ? 9 : (standing ? sideColour : 13);
    window->drawRectBlackOutline(window->paletteColor(boxColour), (left ? 26 : 647) + shift, rowY, 180, 42);
    const int first = (left ? 32 : 729) + shift;
    const int second = (left ? 128 : 653) + shift;
    int knockOuts = creature->getBattleStat(STAT_KNOCK_OUTS);
    int dealt = creature->getBattleStat(STAT_DAMAGE_DEALT);
    int taken = creature->getBattleStat(STAT_DAMAGE_TAKEN);
    int statuses = creature->getBattleStat(STAT_STATUSES);
    int support = creature->getBattleStat(STAT_SUPPORT);
    if (knockOuts > 0) window->drawText("K.Os : " + std::to_string(knockOuts), first, rowY + 4);
    if (dealt > 0) window->drawText("DMG  : " + percentText(dealt) + "%", first, rowY + 16);
    if (taken > 0) window->drawText("Taken: " + percentText(taken) + "%", first, rowY + 28);
    window->drawText("Turns: " + std::to_string(creature->getBattleStat(STAT_TURNS)), second, rowY + 4);
    if (statuses > 0) window->drawText("Stat.: " + std::to_string(statuses), second, rowY + 16);
    if (support > 0) window->drawText("Supp.: " + std::to_string(support), second, rowY + 28);
}

void SceneBattleEnd::drawBallPanel(int side) {
    if (field->getTimer(2 + side) <= 0 || options == nullptr || options->getDynamicBars() != 1) return;
    ZelkinTeam* team = field->getTeamChecked(side);
    const bool left = side == 0;
    window->drawRectBlackOutline(window->paletteColor(left ? 3 : 6), left ? 148 : 602, 266, 110, 36);
    std::string name = team ? team->getName() : std::string();
    if (left)
        window->drawText(name, 154, 272);
    else
        window->drawTextRight(name, 700, 272);
    for (int k = 0; k < 6; ++k) {
        Zelkin* member = team ? team->getMemberAt(k) : nullptr;
        int kind = 0;
        if (member == nullptr)
            kind = 3;
        else if (member->getStateCode() == 7)
            kind = 2;
        else if (member->getStateCode() > 0)
            kind = 1;
        window->drawSpriteAt(window->ballIconSprite(kind), left ? 154 + 16 * k : 688 - 16 * k, 284);
    }
}
