// A species record of the creature index.
#include "rules/ZelkinZelkinary.hpp"

#include <algorithm>
#include <atomic>
#include <string_view>

#include "rules/Animation.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"

namespace {
// Species ids start at 1 and are never reused during a run.
std::atomic<int> lastSpeciesId{0};

// Storage slots of the six base stats.
enum StoredStat { STORED_HP, STORED_ATT, STORED_DEF, STORED_SPEED, STORED_SPE_ATT, STORED_SPE_DEF };

// The words carry their length, so that a word read from a file is told from most entries by its length.
struct WordCode {
    std::string_view word;
    int code;
};

const WordCode shapeWords[] = {
    {"GRASS", 0},    {"FIRE", 1},     {"DRAGON", 2},  {"TURTLE", 3},  {"COBRA", 4},    {"BUTTERFLY", 5},
    {"INSECT", 6},   {"BIRD", 7},     {"CAT", 8},     {"SNAKE", 9},   {"ZAPPLET", 10}, {"ZELKIN", 11},
    {"FEE", 12},     {"TOLLUMP", 13}, {"BAT", 14},    {"FLOWER", 15}, {"MOLE", 16},    {"FIGHT", 17},
    {"TADPOLE", 18}, {"PUPPET", 19},  {"POULP", 20},  {"ROCK", 21},   {"DOG", 22},     {"DROWSEL", 23},
    {"BALL", 24},    {"NESS", 25},    {"POISON", 26}, {"SHELL", 27},  {"GHOST", 28},   {"FISH", 29},
    {"STAR", 30},    {"VORNITH", 31}, {"VEK", 32},    {"TREE", 33},   {"GLYPHIC", 34}, {"ORV", 35},
    {"PHIX", 36},    {"EGG", 37},
};

const WordCode colourWords[] = {
    {"RED", 1},       {"BLUE", 2},        {"GREEN", 3},      {"CYAN", 4},   {"PURPLE", 5},
    {"ORANGE", 6},    {"PINK", 7},        {"GREY", 8},       {"GRAY", 8},   {"BLACK", 9},
    {"DARK_RED", 10}, {"DARK_GREEN", 11}, {"DARK_BLUE", 12}, {"BROWN", 13},
};

const WordCode personalityWords[] = {
    {"Normal", 0},  {"Ball", 1}, {"Mole", 2},  {"Snake", 3},    {"Fish", 4},      {"Cat", 5},   {"Fairy", 6},
    {"Acrobat", 7}, {"Bird", 8}, {"Ghost", 9}, {"Psychic", 10}, {"Menacing", 11}, {"Lazy", 12},
};

const WordCode sizeWords[] = {
    {"XXXXL", 100}, {"XXXL", 80}, {"XXL", 60},  {"XL", 40},    {"L", 20},
    {"S", -15},     {"XS", -30},  {"XXS", -45}, {"XXXS", -75},
};

const WordCode rarityWords[] = {{"Legende", 1}, {"Mythique", 2}, {"Fabuleux", 3}};

template <size_t N> const WordCode* findWord(const WordCode (&table)[N], std::string_view word) {
    for (const WordCode& entry : table)
        if (word == entry.word) return &entry;
    return nullptr;
}

// The way a figure moves on screen follows from its body shape unless the data
// says otherwise.
int personalityForShape(int shape) {
    switch (shape) {
    case 24:
    case 30:
        return 1;
    case 16:
        return 2;
    case 4:
    case 9:
    case 31:
        return 3;
    case 29:
        return 4;
    case 8:
    case 22:
        return 5;
    case 12:
    case 13:
    case 19:
        return 6;
    case 7:
    case 14:
    case 35:
    case 36:
        return 8;
    case 28:
        return 9;
    case 23:
    case 32:
        return 12;
    default:
        return 0;
    }
}
} // namespace

ZelkinZelkinary::ZelkinZelkinary(const std::string& name, int number)
    : id(++lastSpeciesId), name(name), number(number), animation(new Animation(nullptr)) {}

ZelkinZelkinary::~ZelkinZelkinary() { delete animation; }

int ZelkinZelkinary::getId() const { return id; }
int ZelkinZelkinary::getSpriteNumber() const { return formSpriteNumber > 0 ? formSpriteNumber : number; }
int ZelkinZelkinary::getNumber() const { return number; }
int ZelkinZelkinary::getLibraryId() const { return libraryId; }
int ZelkinZelkinary::getFormSpriteNumber() const { return formSpriteNumber; }
int ZelkinZelkinary::getFormCount() const { return static_cast<int>(forms.size()); }

ZelkinZelkinary* ZelkinZelkinary::getFormAt(int i) const {
    if (i < 0 || i >= getFormCount()) return nullptr;
    return forms[i];
}

const std::string& ZelkinZelkinary::getFormName() const { return formName; }

ZelkinType* ZelkinZelkinary::getTypeAt(int i) const {
    if (i < 0 || i >= getTypeCount()) return nullptr;
    return types[i];
}

ZelkinType* ZelkinZelkinary::getFirstType() const { return types.empty() ? nullptr : types.front(); }

void ZelkinZelkinary::addType(ZelkinType* type) {
    if (!type) return;
    if (std::find(types.begin(), types.end(), type) == types.end()) types.push_back(type);
}

bool ZelkinZelkinary::hasTypeId(int typeId) const {
    if (typeId == 0) return true;
    for (ZelkinType* type : types)
        if (type->getId() == typeId) return true;
    return false;
}

bool ZelkinZelkinary::hasType(const ZelkinType* type) const {
    if (!type) return true;
    return std::find(types.begin(), types.end(), type) != types.end();
}

int ZelkinZelkinary::getSize() const { return size; }
int ZelkinZelkinary::getShape() const { return shape; }
int ZelkinZelkinary::getColour() const { return colour; }
int ZelkinZelkinary::getRarity() const { return rarity; }

void ZelkinZelkinary::parseRarity(const std::string& word) {
    const WordCode* entry = findWord(rarityWords, word);
    rarity = entry ? entry->code : 0;
}

void ZelkinZelkinary::parseSizeClass(const std::string& word) {
    // 64 bits: six clamped stats can sum past the int range.
    long long total = 0;
    for (int stat : baseStats)
        total += stat;
    long long value;
    if (total < 500)
        value = total / 5;
    else if (total <= 525)
        value = 100;
    else
        value = 100 + (total - 525) / 5;
    if (const WordCode* entry = findWord(sizeWords, word)) value += entry->code;
    size = static_cast<int>(std::max(50LL, std::min(200LL, value)));
}

const std::string& ZelkinZelkinary::getName() const { return name; }
int ZelkinZelkinary::getMoveCount() const { return static_cast<int>(moves.size()); }
ZelkinZelkinaryConfig* ZelkinZelkinary::getConfig() const { return config; }
void ZelkinZelkinary::setConfig(ZelkinZelkinaryConfig* value) { config = value; }

ZelkinMove* ZelkinZelkinary::getMoveAt(int i) const {
    if (i < 0 || i >= getMoveCount()) return nullptr;
    return moves[i];
}

ZelkinMove* ZelkinZelkinary::findMoveByName(const std::string& moveName) const {
    for (ZelkinMove* move : moves)
        if (move->getName() == moveName) return move;
    return nullptr;
}

int ZelkinZelkinary::getBaseStat(int index) const {
    switch (index) {
    case 1:
        return baseStats[STORED_ATT];
    case 2:
        return baseStats[STORED_DEF];
    case 3:
        return baseStats[STORED_SPE_ATT];
    case 4:
        return baseStats[STORED_SPE_DEF];
    case 5:
        return baseStats[STORED_SPEED];
    default:
        return baseStats[STORED_HP];
    }
}

void ZelkinZelkinary::parseShapeAndColour(const std::string& shapeWord, const char* colourWord) {
    const WordCode* entry = findWord(shapeWords, shapeWord);
    shape = entry ? entry->code : 11;
    personality = personalityForShape(shape);
    if (colourWord)
        if (const WordCode* found = findWord(colourWords, colourWord)) colour = found->code;
}

void ZelkinZelkinary::setBaseStats(int hp, int attack, int defence, int specialAttack, int specialDefence,
                                   int speed) {
    baseStats[STORED_HP] = hp;
    baseStats[STORED_ATT] = attack;
    baseStats[STORED_DEF] = defence;
    baseStats[STORED_SPEED] = speed;
    baseStats[STORED_SPE_ATT] = specialAttack;
    baseStats[STORED_SPE_DEF] = specialDefence;
}

void ZelkinZelkinary::addMove(ZelkinMove* move) {
    if (move) moves.push_back(move);
}

void ZelkinZelkinary::addForm(ZelkinZelkinary* form) {
    if (form) forms.push_back(form);
}

void ZelkinZelkinary::setLibraryId(int value) { libraryId = value; }

void ZelkinZelkinary::setForm(const std::string& value, int spriteNumber) {
    formName = value;
    formSpriteNumber = spriteNumber;
}

void ZelkinZelkinary::addAbility(ZelkinBuffData* ability) {
    if (ability) abilities.push_back(ability);
}

ZelkinBuffData* ZelkinZelkinary::pickRandomAbility() const {
    if (abilities.empty()) return nullptr;
    PseudoRNG rng;
    int k = rng.random(getAbilityCount());
    return getAbilityAt(k);
}

ZelkinBuffData* ZelkinZelkinary::findAbilityByName(const std::string& abilityName) const {
    for (ZelkinBuffData* ability : abilities)
        if (ability->getName() == abilityName) return ability;
    return nullptr;
}

ZelkinBuffData* ZelkinZelkinary::getAbilityAt(int i) const {
    if (i < 0 || i >= getAbilityCount()) return nullptr;
    return abilities[i];
}

Animation* ZelkinZelkinary::getAnimation() const { return animation; }

void ZelkinZelkinary::setAnimation(const Animation& value) { *animation = value; }

void ZelkinZelkinary::parsePersonality(const std::string& word) {
    if (const WordCode* entry = findWord(personalityWords, word)) personality = entry->code;
}

int ZelkinZelkinary::getPersonality() const { return personality; }
int ZelkinZelkinary::getTypeCount() const { return static_cast<int>(types.size()); }
int ZelkinZelkinary::getAbilityCount() const { return static_cast<int>(abilities.size()); }
const std::vector<std::string>& ZelkinZelkinary::getTags() const { return tags; }
void ZelkinZelkinary::addTag(const std::string& tag) { tags.push_back(tag); }
