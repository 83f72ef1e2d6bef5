// A battle engine on a quiet fixture field, with helpers to write command trees and buffs inline.
#pragma once

#include <tinyxml2.h>

#include <memory>
#include <string>
#include <vector>

#include "BattleFixture.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/VariableTable.hpp"
#include "rules/Game_Options.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

class EngineHarness {
public:
    // Side 0 plays Flamby (active), Aquilon, Herbette; side 1 Rocaille (active), Braisier, Marinel.
    // The active members are sent in properly so that each team carries its ability and types.
    EngineHarness() {
        field = world.makeQuietField();
        field->getTeam(0)->setActiveMember(0);
        field->getTeam(1)->setActiveMember(0);
        engine = new GameBattleEngine(field, nullptr, &options);
    }
    ~EngineHarness() {
        delete engine;
        for (QXML_Command* command : trees)
            delete command;
    }

    // A command tree from one element (a <trigger> makes the container root); the harness keeps it.
    QXML_Command* tree(const std::string& xml) {
        QXML_Command* command = parse(xml);
        trees.push_back(command);
        return command;
    }
    // The same, handed over to the caller (triggers take their trees over).
    QXML_Command* parse(const std::string& xml) {
        tinyxml2::XMLDocument document;
        document.Parse(xml.c_str());
        return world.parser->parseEffect(document.FirstChildElement());
    }
    // A buff definition living as long as the harness, with triggers written inline.
    ZelkinBuffData* define(const std::string& name) {
        definitions.emplace_back(new ZelkinBuffData(name));
        return definitions.back().get();
    }
    void addTrigger(ZelkinBuffData* definition, const std::string& when, const std::string& actor,
                    const std::string& body, int priority = 0) {
        definition->addTrigger(when, actor, parse("<trigger>" + body + "</trigger>"), priority);
    }
    // A live buff of the definition put on a side's team.
    ZelkinBuff* give(int side, ZelkinBuffData* definition, int value = 0) {
        ZelkinBuff* buff = new ZelkinBuff(definition, value);
        if (!field->getTeam(side)->addBuff(buff)) {
            delete buff;
            return nullptr;
        }
        return buff;
    }
    // The message log as lines.
    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        std::string text = engine->getLogText();
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
    float var(const std::string& name) { return engine->getVariables()->getVariable(name); }
    void set(const std::string& name, float value) { engine->getVariables()->setVariable(name, value); }
    Zelkin* active(int side) { return field->getTeam(side)->getActive(); }

    // Declared first: definitions must outlive the buffs that the field and the discarded list hold.
    std::vector<std::unique_ptr<ZelkinBuffData>> definitions;
    BattleFixture world;
    Game_Options options;
    GameField* field = nullptr;
    GameBattleEngine* engine = nullptr;
    std::vector<QXML_Command*> trees;
};
