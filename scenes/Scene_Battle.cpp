// The battle screen: the team pick, then one battle frame by frame, then the results screen.
#include "scenes/Scene_Battle.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "players/SelectTeam.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/Supporter.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"
#include "scenes/SceneBattleEnd.hpp"
#include "scenes/Scene_Battle_Presentation.hpp"

namespace {

const int MOVE_SLOTS = 4;
// Choice flag of the switch, after the four move slots.
const int SWITCH_CHOICE = 4;
// The move slot the engine turns into its fallback move.
const int FALLBACK_SLOT = 4;
const int TEAM_PLACES = 6;
const int KNOCKED_OUT = 7;
// The creature menu's cells as (column, row): member i sits at column i / 3, row i % 3.
const int CREATURE_CELLS = 6;

const sf::Color kBlack(0, 0, 0, 255);
const sf::Color kWhite(255, 255, 255, 255);
const sf::Color kWaitingBox(255, 255, 255, 224);
const sf::Color kDarken(0, 0, 0, 84);

ParticleEngine* particleEngine() { return gameBundle != nullptr ? gameBundle->particleEngine : nullptr; }

void clearParticles() {
    if (ParticleEngine* particles = particleEngine()) particles->clear();
}

std::string number(int value) { return std::to_string(value); }

// Without a ruleset the battle is fought at the permissive defaults.
struct RulesetView {
    int baseLevel = 50;
    int balanceMinPower = 525;
    bool autobalance = true;
};

RulesetView currentRules(TeamBuilder* builder) {
    RulesetView view;
    GameParser* parser = builder != nullptr ? builder->getParser() : nullptr;
    Ruleset* ruleset = parser != nullptr ? parser->getCurrentRuleset() : nullptr;
    if (ruleset != nullptr) {
        view.baseLevel = ruleset->baseLevel;
        view.balanceMinPower = ruleset->balanceMinPower;
        view.autobalance = ruleset->autobalance;
    }
    return view;
}

bool isBot(ZelkBot* participant) { return participant != nullptr && participant->isControlledByBot() == 1; }

} // namespace

Scene_Battle::Scene_Battle() = default;

Scene_Battle::~Scene_Battle() {
    // A decision started for this battle may still be running: its participant works on a snapshot taken
    // on this thread, but the engine and the field it came from stay until the worker is done with it.
    for (ZelkBot* participant : participants)
        if (participant != nullptr) participant->waitForDecision();
    for (SelectTeam*& selection : selections) {
        // Picked creatures pass to the field's team when the match starts; before that they are the
        // list's, which only frees the ones never picked.
        if (selection != nullptr && !teamsHandedOver)
            for (int i = 0; i < selection->getPickCount(); ++i)
                delete selection->getPicked(i);
        delete selection;
        selection = nullptr;
    }
    delete engine;
}

SelectTeam* Scene_Battle::getSelection(int side) const {
    return side == 0 || side == 1 ? selections[side] : nullptr;
}

bool Scene_Battle::pressed(int button) { return controler != nullptr && controler->isPressed(button); }

bool Scene_Battle::down(int button) { return controler != nullptr && controler->isDown(button); }

void Scene_Battle::init(TeamBuilder* builder, Game_Options* battleOptions, ZelkBot* player, ZelkBot* opponent,
                        BattleInformations* info) {
    teamBuilder = builder;
    options = battleOptions;
    participants[0] = player;
    participants[1] = opponent;
    cursor = 0;
    lastMove = 0;
    phase = PHASE_SELECTION;
    menu = MENU_COMMAND;
    blinkCounter = 0;

    // Nothing to fight on: the creator reads a draw.
    if (teamBuilder == nullptr || teamBuilder->getParser() == nullptr || options == nullptr) {
        delete info;
        result = RESULT_DRAW;
        alive = false;
        return;
    }

    RulesetView rules = currentRules(teamBuilder);
    if (window != nullptr) {
        if (options->getDebug() > 0)
            window->loadImgTexture("debug_background.png");
        else if (info != nullptr && info->getStadium() != nullptr)
            window->loadImgTexture(info->getStadium()->getFile());
        window->randomTextColor(options->getCommentatorColor());
        window->baseLevel = rules.baseLevel;
    }

    field = new GameField(teamBuilder->getParser(), info, window);
    engine = new GameBattleEngine(field, window, options);

    for (int side = 0; side < 2; ++side) {
        ZelkBot* participant = participants[side];
        // A participant without a single creature could never complete its pick: treated as missing.
        if (participant == nullptr || participant->countMembers() == 0) {
            result = RESULT_DRAW;
            alive = false;
            return;
        }
        participant->resetMemory();
        participant->setSide(side);
        std::string name;
        participant->getName(name);
        ZelkinTeam* team = field->getTeamChecked(side);
        team->setOwner(participant->getTrainerStats());
        team->setName(name);

        // A team smaller than the setting fights with all it has, so that its pick can be completed.
        int capacity = std::min(options->getTeamSize(), participant->countMembers());
        selections[side] = new SelectTeam(name, capacity);
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
            Zelkin* copy = participant->cloneMember(i);
            if (copy == nullptr) continue;
            if (options->getBalance() != 0 && rules.autobalance)
                copy->balanceLevel(options->getBalance(), rules.baseLevel, rules.balanceMinPower);
            else
                copy->setLevel(rules.baseLevel);
            selections[side]->addMember(copy);
        }
    }

    Scene_Battle_Presentation* opening = prepareChild(new Scene_Battle_Presentation());
    opening->init(field, options, player, opponent, selections[0], selections[1]);
    child = opening;
}

// ---------------------------------------------------------------------------------------------------
// Frame logic

void Scene_Battle::update() {
    if (field == nullptr || engine == nullptr || !alive) return;
    if (phase == PHASE_SELECTION)
        updateSelection();
    else
        updateBattle();
}

void Scene_Battle::updateSelection() {
    if (pressed(GameControler::KEY_UP)) cursor = (cursor + 4) % 6;
    if (pressed(GameControler::KEY_DOWN)) cursor = (cursor + 2) % 6;
    if (pressed(GameControler::KEY_LEFT)) cursor = (cursor + 5) % 6;
    if (pressed(GameControler::KEY_RIGHT)) cursor = (cursor + 1) % 6;

    if (!(isBot(participants[0]) && isBot(participants[1]))) {
        if (pressed(GameControler::KEY_ENTER)) selections[0]->pick(cursor + 1);
        for (int digit = GameControler::KEY_1; digit <= GameControler::KEY_6; ++digit) {
            if (pressed(digit)) {
                selections[0]->pick(digit);
                break;
            }
        }
        bool windowOpen =
            window == nullptr || window->getRenderWindow() == nullptr || window->getRenderWindow()->isOpen();
        if (pressed(GameControler::KEY_BACK) && windowOpen) selections[0]->unpick();
    }

    // A computer side gives -1 on the frames on which it does not pick; pick(0) adds nothing then, but
    // closes a list that already holds all its picks.
    for (int side : {1, 0}) {
        if (selections[side]->isFull() || !isBot(participants[side])) continue;
        int other = 1 - side;
        selections[side]->pick(participants[side]->pickTeamMember(selections[side], selections[other]) + 1);
    }

    if (selections[0]->isFull() && selections[1]->isFull()) startMatch();
}

void Scene_Battle::startMatch() {
    for (int side = 0; side < 2; ++side) {
        ZelkinTeam* team = field->getTeamChecked(side);
        for (int i = 0; i < selections[side]->getCapacity(); ++i)
            team->addMember(selections[side]->getPicked(i));
        teamBuilder->clearUsed();
    }
    teamsHandedOver = true;
    field->startMatch();
    phase = PHASE_BATTLE;
    cursor = 0;
}

bool Scene_Battle::anyDecisionRunning() {
    for (ZelkBot* participant : participants)
        if (participant != nullptr && participant->isThinking()) return true;
    return false;
}

void Scene_Battle::updateBattle() {
    if (field->getState() == GameField::STATE_CLOSED && child == nullptr) {
        // The creator deletes this screen, its engine and its field as soon as it finishes: not while a
        // decision that this battle started is still on its way.
        if (anyDecisionRunning()) return;
        result = field->getResult();
        clearParticles();
        alive = false;
        return;
    }
    collectOrder(0);
    collectOrder(1);
    engine->step();
    if (ParticleEngine* particles = particleEngine()) particles->update();

    std::string remark = field->takeComment();
    BattleInformations* info = field->getBattleInformations();
    bool quiet = info != nullptr && info->isQuiet();
    if (!remark.empty() && !quiet && window != nullptr) window->setNotice(remark);
}

void Scene_Battle::collectOrder(int side) {
    ZelkBot* participant = participants[side];
    if (participant == nullptr) return;
    if (isBot(participant)) participant->decideOrder(engine);
    int request = field->getOpenRequest(side);
    if (request <= 0 || !participant->isOrderReady()) return;
    GameOrder* order = participant->takeOrder();
    if (order == nullptr) return;
    if (isOrderAcceptable(side, request, order))
        field->setOrder(side, order);
    else
        delete order;
}

bool Scene_Battle::isOrderAcceptable(int side, int request, GameOrder* order) {
    ZelkinTeam* team = field->getTeamChecked(side);
    if (team == nullptr) return false;
    Zelkin* active = team->getActive();
    if (order->getKind() == GameOrder::KIND_MOVE) {
        if (request != 1 || active == nullptr || active->getHp() <= 0) return false;
        int slot = order->getMoveSlot();
        if (slot == FALLBACK_SLOT) {
            // The decision makers ask for the fallback move exactly when none of the creature's moves can
            // be chosen, as the player's "Attaque" does; refusing it would leave the battle waiting for
            // an order that never comes.
            for (int i = 0; i < MOVE_SLOTS; ++i)
                if (team->getMemberMark(i) > 0 && active->getMove(i) != nullptr && active->getPp(i) > 0)
                    return false;
            return true;
        }
        return active->getMove(slot) != nullptr && active->getPp(slot) > 0;
    }
    if (order->getKind() == GameOrder::KIND_SWITCH) {
        Zelkin* member = team->getMemberAt(order->getSwitchTarget());
        return member != nullptr && member != active && member->getHp() > 0;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------------
// The player's menus

bool Scene_Battle::isChoiceOpen(int i) {
    ZelkinTeam* team = field->getTeamChecked(0);
    return team != nullptr && team->getMemberMark(i) > 0;
}

bool Scene_Battle::canSwitchTo(int member) {
    ZelkinTeam* team = field->getTeamChecked(0);
    if (team == nullptr || !isChoiceOpen(SWITCH_CHOICE)) return false;
    Zelkin* creature = team->getMemberAt(member);
    return creature != nullptr && creature->getHp() > 0 && creature != team->getActive();
}

void Scene_Battle::giveMoveOrder(int slot) {
    GameOrder* order = new GameOrder();
    order->setMove(slot);
    field->setOrder(0, order);
}

void Scene_Battle::giveSwitchOrder(int member) {
    GameOrder* order = new GameOrder();
    order->setSwitch(member);
    field->setOrder(0, order);
}

void Scene_Battle::giveForfeitOrder() { field->setOrder(0, new GameOrder()); }

// One creature-menu cursor step that skips empty cells. Each walk is bounded by the number of cells, so
// a cursor left on an empty cell of a small team cannot spin for ever.
void Scene_Battle::moveCreatureCursor(int step, bool downwards) {
    ZelkinTeam* team = field->getTeamChecked(0);
    auto empty = [&](int cell) { return team == nullptr || team->getMemberAt(cell) == nullptr; };
    cursor = (cursor + step) % CREATURE_CELLS;
    for (int guard = 0; guard < CREATURE_CELLS && empty(cursor); ++guard) {
        if (step == 5) {
            if (cursor <= 0) break;
            cursor -= 1;
        } else {
            if (cursor == 0) break;
            cursor = (cursor + (downwards ? 1 : 3)) % CREATURE_CELLS;
        }
    }
}

void Scene_Battle::handleInput() {
    if (field == nullptr || engine == nullptr || !alive) return;

    if (field->getState() == GameField::STATE_DECIDED &&
        (pressed(GameControler::KEY_ENTER) || field->getCurrentAction() == nullptr)) {
        // A computer side writes the result into its career record the first time its decideOrder sees
        // the field decided. The results screen closes the field at once, so a battle cut short by Enter
        // would otherwise never be recorded. An order still held is for a turn that will not come and is
        // dropped; a side that has already recorded the result records nothing more here.
        for (ZelkBot* participant : participants) {
            if (!isBot(participant)) continue;
            if (participant->isOrderReady()) delete participant->takeOrder();
            participant->decideOrder(engine);
        }
        clearParticles();
        SceneBattleEnd* results = prepareChild(new SceneBattleEnd(), inheritedFlag);
        results->init(engine, participants[0], participants[1]);
        child = results;
        return;
    }
    if (phase == PHASE_SELECTION) return;

    int request = field->getOpenRequest(0);
    if (request == 0 || isBot(participants[0])) return;
    if (request == 2) menu = MENU_CREATURES;

    static const int entries[] = {3, 4, 6, 2};
    int n = entries[menu];
    if (menu == MENU_CREATURES) {
        if (pressed(GameControler::KEY_UP)) moveCreatureCursor(5, false);
        if (pressed(GameControler::KEY_DOWN)) moveCreatureCursor(1, true);
        if (pressed(GameControler::KEY_LEFT)) moveCreatureCursor(3, false);
        if (pressed(GameControler::KEY_RIGHT)) moveCreatureCursor(3, false);
    } else {
        if (pressed(GameControler::KEY_UP)) cursor = (cursor - 2 + n) % n;
        if (pressed(GameControler::KEY_DOWN)) cursor = (cursor + 2) % n;
        if (pressed(GameControler::KEY_LEFT)) cursor = (cursor - 1 + n) % n;
        if (pressed(GameControler::KEY_RIGHT)) cursor = (cursor + 1) % n;
    }

    ZelkinTeam* team = field->getTeamChecked(0);
    if (pressed(GameControler::KEY_ENTER)) {
        switch (menu) {
        case MENU_COMMAND: {
            int chosen = cursor;
            menu = chosen + 1;
            if (chosen == 0) {
                cursor = lastMove;
                bool anyOpen = false;
                for (int i = 0; i < MOVE_SLOTS; ++i)
                    anyOpen = anyOpen || isChoiceOpen(i);
                if (!anyOpen) {
                    giveMoveOrder(FALLBACK_SLOT);
                    cursor = 0;
                    lastMove = 0;
                    menu = MENU_COMMAND;
                }
            } else if (chosen == 1) {
                cursor = team != nullptr ? team->getActiveIndex() : 0;
            } else {
                cursor = 0;
            }
            break;
        }
        case MENU_MOVES:
            if (isChoiceOpen(cursor)) {
                giveMoveOrder(cursor);
                lastMove = cursor;
                cursor = 0;
                menu = MENU_COMMAND;
            }
            break;
        case MENU_CREATURES:
            if (canSwitchTo(cursor)) {
                giveSwitchOrder(cursor);
                cursor = 0;
                lastMove = 0;
                menu = MENU_COMMAND;
            }
            break;
        default:
            if (cursor == 1) {
                giveForfeitOrder();
                cursor = 0;
            } else {
                cursor = 2;
            }
            lastMove = 0;
            menu = MENU_COMMAND;
            break;
        }
    }

    int digit = 0;
    for (int key = GameControler::KEY_1; key <= GameControler::KEY_6; ++key)
        if (pressed(key)) digit = key;

    bool windowOpen =
        window == nullptr || window->getRenderWindow() == nullptr || window->getRenderWindow()->isOpen();
    if (pressed(GameControler::KEY_BACK) && windowOpen && request != 2) {
        menu = MENU_COMMAND;
        cursor = 0;
    }

    if (digit <= 0) return;
    switch (menu) {
    case MENU_COMMAND:
        if (digit <= 3) menu = digit;
        break;
    case MENU_MOVES:
        if (digit <= MOVE_SLOTS && isChoiceOpen(digit - 1)) {
            giveMoveOrder(digit - 1);
            lastMove = digit - 1;
            menu = MENU_COMMAND;
            cursor = 0;
        }
        break;
    case MENU_CREATURES:
        if (canSwitchTo(digit - 1)) {
            giveSwitchOrder(digit - 1);
            lastMove = 0;
            menu = MENU_COMMAND;
            cursor = 0;
        }
        break;
    default:
        if (digit == 2) {
            giveForfeitOrder();
            lastMove = 0;
            menu = MENU_COMMAND;
            cursor = 0;
        }
        break;
    }
}

// ---------------------------------------------------------------------------------------------------
// Drawing

int Scene_Battle::blinkPhase() const { return (blinkCounter % 6) / 3; }

bool Scene_Battle::isNarrowView() {
    BattleInformations* info = field->getBattleInformations();
    if (info == nullptr) return false;
    Stadium* stadium = info->getStadium();
    return (stadium != nullptr && stadium->isUltimate()) || info->isQuiet();
}

int Scene_Battle::ballKind(ZelkinTeam* team, int i) {
    Zelkin* member = team != nullptr ? team->getMemberAt(i) : nullptr;
    if (member == nullptr) return 3;
    if (member->getHp() <= 0) return 2;
    if (member->getStatus() != nullptr) return 1;
    return 0;
}

void Scene_Battle::draw() {
    if (!alive || field == nullptr || field->getState() >= GameField::STATE_CLOSED) return;
    sf::RenderWindow* target = window != nullptr ? window->getRenderWindow() : nullptr;
    if (target == nullptr) {
        // Nothing to show, but the crowd and the blinking keep their pace.
        if (phase == PHASE_SELECTION && options->getDebug() <= 0) field->updateSupporters();
        blinkCounter = (blinkCounter + 1) % 30;
        return;
    }
    if (isNarrowView()) target->setView(sf::View(sf::FloatRect(142.f, 80.f, 569.f, 320.f)));
    target->clear(kWhite);
    window->drawUiSprite(GameWindow::UI_BACKGROUND, 0, 0);

    if (phase == PHASE_SELECTION) {
        drawSelection();
    } else {
        drawFloor();
        bool waiting = field->getState() == GameField::STATE_WAITING;
        if (waiting || options->getDynamicBars() == 0) drawFullPanels();
        drawPopups();
        drawBuffLists(waiting);
        drawBottom();
        if (options->isCommentatorOn() > 0) {
            BattleInformations* info = field->getBattleInformations();
            if (info == nullptr || !info->isQuiet()) window->drawNotice(436, 0);
        }
        if (options->getDebug() > 0) drawDebug();
        if (down(GameControler::KEY_D2)) drawThinkingLogs();
    }

    blinkCounter = (blinkCounter + 1) % 30;
    target->display();
}

void Scene_Battle::drawCrowd(bool step) {
    if (step) field->updateSupporters();
    std::vector<BattleSupporter*>* crowd = field->getSupporters();
    if (crowd == nullptr) return;
    for (BattleSupporter* member : *crowd)
        if (Supporter* supporter = dynamic_cast<Supporter*>(member))
            window->drawSpriteAt(supporter->getSprite(), supporter->getX(), supporter->getScreenY());
}

void Scene_Battle::drawSelection() {
    if (options->getDebug() <= 0) drawCrowd(true);
    window->resetView();
    window->drawFilledRect(kDarken, 0, 0, 853, 480);

    SelectTeam* own = selections[0];
    SelectTeam* other = selections[1];
    auto spriteOf = [](ZelkBot* participant) {
        TrainerStats* stats = participant != nullptr ? participant->getTrainerStats() : nullptr;
        return stats != nullptr ? stats->getSprite() : 1;
    };
    window->drawRectBlackOutline(window->paletteColor(3), 52, 6, 286, 40);
    window->drawSpriteAt(window->setSupporterFrame(spriteOf(participants[0]), 0), 62, 8);
    window->drawSizedText(own->getName(), 16, 104, 14);
    window->drawRectBlackOutline(window->paletteColor(6), 516, 6, 286, 40);
    window->drawSpriteAt(window->setSupporterFrame(spriteOf(participants[1]), 0), 760, 8);
    window->drawSizedTextRight(other->getName(), 16, 744, 14);

    window->drawSizedTextOutlined("VS", 64, 364, 130, kBlack, kWhite);

    int frame = blinkPhase();
    for (int i = 0; i < TEAM_PLACES; ++i)
        window->drawCreatureEntry(other->getMember(i), window->paletteColor(6), i + 1, 696 - 140 * (i % 2),
                                  60 + 66 * (i / 2), frame);
    bool choosing = !isBot(participants[0]) && !own->isFull();
    for (int i = 0; i < TEAM_PLACES; ++i) {
        int colour = (choosing && i == cursor) ? 9 : 3;
        window->drawCreatureEntry(own->getMember(i), window->paletteColor(colour), i + 1, 52 + 140 * (i % 2),
                                  60 + 66 * (i / 2), frame);
    }
    if (choosing && own->getPickCount() >= own->getCapacity()) {
        window->drawRectBlackOutline(window->paletteColor(9), 62, 136, 226, 36);
        window->drawSizedText("Confirmer ?", 16, 76, 144);
    }

    window->drawRectBlackOutline(window->paletteColor(own->isFull() ? 9 : 3), 312, 60, 26, 188);
    for (int k = 0; k < own->getCapacity(); ++k)
        window->drawSpriteAt(window->ballIconSprite(k < own->getPickCount() ? 0 : 3), 318, 66 + 20 * k);
    window->drawRectBlackOutline(window->paletteColor(other->isFull() ? 9 : 6), 516, 60, 26, 188);
    for (int k = 0; k < other->getCapacity(); ++k)
        window->drawSpriteAt(window->ballIconSprite(k < other->getPickCount() ? 0 : 3), 522, 66 + 20 * k);

    window->drawCreatureInfoPanel(own->getMember(cursor), window->paletteColor(3), true, 0, 260);
    window->drawCreatureInfoPanel(other->getMember(cursor), window->paletteColor(6), false, 427, 260);
}

// The debug floor grid is not drawn: its tile has no picture of its own.
void Scene_Battle::drawFloor() {
    if (options->getDebug() <= 0) drawCrowd(false);
    for (int side = 0; side < 2; ++side) {
        ZelkinTeam* team = field->getTeamChecked(side);
        TrainerRecord* stats = team != nullptr ? team->getOwner() : nullptr;
        if (stats == nullptr) continue;
        window->drawSpriteAt(window->setSupporterFrame(stats->getSprite(), side + 1), side == 0 ? 186 : 634,
                             218);
    }
    if (ParticleEngine* particles = particleEngine()) particles->draw();
    window->resetView();
}

void Scene_Battle::drawFullPanels() {
    ZelkinTeam* own = field->getTeamChecked(0);
    ZelkinTeam* other = field->getTeamChecked(1);

    window->drawRectBlackOutline(window->paletteColor(3), 20, 20, 220, 70);
    Zelkin* active = own->getActive();
    if (active == nullptr || own->isActionBlocked()) {
        window->drawSizedText(own->getName(), 16, 24, 24);
    } else {
        window->drawSizedText(active->getName(), 16, 24, 24);
        window->drawTextRight(number(own->getDisplayedHp()), 68, 44);
        window->drawText("/", 76, 44);
        window->drawTextRight(number(active->getMaxHp()), 100, 44);
        window->drawText("Lv:" + number(active->getLevel()), 124, 44);
        window->drawHpBar(24, 56, own->getHpBarLength());
        window->drawText(active->getStatusText(), 160, 56);
    }

    window->drawRectBlackOutline(window->paletteColor(6), 612, 20, 220, 70);
    active = other->getActive();
    if (active == nullptr || other->isActionBlocked()) {
        window->drawSizedTextRight(other->getName(), 16, 828, 24);
    } else {
        window->drawSizedTextRight(active->getName(), 16, 828, 24);
        window->drawTextRight(number(active->getMaxHp()), 792, 44);
        window->drawText("/", 768, 44);
        window->drawTextRight(number(other->getDisplayedHp()), 760, 44);
        window->drawText("Lv:" + number(active->getLevel()), 680, 44);
        window->drawHpBar(700, 56, other->getHpBarLength());
        window->drawText(active->getStatusText(), 668, 56);
    }

    for (int i = 0; i < TEAM_PLACES; ++i) {
        window->drawSpriteAt(window->ballIconSprite(ballKind(own, i)), 52 + 16 * i, 70);
        window->drawSpriteAt(window->ballIconSprite(ballKind(other, i)), 808 - 16 * i, 70);
    }
}

void Scene_Battle::drawPopups() {
    if (options->getDynamicBars() != 1) return;
    ZelkinTeam* own = field->getTeamChecked(0);
    ZelkinTeam* other = field->getTeamChecked(1);

    if (field->getTimer(0) > 0) {
        window->drawRectBlackOutline(window->paletteColor(3), 186, 112, 140, 42);
        if (Zelkin* active = own->getActive()) {
            window->drawText(active->getName(), 192, 116);
            window->drawHpBar(192, 128, own->getHpBarLength());
            window->drawTextRight(number(own->getDisplayedHp()), 236, 140);
            window->drawText("/", 244, 140);
            window->drawTextRight(number(active->getMaxHp()), 268, 140);
            window->drawText(active->getStatusText(), 292, 140);
        }
    }
    if (field->getTimer(1) > 0) {
        window->drawRectBlackOutline(window->paletteColor(6), 524, 112, 140, 42);
        if (Zelkin* active = other->getActive()) {
            window->drawTextRight(active->getName(), 650, 116);
            window->drawHpBar(530, 128, other->getHpBarLength());
            window->drawTextRight(number(active->getMaxHp()), 622, 140);
            window->drawText("/", 598, 140);
            window->drawTextRight(number(other->getDisplayedHp()), 590, 140);
            window->drawText(active->getStatusText(), 542, 140);
        }
    }
    if (field->getTimer(2) > 0) {
        window->drawRectBlackOutline(window->paletteColor(3), 148, 266, 110, 36);
        window->drawText(own->getName(), 154, 272);
        for (int i = 0; i < TEAM_PLACES; ++i)
            window->drawSpriteAt(window->ballIconSprite(ballKind(own, i)), 154 + 16 * i, 284);
    }
    if (field->getTimer(3) > 0) {
        window->drawRectBlackOutline(window->paletteColor(6), 602, 266, 110, 36);
        window->drawTextRight(other->getName(), 700, 272);
        for (int i = 0; i < TEAM_PLACES; ++i)
            window->drawSpriteAt(window->ballIconSprite(ballKind(other, i)), 688 - 16 * i, 284);
    }
}

void Scene_Battle::drawBuffLists(bool waiting) {
    bool dynamic = options->getDynamicBars() == 1;
    auto shown = [&](int timer) { return waiting || (dynamic && field->getTimer(timer) > 0); };
    if (shown(4)) {
        int y = 120;
        for (const ZelkinBuffBattleDesc& line : field->getTeamChecked(0)->getBattleDescription()) {
            int code = line.getColor();
            window->drawRectSoftOutline(window->paletteColor(code), -10, y, code == 15 ? 120 : 200, 26);
            window->drawSizedText(line.getText(), 12, 8, y + 6);
            y += 30;
        }
    }
    if (shown(5)) {
        int y = 120;
        for (const ZelkinBuffBattleDesc& line : field->getTeamChecked(1)->getBattleDescription()) {
            int code = line.getColor();
            if (code == 15)
                window->drawRectSoftOutline(window->paletteColor(code), 743, y, 120, 26);
            else
                window->drawRectSoftOutline(window->paletteColor(code), 663, y, 200, 26);
            window->drawSizedTextRight(line.getText(), 12, 845, y + 6);
            y += 30;
        }
    }
    if (shown(6)) {
        int y = 0;
        for (const ZelkinBuffBattleDesc& line : field->getBuffDescriptions()) {
            int code = line.getColor();
            if (code == 15)
                window->drawRectSoftOutline(window->paletteColor(code), 346, y, 160, 26);
            else
                window->drawRectSoftOutline(window->paletteColor(code), 296, y, 260, 26);
            window->drawSizedTextCentered(line.getText(), 12, 426, y + 6);
            y += 30;
        }
    }
}

void Scene_Battle::drawBottom() {
    if (field->getState() != GameField::STATE_WAITING) {
        std::string message = field->getVisibleMessage();
        if (!message.empty()) {
            window->drawBox(window->paletteColor(0), 80, 360, 692, 120);
            window->drawSizedText(message, 12, 110, 380);
        }
        return;
    }
    if (field->getOpenRequest(0) == 0 || isBot(participants[0])) {
        window->drawBox(kWaitingBox, 200, 390, 453, 60);
        window->drawSizedText("En attente . . .", 16, 300, 410);
        return;
    }
    switch (menu) {
    case MENU_COMMAND: {
        bool switchOpen = isChoiceOpen(SWITCH_CHOICE);
        int colours[3] = {cursor == 0 ? 9 : 3, 0, cursor == 2 ? 9 : 3};
        colours[1] = switchOpen ? (cursor == 1 ? 9 : 3) : (cursor == 1 ? 7 : 1);
        static const char* const labels[3] = {"1 : Attaque", "2 : Zelkin", "3 : Forfait"};
        for (int i = 0; i < 3; ++i) {
            window->drawRectBlackOutline(window->paletteColor(colours[i]), 80 + 230 * i, 380, 210, 60);
            window->drawSizedText(labels[i], 16, 90 + 230 * i, 400);
        }
        break;
    }
    case MENU_MOVES:
        drawMoveMenu();
        break;
    case MENU_CREATURES:
        drawCreatureMenu();
        break;
    default:
        window->drawRectBlackOutline(window->paletteColor(3), 80, 360, 693, 40);
        window->drawSizedText("D\351clarer forfait ?", 16, 260, 370);
        window->drawRectBlackOutline(window->paletteColor(cursor == 0 ? 9 : 3), 200, 410, 200, 60);
        window->drawRectBlackOutline(window->paletteColor(cursor == 1 ? 9 : 3), 420, 410, 200, 60);
        window->drawSizedText("1 : Non", 16, 230, 430);
        window->drawSizedText("2 : Oui", 16, 450, 430);
        break;
    }
}

void Scene_Battle::drawMoveMenu() {
    Zelkin* active = field->getTeamChecked(0)->getActive();
    if (down(GameControler::KEY_SPACE))
        window->drawMoveInfoPanel(active != nullptr ? active->getMove(cursor) : nullptr,
                                  window->paletteColor(9), 286, 60);
    for (int i = 0; i < MOVE_SLOTS; ++i) {
        int x = 80 + 345 * (i % 2);
        int y = 320 + 80 * (i / 2);
        bool open = isChoiceOpen(i);
        int colour = open ? (i == cursor ? 9 : 3) : (i == cursor ? 7 : 13);
        window->drawRectBlackOutline(window->paletteColor(colour), x, y, 335, 70);
        ZelkinMove* move = active != nullptr ? active->getMove(i) : nullptr;
        if (move == nullptr) continue;
        window->drawSizedText(move->getName(), 16, x + 6, y + 10);
        window->drawSizedText(number(i + 1) + " :", 16, x + 10, y + 40);
        if (ZelkinType* type = move->getType()) {
            window->drawSpriteAt(window->typeIconSprite(type->getId()), x + 60, y + 44);
            window->drawText(type->getName(), x + 80, y + 44);
        }
        window->drawSizedText("PP:", 16, x + 160, y + 44);
        window->drawSizedTextRight(number(active->getPp(i)), 16, x + 258, y + 44);
        window->drawSizedText("/", 16, x + 258, y + 44);
        window->drawSizedTextRight(number(move->getPp()), 16, x + 306, y + 44);
    }
}

void Scene_Battle::drawCreatureMenu() {
    ZelkinTeam* team = field->getTeamChecked(0);
    Zelkin* active = team->getActive();
    if (down(GameControler::KEY_SPACE)) {
        Zelkin* shown = team->getMemberAt(cursor);
        int colour = shown != nullptr && shown->getHp() > 0 ? 9 : 13;
        window->drawCreatureInfoPanel(shown, window->paletteColor(colour), true, 213, 20);
    }
    for (int i = 0; i < TEAM_PLACES; ++i) {
        Zelkin* member = team->getMemberAt(i);
        if (member == nullptr) continue;
        int x = 80 + 345 * (i / 3);
        int y = 240 + 80 * (i % 3);
        bool standing = member->getHp() > 0;
        int colour;
        if (i == cursor)
            colour = standing && member != active ? 9 : 7;
        else
            colour = !standing ? 13 : (member == active ? 1 : 3);
        window->drawRectBlackOutline(window->paletteColor(colour), x, y, 335, 70);
        window->drawSizedText(member->getName(), 16, x + 6, y + 6);
        window->drawSizedText(number(i + 1) + " : ", 16, x + 6, y + 30);
        int frame = (i == cursor && member->getStateCode() != KNOCKED_OUT) ? blinkPhase() : 0;
        window->drawSpriteAt(
            window->creatureIconTinted(member->getShape(), frame, member->getSpeciesColour()), x + 56,
            y + 30);
        if (ZelkinType* first = member->getType(0))
            window->drawSpriteAt(window->typeIconSprite(first->getId()), x + 90, y + 30);
        if (ZelkinType* second = member->getType(1))
            window->drawSpriteAt(window->typeIconSprite(second->getId()), x + 90, y + 46);
        window->drawHpBar(x + 110, y + 30, member->getHpBarWidth());
        window->drawSizedTextRight(number(member->getHp()), 16, x + 184, y + 42);
        window->drawSizedText("/", 16, x + 184, y + 42);
        window->drawSizedTextRight(number(member->getMaxHp()), 16, x + 248, y + 42);
        window->drawSizedText(member->getStatusText(), 16, x + 264, y + 42);
    }
}

void Scene_Battle::drawDebug() {
    auto requestLine = [&](int side) {
        return number(field->getOpenRequest(side)) + " (" + number(field->getRequest(side)) + ")";
    };
    // A side without an active creature shows no MVP figure.
    auto mvpLine = [&](int side) {
        Zelkin* active = field->getTeamChecked(side)->getActive();
        return active != nullptr ? number(active->getMvpPoints()) : std::string();
    };
    window->drawMediumText("DEBUG", 24, 80);
    window->drawMediumText("State : " + number(field->getState()), 24, 92);
    window->drawMediumText("J1 can play : " + requestLine(0), 24, 104);
    window->drawMediumText("J2 can play : " + requestLine(1), 24, 116);
    window->drawMediumText("Hype 1 : " + number(field->getSupport(0)), 24, 128);
    window->drawMediumText("Hype 2 : " + number(field->getSupport(1)), 24, 140);
    window->drawMediumText("MVP Points 1 : " + mvpLine(0), 24, 152);
    window->drawMediumText("MVP Points 2 : " + mvpLine(1), 24, 164);
    window->drawMediumText("Last Move 1 : " + number(field->getTeamChecked(0)->getLockedMoveIndex()), 24,
                           186);
    window->drawMediumText("Last Move 2 : " + number(field->getTeamChecked(1)->getLockedMoveIndex()), 24,
                           198);
}

void Scene_Battle::drawThinkingLogs() {
    for (int side = 0; side < 2; ++side) {
        if (!isBot(participants[side])) continue;
        std::string log;
        participants[side]->getThinkingLog(log);
        window->drawSizedTextOutlined(log, 12, side == 0 ? 24 : 604, 290, window->paletteColor(3), kBlack);
    }
}
