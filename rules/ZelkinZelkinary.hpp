// A species record of the creature index: base stats, types, learnable moves, abilities, forms and looks.
#pragma once

#include <string>
#include <vector>

class Animation;
class ZelkinType;
class ZelkinMove;
class ZelkinBuffData;
class ZelkinZelkinaryConfig;

class ZelkinZelkinary {
public:
    // Takes the next species id (the first record gets 1).
    ZelkinZelkinary(const std::string& name, int number);
    // Frees the record's own lists; types, moves, abilities, forms and configuration belong to the database.
    virtual ~ZelkinZelkinary();

    virtual int getId() const;
    // The form sprite number when above 0, else the species number.
    virtual int getSpriteNumber() const;
    virtual int getNumber() const;
    virtual int getLibraryId() const;
    virtual int getFormSpriteNumber() const;
    virtual int getFormCount() const;
    virtual ZelkinZelkinary* getFormAt(int i) const;
    virtual const std::string& getFormName() const;
    virtual ZelkinType* getTypeAt(int i) const;
    // The types in order, read in place.
    const std::vector<ZelkinType*>& getTypes() const { return types; }
    // Null for a species whose types all failed to load.
    virtual ZelkinType* getFirstType() const;
    virtual void addType(ZelkinType* type);
    // Id 0 stands for "any type".
    virtual bool hasTypeId(int id) const;
    // A null type stands for "any type".
    virtual bool hasType(const ZelkinType* type) const;
    virtual int getSize() const;
    virtual int getShape() const;
    virtual int getColour() const;
    virtual int getRarity() const;
    virtual void parseRarity(const std::string& word);
    // Uses the current base stats: call after setBaseStats.
    virtual void parseSizeClass(const std::string& word);
    virtual const std::string& getName() const;
    virtual int getMoveCount() const;
    virtual ZelkinZelkinaryConfig* getConfig() const;
    virtual void setConfig(ZelkinZelkinaryConfig* config);
    virtual ZelkinMove* getMoveAt(int i) const;
    virtual ZelkinMove* findMoveByName(const std::string& name) const;
    // Index order: 0 HP, 1 attack, 2 defence, 3 special attack, 4 special defence, 5 speed; others give HP.
    virtual int getBaseStat(int index) const;
    // colour null: the colour stays as it is.
    virtual void parseShapeAndColour(const std::string& shape, const char* colour);
    // Argument order differs from the storage order (HP, att, def, speed, sp. att, sp. def) on purpose:
    // it follows the order the data files list them in.
    virtual void setBaseStats(int hp, int attack, int defence, int specialAttack, int specialDefence,
                              int speed);
    virtual void addMove(ZelkinMove* move);
    // Room for the types, moves and abilities the loader is about to add, so that the lists do not regrow.
    void reserveLists(int typeCount, int moveCount, int abilityCount) {
        types.reserve(static_cast<std::size_t>(typeCount > 0 ? typeCount : 0));
        moves.reserve(static_cast<std::size_t>(moveCount > 0 ? moveCount : 0));
        abilities.reserve(static_cast<std::size_t>(abilityCount > 0 ? abilityCount : 0));
    }
    virtual void addForm(ZelkinZelkinary* form);
    virtual void setLibraryId(int id);
    virtual void setForm(const std::string& formName, int spriteNumber);
    virtual void addAbility(ZelkinBuffData* ability);
    virtual ZelkinBuffData* pickRandomAbility() const;
    virtual ZelkinBuffData* findAbilityByName(const std::string& name) const;
    virtual ZelkinBuffData* getAbilityAt(int i) const;
    // The blood animation, read in place.
    virtual Animation* getAnimation() const;
    virtual void setAnimation(const Animation& animation);
    void parsePersonality(const std::string& word);

    virtual int getPersonality() const;
    virtual int getTypeCount() const;
    virtual int getAbilityCount() const;
    virtual const std::vector<std::string>& getTags() const;
    virtual void addTag(const std::string& tag);

private:
    ZelkinZelkinary(const ZelkinZelkinary&) = delete;
    ZelkinZelkinary& operator=(const ZelkinZelkinary&) = delete;

    int id;
    std::string name;
    std::string formName;
    std::vector<std::string> tags;
    int number;
    int libraryId = 0;
    int formSpriteNumber = 0;
    std::vector<ZelkinType*> types;
    int personality = 0;
    int shape = 11;
    int colour = 0;
    int size = 150;
    int rarity = 0;
    ZelkinZelkinaryConfig* config = nullptr;
    // Stored HP, attack, defence, speed, special attack, special defence.
    int baseStats[6] = {80, 80, 80, 80, 80, 80};
    std::vector<ZelkinMove*> moves;
    std::vector<ZelkinZelkinary*> forms;
    std::vector<ZelkinBuffData*> abilities;
    // Owned: the blood animation of this species.
    Animation* animation = nullptr;
};
