// Species records, libraries and the creature library loader.
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>

#include "TestSupport.hpp"
#include "rules/Animation.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"
#include "rules/ZelkinZelkinaryList.hpp"

namespace {
int sizeFor(int hp, int attack, int defence, int specialAttack, int specialDefence, int speed,
            const std::string& word) {
    ZelkinZelkinary species("S", 1);
    species.setBaseStats(hp, attack, defence, specialAttack, specialDefence, speed);
    species.parseSizeClass(word);
    return species.getSize();
}

bool logged(const std::string& line) {
    const auto& lines = errorLogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Types, subtypes, abilities and moves of the fixtures, loaded the way start-up loads them.
struct SpeciesDatabase {
    ScratchDir dir;
    GameParser parser;
    SpeciesDatabase() {
        parser.loadTypes(fixturePath("species/types.xml"));
        parser.loadSubtypes(fixturePath("species/subtypes.xml"));
        parser.loadAbilities(fixturePath("species/abilities.xml"));
        parser.loadMoves(fixturePath("species/moves.xml"));
        resetErrorLog();
    }
    ZelkinZelkinary* listed(const std::string& name) {
        for (ZelkinZelkinary* species : parser.getSpeciesList())
            if (species->getName() == name) return species;
        return nullptr;
    }
};
} // namespace

TEST(ZelkinZelkinary, BaseStatsTravelInThreeOrders) {
    ZelkinZelkinary species("Ordre", 1);
    // Written as HP, attack, defence, special attack, special defence, speed.
    species.setBaseStats(1, 2, 3, 4, 5, 6);
    EXPECT_EQ(species.getBaseStat(0), 1);
    EXPECT_EQ(species.getBaseStat(1), 2);
    EXPECT_EQ(species.getBaseStat(2), 3);
    EXPECT_EQ(species.getBaseStat(3), 4);
    EXPECT_EQ(species.getBaseStat(4), 5);
    EXPECT_EQ(species.getBaseStat(5), 6);
    EXPECT_EQ(species.getBaseStat(9), 1);
}

TEST(ZelkinZelkinary, SizeClassFollowsTheStatTotalAndTheWord) {
    EXPECT_EQ(ZelkinZelkinary("S", 1).getSize(), 150);
    EXPECT_EQ(sizeFor(100, 100, 100, 100, 100, 100, "M"), 115);
    EXPECT_EQ(sizeFor(100, 100, 100, 100, 100, 100, "XL"), 155);
    EXPECT_EQ(sizeFor(50, 50, 50, 50, 50, 50, "XXXS"), 50);
    EXPECT_EQ(sizeFor(85, 85, 85, 85, 85, 85, "M"), 100);
    EXPECT_EQ(sizeFor(80, 80, 80, 80, 80, 80, "xl"), 96);
    EXPECT_EQ(sizeFor(200, 200, 200, 200, 200, 200, "XXXXL"), 200);
    EXPECT_EQ(sizeFor(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, "XXXS"), 200);
    EXPECT_EQ(sizeFor(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, "XXXXL"), 50);
}

TEST(ZelkinZelkinary, ShapeColourAndPersonalityWords) {
    ZelkinZelkinary species("S", 1);
    EXPECT_EQ(species.getShape(), 11);
    EXPECT_EQ(species.getColour(), 0);
    EXPECT_EQ(species.getPersonality(), 0);

    species.parseShapeAndColour("BAT", "GRAY");
    EXPECT_EQ(species.getShape(), 14);
    EXPECT_EQ(species.getPersonality(), 8);
    EXPECT_EQ(species.getColour(), 8);
    species.parsePersonality("Sleepy");
    EXPECT_EQ(species.getPersonality(), 8);
    species.parsePersonality("Menacing");
    EXPECT_EQ(species.getPersonality(), 11);

    // A new shape resets the personality; an unknown or absent colour leaves the colour.
    species.parseShapeAndColour("bird", "Red");
    EXPECT_EQ(species.getShape(), 11);
    EXPECT_EQ(species.getPersonality(), 0);
    EXPECT_EQ(species.getColour(), 8);
    species.parseShapeAndColour("VEK", nullptr);
    EXPECT_EQ(species.getShape(), 32);
    EXPECT_EQ(species.getPersonality(), 12);
    EXPECT_EQ(species.getColour(), 8);
    species.parseShapeAndColour("COBRA", "DARK_BLUE");
    EXPECT_EQ(species.getPersonality(), 3);
    EXPECT_EQ(species.getColour(), 12);

    species.parseRarity("Fabuleux");
    EXPECT_EQ(species.getRarity(), 3);
    species.parseRarity("legende");
    EXPECT_EQ(species.getRarity(), 0);
}

TEST(ZelkinZelkinary, TypesMovesAndAbilitiesLists) {
    ZelkinZelkinary species("S", 1);
    // A species whose types all failed to load answers "no type" rather than reading past the list.
    EXPECT_EQ(species.getFirstType(), nullptr);
    EXPECT_EQ(species.getTypeAt(0), nullptr);
    EXPECT_TRUE(species.hasType(nullptr));
    EXPECT_TRUE(species.hasTypeId(0));

    ZelkinType fire("Feu");
    ZelkinType water("Eau");
    species.addType(&fire);
    species.addType(&fire);
    species.addType(&water);
    EXPECT_EQ(species.getTypeCount(), 2);
    EXPECT_EQ(species.getFirstType(), &fire);
    EXPECT_EQ(species.getTypeAt(1), &water);
    EXPECT_TRUE(species.hasTypeId(water.getId()));
    EXPECT_FALSE(species.hasTypeId(water.getId() + 1000));

    ZelkinMove move("Charge", nullptr, "physique", 35, nullptr);
    species.addMove(&move);
    species.addMove(&move);
    EXPECT_EQ(species.getMoveCount(), 2);
    EXPECT_EQ(species.getMoveAt(-1), nullptr);
    EXPECT_EQ(species.getMoveAt(2), nullptr);
    EXPECT_EQ(species.findMoveByName("Charge"), &move);
    EXPECT_EQ(species.findMoveByName("charge"), nullptr);

    EXPECT_EQ(species.pickRandomAbility(), nullptr);
    ZelkinBuffData first("Peau Dure");
    ZelkinBuffData second("Flamme Vive");
    species.addAbility(&first);
    species.addAbility(&second);
    {
        ScriptedRandom draws({1, 0});
        EXPECT_EQ(species.pickRandomAbility(), &second);
        EXPECT_EQ(species.pickRandomAbility(), &first);
    }
    EXPECT_EQ(species.findAbilityByName("Flamme Vive"), &second);
}

TEST(ZelkinZelkinary, IdsGrowAndBloodCopiesTheAnimation) {
    ZelkinZelkinary a("A", 1);
    ZelkinZelkinary b("B", 1);
    EXPECT_EQ(b.getId(), a.getId() + 1);
    EXPECT_GE(a.getId(), 1);

    ASSERT_NE(a.getAnimation(), nullptr);
    EXPECT_EQ(a.getAnimation()->getForce(), 10);
    EXPECT_EQ(a.getAnimation()->getCategory(), 0);
    Animation blood(nullptr, 1, 3, 7);
    a.setAnimation(blood);
    blood.setCategory(5);
    EXPECT_EQ(a.getAnimation()->getCategory(), 1);
    EXPECT_EQ(a.getAnimation()->getMode(), 3);
    EXPECT_EQ(a.getAnimation()->getForce(), 7);
}

TEST(ZelkinZelkinaryList, RepeatedNumbersBecomeFormsOfTheFirst) {
    ZelkinZelkinaryList library("Base", "BASE", "a.png", "b.png");
    ZelkinZelkinaryList next("Autre", "AUT", "c.png", "c.png");
    EXPECT_EQ(next.getId(), library.getId() + 1);

    ZelkinZelkinary first("Pika", 25);
    ZelkinZelkinary second("Pika Nuit", 25);
    ZelkinZelkinary third("Pika Mega", 25);
    ZelkinZelkinary other("Raichu", 26);
    library.addSpecies(&first);
    library.addSpecies(&other);
    library.addSpecies(&second);
    library.addSpecies(&third);
    EXPECT_EQ(library.getSpecies(), (std::vector<ZelkinZelkinary*>{&first, &other}));
    EXPECT_EQ(library.findByNumber(25), &first);
    ASSERT_EQ(first.getFormCount(), 2);
    EXPECT_EQ(first.getFormAt(0), &second);
    EXPECT_EQ(first.getFormAt(1), &third);

    EXPECT_EQ(second.getSpriteNumber(), 25);
    second.setForm("Nuit", 0);
    EXPECT_EQ(second.getSpriteNumber(), 25);
    third.setForm("Mega", 7);
    EXPECT_EQ(third.getSpriteNumber(), 7);
    EXPECT_EQ(third.getFormName(), "Mega");
}

TEST(ZelkinZelkinaryConfig, ScaleAndDerivedSizes) {
    EXPECT_FLOAT_EQ(ZelkinZelkinaryConfig(48, 56, 32, 0).getScale(), 2.0f);
    EXPECT_FLOAT_EQ(ZelkinZelkinaryConfig(64, 56, 32, 0).getScale(), 1.5f);
    EXPECT_FLOAT_EQ(ZelkinZelkinaryConfig(80, 56, 32, 0).getScale(), 1.0f);
    ZelkinZelkinaryConfig config(57, 61, 16, 1);
    EXPECT_EQ(config.getHalfWidth(), 28);
    EXPECT_EQ(config.getSevenEighthsHeight(), 53);
    EXPECT_EQ(config.getThreeEighthsHeight(), 22);
}

TEST(CreatureLoader, LibraryHeaderAndLayoutAreRead) {
    SpeciesDatabase db;
    db.parser.loadCreatures(fixturePath("species/creatures.xml"));
    ASSERT_EQ(db.parser.countLibraries(), 1);
    ZelkinZelkinaryList* library = db.parser.getLibraries()[0];
    EXPECT_EQ(library->getName(), "Base");
    EXPECT_EQ(library->getCode(), "BASE");
    EXPECT_EQ(library->getFile(), "zelkins.png");
    EXPECT_EQ(library->getFormFile(), "zelkins.png");
    ZelkinZelkinaryConfig* config = library->getConfig();
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(config->getCellsPerLine(), 16);
    EXPECT_EQ(config->getCellWidth(), 64);
    EXPECT_EQ(config->getCellHeight(), 80);
    EXPECT_EQ(config->getFace(), 1);
    EXPECT_FLOAT_EQ(config->getScale(), 1.5f);
}

TEST(CreatureLoader, SpeciesValuesFromTheFile) {
    SpeciesDatabase db;
    const std::string file = fixturePath("species/creatures.xml");
    db.parser.loadCreatures(file);
    ZelkinZelkinaryList* library = db.parser.getLibraries()[0];

    // The creature before the header is read all the same.
    ZelkinZelkinary* flame = db.listed("Flammeche");
    ASSERT_NE(flame, nullptr);
    EXPECT_EQ(flame->getNumber(), 4);
    EXPECT_EQ(flame->getBaseStat(0), 39);
    EXPECT_EQ(flame->getBaseStat(3), 60);
    EXPECT_EQ(flame->getBaseStat(5), 65);
    EXPECT_EQ(flame->getSize(), 101);
    ASSERT_EQ(flame->getTypeCount(), 1);
    EXPECT_EQ(flame->getFirstType()->getName(), "Feu");
    EXPECT_EQ(flame->getShape(), 2);
    EXPECT_EQ(flame->getColour(), 1);
    EXPECT_EQ(flame->getPersonality(), 7);
    ASSERT_EQ(flame->getMoveCount(), 3);
    EXPECT_EQ(flame->getMoveAt(0)->getName(), "Braise");
    EXPECT_EQ(flame->getMoveAt(1)->getName(), "Griffe");
    EXPECT_EQ(flame->getMoveAt(2)->getName(), "Charge");
    ASSERT_EQ(flame->getAbilityCount(), 1);
    EXPECT_EQ(flame->getAbilityAt(0)->getName(), "Flamme Vive");
    EXPECT_EQ(flame->getTags(), std::vector<std::string>{"starter"});
    EXPECT_EQ(flame->getLibraryId(), library->getId());
    EXPECT_EQ(flame->getConfig(), library->getConfig());
    EXPECT_EQ(flame->getAnimation()->getParticleDesc(), nullptr);

    const std::string warn = "WARNING with File " + file + " : Zelkin Flammeche : cannot get ";
    EXPECT_TRUE(logged(warn + "Type Lumiere"));
    EXPECT_TRUE(logged(warn + "Move Vol Plane"));
    EXPECT_TRUE(logged(warn + "Move Laser"));
    EXPECT_TRUE(logged(warn + "Abilitie Inconnue"));
    // Without a window no particle description exists, so the blood element is reported.
    EXPECT_TRUE(logged(warn + "Particle sang"));

    // One missing stat keeps all six at 80; the shape word is case-sensitive.
    ZelkinZelkinary* partial = db.listed("Sans Stat Vit");
    ASSERT_NE(partial, nullptr);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(partial->getBaseStat(i), 80);
    EXPECT_EQ(partial->getSize(), 96);
    EXPECT_EQ(partial->getShape(), 11);
    EXPECT_EQ(partial->getPersonality(), 0);
    EXPECT_EQ(partial->getRarity(), 2);
    EXPECT_EQ(partial->getFirstType(), nullptr);

    ZelkinZelkinary* night = db.listed("Forme Nuit");
    ASSERT_NE(night, nullptr);
    EXPECT_EQ(night->getShape(), 14);
    EXPECT_EQ(night->getColour(), 0);
    EXPECT_EQ(night->getPersonality(), 8);

    EXPECT_TRUE(logged("ERROR with File " + file + " : Invalid properties from Zelkin element number 3"));
}

TEST(CreatureLoader, FormsAndTheDatabaseList) {
    SpeciesDatabase db;
    db.parser.loadCreatures(fixturePath("species/creatures.xml"));
    ZelkinZelkinaryList* library = db.parser.getLibraries()[0];

    std::vector<std::string> listedNames;
    for (ZelkinZelkinary* species : db.parser.getSpeciesList())
        listedNames.push_back(species->getName());
    EXPECT_EQ(listedNames, (std::vector<std::string>{"Flammeche", "Sans Stat Vit", "Forme Nuit"}));

    std::vector<std::string> libraryNames;
    for (ZelkinZelkinary* species : library->getSpecies())
        libraryNames.push_back(species->getName());
    EXPECT_EQ(libraryNames, (std::vector<std::string>{"Flammeche", "Sans Stat Vit", "Seul"}));

    ZelkinZelkinary* six = library->findByNumber(6);
    ASSERT_EQ(six->getFormCount(), 2);
    EXPECT_EQ(six->getFormAt(0)->getName(), "Forme Mega");
    EXPECT_EQ(six->getFormAt(0)->getFormName(), "Mega");
    EXPECT_EQ(six->getFormAt(0)->getSpriteNumber(), 12);
    EXPECT_EQ(six->getFormAt(1), db.listed("Forme Nuit"));
    EXPECT_EQ(six->getFormAt(1)->getSpriteNumber(), 6);

    ZelkinZelkinary* alone = library->findByNumber(30);
    EXPECT_EQ(alone->getSpriteNumber(), 31);
    EXPECT_EQ(alone->getRarity(), 1);
    EXPECT_EQ(db.parser.findSpecies(30), nullptr);
    EXPECT_EQ(db.parser.findSpeciesForm(6, "Mega")->getName(), "Forme Mega");
}

TEST(CreatureLoader, UnresolvedMovesWarnEachThenReject) {
    SpeciesDatabase db;
    const std::string file = fixturePath("species/creatures.xml");
    db.parser.loadCreatures(file);
    EXPECT_EQ(db.parser.findSpecies(9), nullptr);
    EXPECT_EQ(db.parser.getLibraries()[0]->findByNumber(9), nullptr);

    std::vector<std::string> aboutLost;
    for (const std::string& line : errorLogLines())
        if (line.find("Perdu") != std::string::npos) aboutLost.push_back(line);
    const std::string warn = "WARNING with File " + file + " : Zelkin Perdu : cannot get Move ";
    EXPECT_EQ(aboutLost, (std::vector<std::string>{
                             warn + "Rien", warn + "Nada",
                             "ERROR with File " + file +
                                 " : Zelkin Perdu has no valid moves ; it can't be add to the game."}));
}

TEST(CreatureLoader, FilesWithoutAUsableHeaderAreDroppedWhole) {
    SpeciesDatabase db;
    const std::string none = fixturePath("species/no_header.xml");
    const std::string bad = fixturePath("species/bad_header.xml");
    const std::string broken = fixturePath("species/malformed.xml");
    db.parser.loadCreatures(none);
    db.parser.loadCreatures(bad);
    db.parser.loadCreatures(broken);
    db.parser.loadCreatures("no/such/file.xml");
    EXPECT_EQ(db.parser.countLibraries(), 0);
    EXPECT_EQ(db.parser.countSpecies(), 0);
    EXPECT_EQ(errorLogLines(), (std::vector<std::string>{
                                   "ERROR with File " + none + " : No Zelkinary element found.",
                                   "ERROR with File " + bad + " : Invalid properties from Zelkinary element.",
                                   "ERROR with File " + broken + " : No Zelkinary element found.",
                                   "ERROR with File no/such/file.xml : No Zelkinary element found."}));
}

TEST(CreatureLoader, UnusableLayoutFallsBackToDefaults) {
    SpeciesDatabase db;
    const std::string file = fixturePath("species/bad_layout.xml");
    db.parser.loadCreatures(file);
    ASSERT_EQ(db.parser.countLibraries(), 1);
    ZelkinZelkinaryList* library = db.parser.getLibraries()[0];
    EXPECT_EQ(library->getFormFile(), "bad_forms.png");
    EXPECT_EQ(library->getConfig()->getCellsPerLine(), 32);
    EXPECT_EQ(library->getConfig()->getCellWidth(), 56);
    EXPECT_EQ(library->getConfig()->getCellHeight(), 56);
    EXPECT_EQ(library->getConfig()->getFace(), 0);
    ASSERT_EQ(errorLogLines().size(), 3u);
    for (const std::string& line : errorLogLines())
        EXPECT_EQ(line.rfind("WARNING with File " + file + " : Zelkinary Bancale : ", 0), 0u) << line;

    // Stats at the int limits clamp on reading and the size class still lands in range.
    ZelkinZelkinary* big = db.parser.findSpecies(1);
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->getBaseStat(4), INT_MAX);
    EXPECT_EQ(big->getSize(), 200);
}
