// Script operands as the executor builds them, and the creature variables they read by slot.
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/QX_Variable.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

QX_Variable GameBattleEngine::makeOperand(const std::string& reference, int sourceSide) {
    return QX_Variable(reference, this, variables, sourceSide);
}

float GameBattleEngine::getCreatureSlot(int side, int slot) {
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    if (!team) return 0.0f;
    // The team's own counters read even while no creature is in play.
    switch (slot) {
    case CVAR_MOVE_TURN:
        return static_cast<float>(team->getTurnCounter());
    case CVAR_N_CREATURE:
        return static_cast<float>(team->countAlive());
    case CVAR_LAST_MOVE_SPOT:
        return static_cast<float>(team->getLockedMoveIndex());
    default:
        break;
    }

    Zelkin* creature = team->getActive();
    if (!creature) return 0.0f;
    switch (slot) {
    case CVAR_HP:
        return static_cast<float>(creature->getHp());
    case CVAR_MAX_HP:
        return static_cast<float>(creature->getMaxHp());
    case CVAR_PERCENT_HP:
        return creature->getHpPercent();
    case CVAR_LEVEL:
        return static_cast<float>(creature->getLevel());
    case CVAR_ATT:
    case CVAR_DEF:
    case CVAR_SPE_ATT:
    case CVAR_SPE_DEF:
    case CVAR_SPEED:
    case CVAR_CRIT:
    case CVAR_EVA:
    case CVAR_PRE:
        return computeStat(side, slot - CVAR_ATT);
    default:
        return 0.0f;
    }
}

void GameBattleEngine::creatureTextInto(int side, int slot, std::vector<std::string>& list) {
    // Copied over the list's own texts, which keeps their storage.
    std::vector<const std::string*> refs;
    creatureTextRefs(side, slot, refs);
    list.resize(refs.size());
    for (size_t i = 0; i < refs.size(); ++i)
        list[i] = *refs[i];
}

void GameBattleEngine::creatureTextRefs(int side, int slot, std::vector<const std::string*>& refs) {
    refs.clear();
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    if (!team) return;
    Zelkin* creature = team->getActive();

    switch (slot) {
    case CVAR_TYPE:
        for (int i = 0; ZelkinType* type = team->getTypeAt(i); ++i)
            refs.push_back(&type->getName());
        break;
    case CVAR_TAG:
        if (creature && creature->getSpecies()) {
            for (const std::string& tag : creature->getSpecies()->getTags())
                refs.push_back(&tag);
        }
        break;
    case CVAR_NAME:
        if (creature) refs.push_back(&creature->getName());
        break;
    case CVAR_CREA_TRUENAME:
        if (creature && creature->getSpecies()) refs.push_back(&creature->getSpecies()->getName());
        break;
    case CVAR_ABILITY: {
        ZelkinBuff* ability = team->getAbilityBuff();
        if (ability && ability->getDefinition()) refs.push_back(&ability->getDefinition()->getName());
        break;
    }
    case CVAR_BUFF_LIST:
    case CVAR_LIST_BUFFS:
        for (int i = 0; i < team->getBuffCount(); ++i) {
            ZelkinBuff* buff = team->getBuffAt(i);
            if (buff && buff->isAlive() && buff->getDefinition())
                refs.push_back(&buff->getDefinition()->getName());
        }
        break;
    default:
        break;
    }
}
