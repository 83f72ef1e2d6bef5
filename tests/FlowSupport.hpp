// A battle engine on a fixture field, with scripted participants that play it frame by frame.
#pragma once

#include <tinyxml2.h>

#include <memory>
#include <string>
#include <vector>

#include "BattleFixture.hpp"
#include "battle/ActionSocket.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "battle/VariableTable.hpp"
#include "rules/Game_Options.hpp"
#include "rules/QXML_Command.hpp"

inline GameOrder* moveOrder(int slot) {
    GameOrder* order = new GameOrder();
    order->setMove(slot);
    return order;
}

inline GameOrder* switchOrder(int member) {
    GameOrder* order = new GameOrder();
    order->setSwitch(member);
    return order;
}

// The first member other than the active one that can still fight; -1 when none.
inline int firstReplacement(ZelkinTeam* team) {
    for (int i = 0; Zelkin* member = team->getMemberAt(i); ++i)
        if (member->getHp() > 0 && member != team->getActive()) return i;
    return -1;
}

// The scripted participant: a replacement when asked for one, else the first move the marks allow (from the
// turn's slot onwards when rotating, so that every move gets used), else a switch, else giving up. The
// caller owns the order.
inline GameOrder* scriptedOrder(GameField* field, int side, bool rotate = false) {
    ZelkinTeam* team = field->getTeam(side);
    if (field->getRequest(side) >= 2) {
        int member = firstReplacement(team);
        return member >= 0 ? switchOrder(member) : new GameOrder();
    }
    int start = rotate ? field->getTurn() % 4 : 0;
    for (int k = 0; k < 4; ++k) {
        int slot = (start + k) % 4;
        if (team->getMemberMark(slot) >= 1) return moveOrder(slot);
    }
    int member = firstReplacement(team);
    if (member >= 0 && team->getMemberMark(4) >= 1) return switchOrder(member);
    return new GameOrder();
}

class FlowHarness {
public:
    // Side 0 (Red) and side 1 (Blue) as the fixture fills them; a quiet battle unless told otherwise.
    explicit FlowHarness(bool quiet = true,
                         const std::vector<std::string>& side0 = {"Flamby", "Aquilon", "Herbette"},
                         const std::vector<std::string>& side1 = {"Rocaille", "Braisier", "Marinel"}) {
        field = quiet ? world.makeField(BattleInformations::MODE_SECRET, 0, "Arene Test", side0, side1)
                      : world.makeField(0, 0, "Arene Test", side0, side1);
        engine = new GameBattleEngine(field, nullptr, &options);
    }
    ~FlowHarness() { delete engine; }
    FlowHarness(const FlowHarness&) = delete;
    FlowHarness& operator=(const FlowHarness&) = delete;

    // Puts member 0 of each side in play without running the opening actions.
    void sendInFirstMembers() {
        field->getTeam(0)->setActiveMember(0);
        field->getTeam(1)->setActiveMember(0);
    }

    // Steps until a side is asked for input or the battle is decided; false when the limit is reached.
    bool runUntilInput(int limit = 5000) {
        for (int i = 0; i < limit; ++i) {
            if (field->getState() >= GameField::STATE_DECIDED) return true;
            if (field->getOpenRequest(0) > 0 || field->getOpenRequest(1) > 0) return true;
            engine->step();
        }
        return false;
    }

    // One frame of the battle screen: the participants answer open requests, then the engine steps.
    void frame() {
        for (int side = 0; side < 2; ++side)
            if (field->getOpenRequest(side) > 0) field->setOrder(side, scriptedOrder(field, side, rotate));
        engine->step();
    }

    // Plays the battle to its very end, closing the match once the result is decided; the frames used, or
    // -1 when the limit is reached first.
    int playToEnd(int limit) {
        for (int frames = 0; frames < limit; ++frames) {
            int state = field->getState();
            bool idle = field->getActionList().empty() && field->getCurrentAction() == nullptr;
            if (state == GameField::STATE_CLOSED && idle) return frames;
            if (state == GameField::STATE_DECIDED && idle) field->endMatch();
            frame();
        }
        return -1;
    }

    // A buff definition living as long as the harness, with one trigger written inline.
    ZelkinBuffData* define(const std::string& name, const std::string& when, const std::string& actor,
                           const std::string& body) {
        definitions.emplace_back(new ZelkinBuffData(name));
        tinyxml2::XMLDocument document;
        document.Parse(("<trigger>" + body + "</trigger>").c_str());
        definitions.back()->addTrigger(when, actor, world.parser->parseEffect(document.FirstChildElement()),
                                       0);
        return definitions.back().get();
    }
    // Puts a live buff of the definition on a side's team.
    ZelkinBuff* give(int side, ZelkinBuffData* definition, int duration = 0) {
        ZelkinBuff* buff = new ZelkinBuff(definition, 0);
        buff->setDuration(duration);
        if (!field->getTeam(side)->addBuff(buff)) {
            delete buff;
            return nullptr;
        }
        return buff;
    }
    // Runs one action at once, as the step would.
    void run(ActionSocket* action) {
        field->pushFrontAction(action);
        field->popAction();
        engine->processAction();
    }

    Zelkin* active(int side) { return field->getTeam(side)->getActive(); }
    std::vector<int> listTypes() {
        std::vector<int> types;
        for (ActionSocket* action : field->getActionList())
            types.push_back(action->getType());
        return types;
    }
    std::vector<int> queueTypes() {
        std::vector<int> types;
        for (ActionSocket* action : field->getOrderQueue())
            types.push_back(action->getType());
        return types;
    }
    std::vector<int> queueSides() {
        std::vector<int> sides;
        for (ActionSocket* action : field->getOrderQueue())
            sides.push_back(action->getSource());
        return sides;
    }

    // Whether the scripted participants vary their moves from turn to turn.
    bool rotate = false;
    // Declared first: definitions outlive the buffs that the teams and the discarded list hold.
    std::vector<std::unique_ptr<ZelkinBuffData>> definitions;
    BattleFixture world;
    Game_Options options;
    GameField* field = nullptr;
    GameBattleEngine* engine = nullptr;
};
