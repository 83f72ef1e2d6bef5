// The database: lookups by name, number and position, random picks, the admission test and the pool.
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "HubSupport.hpp"
#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/WindowServices.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryList.hpp"

namespace {

// The full fixture data set loaded as the game loads it; the database is freed with the fixture.
class LoadedDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        installDataSet(dir, "hub/full/data");
        builder.reset(new TeamBuilder());
        db = builder->getParser();
    }
    void TearDown() override {
        builder.reset();
        delete db;
    }
    ScratchDir dir;
    std::unique_ptr<TeamBuilder> builder;
    GameParser* db = nullptr;
};

std::vector<std::string> namesOf(const std::vector<ZelkinZelkinary*>& list) {
    std::vector<std::string> names;
    for (ZelkinZelkinary* species : list)
        names.push_back(species->getName() +
                        (species->getFormName().empty() ? "" : "/" + species->getFormName()));
    return names;
}

// A standalone species with the given base-stat total (spread over the six stats) and rarity word.
std::unique_ptr<ZelkinZelkinary> speciesOfTotal(int total, const std::string& rarity = "") {
    std::unique_ptr<ZelkinZelkinary> species(new ZelkinZelkinary("Essai", 99));
    int each = total / 6;
    species->setBaseStats(each + total % 6, each, each, each, each, each);
    species->parseRarity(rarity);
    return species;
}

class RecordingWindow : public WindowServices {
public:
    ParticleDesc* findParticleDesc(std::string) override { return nullptr; }
    void loadCreatureImage(std::string sheet, std::string formSheet) override {
        calls.push_back(sheet + "|" + formSheet);
    }
    std::vector<std::string> calls;
};

} // namespace

TEST(GameParserEmpty, PositionalGettersAndPicksGiveNullWithoutDrawing) {
    ScratchDir dir;
    GameParser db;
    ScriptedRandom script({1, 1, 1});
    EXPECT_EQ(db.getSpeciesAt(-1), nullptr);
    EXPECT_EQ(db.getSpeciesAt(0), nullptr);
    EXPECT_EQ(db.getTypeAt(-1), nullptr);
    EXPECT_EQ(db.getTypeAt(1000), nullptr);
    EXPECT_EQ(db.getStadiumAt(-1), nullptr);
    EXPECT_EQ(db.getRulesetAt(0), nullptr);
    EXPECT_EQ(db.getCurrentRuleset(), nullptr);
    EXPECT_EQ(db.randomAllowedSpecies(), nullptr);
    EXPECT_EQ(db.randomAllowedSpeciesOfTypes(nullptr, nullptr), nullptr);
    EXPECT_EQ(db.randomStadium(), nullptr);
    EXPECT_EQ(db.randomStadiumWithValue(), nullptr);
    EXPECT_EQ(db.randomStadiumWithoutValue(), nullptr);
    EXPECT_EQ(db.findExtraDefinition("x"), nullptr);
    EXPECT_EQ(db.countExtraDefinitions(), 0);
    EXPECT_EQ(script.drawsUsed(), 0);

    // Nothing to select: the current ruleset stays unset, and with no rules nothing is refused.
    db.selectRuleset(0);
    EXPECT_EQ(db.getCurrentRuleset(), nullptr);
    std::unique_ptr<ZelkinZelkinary> legend = speciesOfTotal(2000, "Fabuleux");
    EXPECT_TRUE(db.isSpeciesAllowed(legend.get()));
    EXPECT_FALSE(db.isSpeciesAllowed(nullptr));
    EXPECT_FALSE(db.isCreatureAllowed(nullptr));
}

TEST(GameParserEmpty, EnsureRulesetAddsAnythingGoesOnce) {
    ScratchDir dir;
    GameParser db;
    db.ensureRuleset();
    ASSERT_EQ(db.countRulesets(), 1);
    ASSERT_NE(db.getCurrentRuleset(), nullptr);
    EXPECT_EQ(db.getCurrentRuleset()->getName(), "Anything Goes");
    db.ensureRuleset();
    EXPECT_EQ(db.countRulesets(), 1);
}

TEST_F(LoadedDatabase, PositionalGettersFollowTheirEdgeRules) {
    ASSERT_EQ(db->countSpecies(), 25);
    EXPECT_EQ(db->getSpeciesAt(-1), db->getSpeciesList().front());
    EXPECT_EQ(db->getSpeciesAt(24)->getName(), "Cendrin");
    EXPECT_EQ(db->getSpeciesAt(25), nullptr);
    EXPECT_EQ(db->getTypeAt(1000)->getName(), "none");
    EXPECT_EQ(db->getTypeAt(-3), db->getTypes().front());
    EXPECT_EQ(db->getTypeAt(2)->getName(), "Onde");
    EXPECT_EQ(db->getStadiumAt(-1)->getName(), "Arene Cendre");
    EXPECT_EQ(db->getStadiumAt(2), nullptr);
    EXPECT_EQ(db->getRulesetAt(1)->getName(), "Tournoi");
    EXPECT_EQ(db->getRulesetAt(-1), nullptr);
    EXPECT_EQ(db->getRulesetAt(2), nullptr);
}

TEST_F(LoadedDatabase, NameLookupsAreExactAndReturnTheFirstMatch) {
    ASSERT_NE(db->findMove("Lutte"), nullptr);
    EXPECT_EQ(db->findMove("lutte"), nullptr);
    EXPECT_EQ(db->findMove("Lutte "), nullptr);
    EXPECT_EQ(db->findType("none"), db->getTypes().front());
    EXPECT_EQ(db->findType("Sylve"), db->getTypeAt(3));
    EXPECT_EQ(db->findSubtype("Son")->getName(), "Son");
    EXPECT_EQ(db->findSubtype("Sylve"), nullptr);
    EXPECT_EQ(db->findAbility("Vigilance")->getName(), "Vigilance");
    EXPECT_EQ(db->findAbility("Brulure"), nullptr);
    EXPECT_EQ(db->findBuff("Brulure")->getName(), "Brulure");
    EXPECT_EQ(db->findStadium("Sommet")->getName(), "Sommet");
    EXPECT_EQ(db->findStadium("sommet"), nullptr);
}

TEST_F(LoadedDatabase, SpeciesLookupsByNumberLibraryAndForm) {
    ZelkinZelkinary* first = db->findSpecies(1);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->getFormName().empty());
    EXPECT_EQ(db->findSpecies(999), nullptr);

    // A form name the species lacks gives the species itself; a known one gives the form.
    EXPECT_EQ(db->findSpeciesForm(1, "Zeta"), first);
    EXPECT_EQ(db->findSpeciesForm(1, "Alpha")->getFormName(), "Alpha");
    EXPECT_EQ(db->findSpeciesForm(999, ""), nullptr);

    EXPECT_EQ(db->findSpeciesInLibrary("BASE", 5)->getName(), "Ondin");
    EXPECT_EQ(db->findSpeciesInLibrary("base", 5), nullptr);
    EXPECT_EQ(db->findSpeciesInLibrary("BASE", 999), nullptr);
    // A form with its own sprite is kept out of the species list but is still reachable through its library.
    ZelkinZelkinary* gamma = db->findSpeciesFormInLibrary("BASE", 5, "Gamma");
    ASSERT_NE(gamma, nullptr);
    EXPECT_EQ(gamma->getFormSpriteNumber(), 30);
    EXPECT_EQ(db->findSpeciesFormInLibrary("BASE", 5, "Delta"), db->findSpecies(5));
    EXPECT_EQ(db->findSpeciesFormInLibrary("NOPE", 5, "Gamma"), nullptr);
}

TEST_F(LoadedDatabase, StadiumPicksHonourTheUltimateFlag) {
    ScriptedRandom script({1, 0});
    EXPECT_EQ(db->randomStadium()->getName(), "Sommet");
    // One stadium of each kind: neither pick needs a draw.
    EXPECT_EQ(db->randomStadiumWithValue()->getName(), "Sommet");
    EXPECT_EQ(db->randomStadiumWithoutValue()->getName(), "Arene Cendre");
    EXPECT_EQ(script.drawsUsed(), 1);
}

TEST(GameParserStadiums, WithoutAnyUltimateStadiumThePickFallsBackToAnyStadium) {
    ScratchDir dir;
    dir.write("a.xml", "<stadium><name>Un</name><file>u.png</file><hype>1</hype></stadium>"
                       "<stadium><name>Deux</name><file>d.png</file><hype>2</hype></stadium>");
    GameParser db;
    db.loadStadiums("a.xml");
    ScriptedRandom script({1, 0, 1});
    EXPECT_EQ(db.randomStadiumWithValue()->getName(), "Deux");
    EXPECT_EQ(db.randomStadiumWithoutValue()->getName(), "Un");
    EXPECT_EQ(db.randomStadiumWithoutValue()->getName(), "Deux");
}

TEST(GameParserAdmission, SumBoundsAreInclusiveAndRaritiesNeedEveryAllowanceBelow) {
    ScratchDir dir;
    dir.write("r.xml", "<ruleset><name>Borne</name><min_sum_stats>300</min_sum_stats>"
                       "<max_sum_stats>400</max_sum_stats></ruleset>"
                       "<ruleset><name>SansMythe</name><no_mythics/></ruleset>"
                       "<ruleset><name>SansFable</name><no_fabulous/></ruleset>"
                       "<ruleset><name>SansLegende</name><no_legendaries/></ruleset>"
                       "<ruleset><name>SansForme</name><no_forms/></ruleset>");
    GameParser db;
    db.loadRulesets("r.xml");
    ASSERT_EQ(db.countRulesets(), 5);

    db.selectRuleset(0);
    EXPECT_TRUE(db.isSpeciesAllowed(speciesOfTotal(400).get()));
    EXPECT_FALSE(db.isSpeciesAllowed(speciesOfTotal(401).get()));
    EXPECT_TRUE(db.isSpeciesAllowed(speciesOfTotal(300).get()));
    EXPECT_FALSE(db.isSpeciesAllowed(speciesOfTotal(299).get()));

    struct Case {
        int ruleset;
        const char* rarity;
        bool admitted;
    } cases[] = {
        {1, "Legende", true},   {1, "Mythique", false}, {1, "Fabuleux", false}, {1, "", true},
        {2, "Legende", true},   {2, "Mythique", true},  {2, "Fabuleux", false}, {3, "Legende", false},
        {3, "Mythique", false}, {3, "Fabuleux", false}, {3, "", true},
    };
    for (const Case& c : cases) {
        db.selectRuleset(c.ruleset);
        EXPECT_EQ(db.isSpeciesAllowed(speciesOfTotal(480, c.rarity).get()), c.admitted)
            << db.getCurrentRuleset()->getName() << " " << c.rarity;
    }

    // Stats at the int limit add up beyond every bound instead of wrapping into range.
    std::unique_ptr<ZelkinZelkinary> huge(new ZelkinZelkinary("Colosse", 98));
    huge->setBaseStats(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_FALSE(db.isSpeciesAllowed(huge.get()));

    db.selectRuleset(4);
    std::unique_ptr<ZelkinZelkinary> form = speciesOfTotal(480);
    EXPECT_TRUE(db.isSpeciesAllowed(form.get()));
    form->setForm("Alpha", 0);
    EXPECT_FALSE(db.isSpeciesAllowed(form.get()));
}

TEST_F(LoadedDatabase, SelectRulesetRebuildsThePoolWithFormsAfterTheirSpecies) {
    // "Libre" is current after loading: every listed species, each followed by its admitted forms.
    ASSERT_EQ(db->getCurrentRuleset()->getName(), "Libre");
    std::vector<std::string> pool = namesOf(db->getAllowedSpecies());
    ASSERT_EQ(pool.size(), 27u);
    EXPECT_EQ(pool[0], "Cendrin");
    EXPECT_EQ(pool[1], "Cendrin/Alpha");
    EXPECT_EQ(pool[5], "Ondin");
    EXPECT_EQ(pool[6], "Ondin/Gamma");
    EXPECT_EQ(pool.back(), "Cendrin/Alpha");

    // "Tournoi": totals up to 450 and no forms.
    db->selectRuleset(1);
    EXPECT_EQ(db->getCurrentRuleset()->getName(), "Tournoi");
    pool = namesOf(db->getAllowedSpecies());
    ASSERT_EQ(db->countAllowedSpecies(), 16);
    EXPECT_EQ(pool.front(), "Cendrin");
    EXPECT_EQ(pool.back(), "Tourbe");

    // Out of range: nothing changes.
    db->selectRuleset(db->countRulesets());
    db->selectRuleset(-1);
    EXPECT_EQ(db->getCurrentRuleset()->getName(), "Tournoi");
    EXPECT_EQ(db->countAllowedSpecies(), 16);
}

TEST_F(LoadedDatabase, RandomSpeciesPicksDrawFromThePool) {
    ZelkinType* braise = db->findType("Braise");
    ZelkinType* onde = db->findType("Onde");
    db->selectRuleset(1);
    {
        ScriptedRandom script({2});
        EXPECT_EQ(db->randomAllowedSpecies(), db->getAllowedSpecies()[2]);
    }
    {
        // Braise in the pool: 1, 4, 7, 10, 12, 13, 16; Onde or Braise: 1, 2, 4, 5, 7, ...
        ScriptedRandom script({1, 0});
        EXPECT_EQ(db->randomAllowedSpeciesOfTypes(braise, nullptr)->getNumber(), 4);
        EXPECT_EQ(db->randomAllowedSpeciesOfTypes(onde, braise)->getNumber(), 1);
    }
    std::unique_ptr<std::vector<ZelkinZelkinary*>> all(db->listSpeciesByTypeAndName(nullptr, ""));
    EXPECT_EQ(*all, db->getSpeciesList());
    EXPECT_NE(all.get(), &db->getSpeciesList());

    std::unique_ptr<std::vector<ZelkinZelkinary*>> fireE(db->listSpeciesByTypeAndName(braise, "e"));
    EXPECT_EQ(namesOf(*fireE), (std::vector<std::string>{"Cendrin", "Tisonne", "Ressac", "Bourgeon", "Vapeur",
                                                         "Tourbe", "Mousse", "Cendrin/Alpha"}));
    std::unique_ptr<std::vector<ZelkinZelkinary*>> byId(db->listSpeciesByTypeIdAndName(onde->getId(), "ra"));
    // Substrings match case-sensitively: "Ramure" has no "ra".
    EXPECT_EQ(namesOf(*byId), (std::vector<std::string>{"Brasille"}));
    std::unique_ptr<std::vector<ZelkinZelkinary*>> anyType(db->listSpeciesByTypeIdAndName(0, "Cend"));
    EXPECT_EQ(anyType->size(), 2u);
    std::unique_ptr<std::vector<ZelkinZelkinary*>> caseSensitive(db->listSpeciesByTypeIdAndName(0, "cend"));
    EXPECT_TRUE(caseSensitive->empty());
}

TEST_F(LoadedDatabase, LibraryImagesAreRequestedOncePerLibrary) {
    RecordingWindow window;
    db->loadLibraryImages(&window);
    EXPECT_EQ(window.calls, std::vector<std::string>{"base.png|base.png"});
    db->loadLibraryImages(nullptr); // no window installed: nothing to call, nothing breaks
}
