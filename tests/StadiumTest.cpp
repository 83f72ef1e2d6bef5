// Stadiums: supporter ids, no-go zones, triggers and the stadium file loader.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/Stadium.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

TEST(StadiumSupporters, IdListsKeepEmptyPiecesAndAtMostAHundred) {
    Stadium stadium("Arene", nullptr, 10);
    EXPECT_EQ(stadium.getFile(), "");
    EXPECT_EQ(stadium.getSupportersPriority(), 80);
    EXPECT_EQ(stadium.pickRandomId(), 0);

    stadium.setSupporters("12,,7", 55);
    EXPECT_EQ(stadium.getSupportersPriority(), 55);
    ASSERT_EQ(stadium.getIdCount(), 3);
    EXPECT_EQ(stadium.getIdAt(0), 12);
    EXPECT_EQ(stadium.getIdAt(1), 0);
    EXPECT_EQ(stadium.getIdAt(2), 7);
    EXPECT_EQ(stadium.getIdAt(3), 0);
    {
        ScriptedRandom draws({2});
        EXPECT_EQ(stadium.pickRandomId(), 7);
    }
    stadium.parseIdList("x,99999999999,-4");
    EXPECT_EQ(stadium.getIdCount(), 3);
    EXPECT_EQ(stadium.getIdAt(0), 0);
    EXPECT_EQ(stadium.getIdAt(1), 2147483647);
    EXPECT_EQ(stadium.getIdAt(2), -4);
    stadium.parseIdList("");
    EXPECT_EQ(stadium.getIdCount(), 0);
    EXPECT_EQ(stadium.pickRandomId(), 0);
}

TEST(StadiumZones, MalformedZonesAreDroppedAndEdgesAreForbidden) {
    Stadium stadium("Arene", "a.png", 10);
    stadium.addNoGoZone("3,2,3,2");
    stadium.addNoGoZone("5,1,4,9");
    stadium.addNoGoZone("1,2,3");
    stadium.addNoGoZone("");
    stadium.addNoGoZone("10,20,12,22,99");
    ASSERT_EQ(stadium.getNoGoZoneCount(), 2);
    EXPECT_EQ(stadium.getNoGoZone(1)->getX2(), 12);
    EXPECT_EQ(stadium.getNoGoZone(2), nullptr);

    EXPECT_FALSE(stadium.isPositionAllowed(3, 2));
    EXPECT_TRUE(stadium.isPositionAllowed(4, 2));
    EXPECT_TRUE(stadium.isPositionAllowed(3, 3));
    for (int x = 10; x <= 12; ++x) {
        EXPECT_FALSE(stadium.isPositionAllowed(x, 20));
        EXPECT_FALSE(stadium.isPositionAllowed(x, 22));
    }
    EXPECT_FALSE(stadium.isPositionAllowed(10, 21));
    EXPECT_FALSE(stadium.isPositionAllowed(12, 21));
    EXPECT_TRUE(stadium.isPositionAllowed(9, 21));
    EXPECT_TRUE(stadium.isPositionAllowed(13, 21));
    EXPECT_TRUE(stadium.isPositionAllowed(11, 19));
    EXPECT_TRUE(stadium.isPositionAllowed(11, 23));
}

TEST(StadiumLoader, ReadsTheFileAndLogsWhatItDrops) {
    ScratchDir dir;
    GameParser parser;
    std::string path = fixturePath("team/stadiums.xml");
    parser.loadStadiums(path);
    ASSERT_EQ(parser.countStadiums(), 3);

    Stadium* port = parser.getStadiumAt(0);
    EXPECT_EQ(port->getName(), "Arene du Port");
    EXPECT_EQ(port->getFile(), "port.png");
    EXPECT_EQ(port->getHype(), 40);
    EXPECT_EQ(port->getSupportersPriority(), 65);
    EXPECT_EQ(port->getIdCount(), 3);
    EXPECT_EQ(port->isUltimate(), 0);
    EXPECT_EQ(port->getNoGoZoneCount(), 2);
    ASSERT_EQ(port->triggers.size(), 2u);
    EXPECT_EQ(port->triggers[0]->getWhen(), "PREP_NEW_TURN");
    EXPECT_EQ(port->triggers[0]->getPriority(), 7);
    EXPECT_EQ(port->triggers[1]->getPriority(), 0);
    EXPECT_EQ(port->triggers[1]->getActor(), "");

    Stadium* crater = parser.getStadiumAt(1);
    EXPECT_EQ(crater->isUltimate(), 1);
    EXPECT_EQ(crater->getIdCount(), 100);
    EXPECT_EQ(crater->getIdAt(99), 100);
    EXPECT_EQ(crater->getSupportersPriority(), 80);

    Stadium* garden = parser.getStadiumAt(2);
    EXPECT_EQ(garden->getName(), "Jardin");
    EXPECT_EQ(garden->getFile(), "");
    EXPECT_EQ(garden->getHype(), 0);
    EXPECT_EQ(garden->getIdCount(), 0);

    ASSERT_EQ(errorLogLines().size(), 2u);
    EXPECT_EQ(errorLogLines()[0], "WARNING with File " + path +
                                      " : Stadium Arene du Port : Trigger found with no WHEN attribute");
    EXPECT_EQ(errorLogLines()[1],
              "ERROR with File " + path + " : Invalid properties from Stadium element number 3");
}

TEST(StadiumLoader, UnreadableFilesAddNothingAndBrokenOnesSayWhy) {
    ScratchDir dir;
    GameParser parser;
    parser.loadStadiums("nowhere.xml");
    EXPECT_EQ(parser.countStadiums(), 0);
    EXPECT_TRUE(errorLogLines().empty());

    std::string broken = fixturePath("team/broken.xml");
    parser.loadStadiums(broken);
    EXPECT_EQ(parser.countStadiums(), 0);
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0].rfind("ERROR with File " + broken + " : ", 0), 0u);
}
