// The effect commands of the data files: their opcodes and the element names that give them.
#pragma once

#include <string>
#include <string_view>

// Opcodes are the positions in COMMAND_OPCODE_NAMES; the engine dispatches on them.
enum CommandOpcode : int {
    CMD_DISPLAY_MESSAGE = 0,
    CMD_SUB_EFFECT = 1,
    CMD_SET_VARIABLE = 2,
    CMD_ADD_BUFF = 3,
    CMD_REMOVE_BUFF = 4,
    CMD_ADD_STATUT = 5,
    CMD_REMOVE_STATUT = 6,
    CMD_MODIFY_STAT = 7,
    CMD_ADDITION_VARIABLE = 8,
    CMD_SUBSTRACT_VARIABLE = 9,
    CMD_MULTIPLY_VARIABLE = 10,
    CMD_DIVIDE_VARIABLE = 11,
    CMD_NUMBER_COMPARE = 12,
    CMD_STRING_COMPARE = 13,
    CMD_END_EFFECT = 14,
    CMD_DAMAGE = 15,
    CMD_HEAL = 16,
    CMD_ADD_EVENT = 17,
    CMD_DIE = 18,
    CMD_CANCEL = 19,
    CMD_ADD_GLOBAL = 20,
    CMD_REMOVE_GLOBAL = 21,
    CMD_EFFECTIVENESS_CHECK = 22,
    CMD_IMMUNITY_CHECK = 23,
    CMD_FORCE_CHANGE = 24,
    CMD_PREPARE_CHANGE = 25,
    CMD_ADD_TYPE = 26,
    CMD_REMOVE_TYPE = 27,
    CMD_CHANGE_TYPE = 28,
    CMD_CHANGE_ABILITY = 29,
    CMD_QUICK_MOVE = 30,
    CMD_DROP_ACTUAL_MOVE = 31,
    CMD_SET_POWER_SWITCH = 32,
    CMD_MODULO_VARIABLE = 33,
    CMD_LOCK_MOVE = 34,
    CMD_SELF_ANIM = 35,
};

constexpr int COMMAND_OPCODE_COUNT = 36;

// The element name of each opcode, indexed by opcode.
inline constexpr const char* COMMAND_OPCODE_NAMES[] = {
    "DisplayMessage",
    "SubEffect",
    "SetVariable",
    "AddBuff",
    "RemoveBuff",
    "AddStatut",
    "RemoveStatut",
    "ModifyStat",
    "AdditionVariable",
    "SubstractVariable",
    "MultiplyVariable",
    "DivideVariable",
    "NumberCompare",
    "StringCompare",
    "EndEffect",
    "Damage",
    "Heal",
    "AddEvent",
    "Die",
    "Cancel",
    "AddGlobal",
    "RemoveGlobal",
    "EffectivenessCheck",
    "ImmunityCheck",
    "ForceChange",
    "PrepareChange",
    "AddType",
    "RemoveType",
    "ChangeType",
    "ChangeAbility",
    "QuickMove",
    "DropActualMove",
    "SetPowerSwitch",
    "ModuloVariable",
    "LockMove",
    "SelfAnim",
};

static_assert(sizeof(COMMAND_OPCODE_NAMES) / sizeof(COMMAND_OPCODE_NAMES[0]) == COMMAND_OPCODE_COUNT,
              "one name per opcode");

// The opcode of an element name (exact, case-sensitive), or -1 when the name is no command.
int commandOpcodeFromName(std::string_view name);

// The element name of an opcode, or the empty text outside 0 .. COMMAND_OPCODE_COUNT - 1.
std::string commandOpcodeName(int opcode);
