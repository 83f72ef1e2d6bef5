// Checks that every picture the shipped data and the window name is drawn, and large enough for its cells.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "rules/Platform.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {

const std::string kRoot = std::string(QUORVEX_SOURCE_DIR) + "/";

struct PngSize {
    bool found = false;
    int width = 0;
    int height = 0;
};

// Width and height from the PNG header; nothing found for a missing file or one that is not a PNG.
PngSize pngSize(const std::string& relativePath) {
    PngSize size;
    std::ifstream in(kRoot + relativePath, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return size;
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!std::equal(signature, signature + 8, header) || std::string(header + 12, header + 16) != "IHDR")
        return size;
    auto bigEndian = [&](int at) {
        return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
    };
    size.found = true;
    size.width = bigEndian(16);
    size.height = bigEndian(20);
    return size;
}

// Every top-level element of that name in every data file of the folder, in file order.
template <typename Visit> void eachElement(const std::string& folder, const char* name, Visit visit) {
    for (const std::string& path : listXmlFiles(kRoot + folder)) {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(path.c_str()), tinyxml2::XML_SUCCESS) << path;
        for (tinyxml2::XMLElement* e = document.FirstChildElement(name); e; e = e->NextSiblingElement(name))
            visit(e, path);
    }
}

void eachElementOfFile(const std::string& file, const char* name,
                       const std::function<void(tinyxml2::XMLElement*)>& visit) {
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile((kRoot + file).c_str()), tinyxml2::XML_SUCCESS) << file;
    for (tinyxml2::XMLElement* e = document.FirstChildElement(name); e; e = e->NextSiblingElement(name))
        visit(e);
}

int countElements(const std::string& folder, const char* name) {
    int count = 0;
    eachElement(folder, name, [&](tinyxml2::XMLElement*, const std::string&) { ++count; });
    return count;
}

} // namespace

TEST(ArtAssets, WindowImagesExistWithTheirCellLayouts) {
    // Backgrounds cover the whole canvas.
    for (const char* file : {"img/main_bg.png", "img/journey.png", "img/debug_background.png"}) {
        PngSize size = pngSize(file);
        ASSERT_TRUE(size.found) << file;
        EXPECT_EQ(size.width, 853) << file;
        EXPECT_EQ(size.height, 480) << file;
    }
    // The HP bar frame holds 48 segments of 2 x 4 from x 30 and y 2.
    PngSize lifebar = pngSize("img/lifebar.png");
    ASSERT_TRUE(lifebar.found);
    EXPECT_GE(lifebar.width, 30 + 2 * 48);
    EXPECT_GE(lifebar.height, 2 + 4);
    // Four 2 x 4 bar cells: green, yellow, red and the gauge's.
    PngSize hpbar = pngSize("img/hpbar.png");
    ASSERT_TRUE(hpbar.found);
    EXPECT_EQ(hpbar.width, 8);
    EXPECT_EQ(hpbar.height, 4);
    // Ball icons 0 to 3 in one row of 16 x 16.
    PngSize balls = pngSize("img/zkball.png");
    ASSERT_TRUE(balls.found);
    EXPECT_GE(balls.width, 4 * 16);
    EXPECT_EQ(balls.height, 16);
    // Six frame cells of 16 x 16.
    PngSize box = pngSize("img/box.png");
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.width, 6 * 16);
    EXPECT_EQ(box.height, 16);
    // The shadow is scaled as if it were 50 pixels wide.
    PngSize shadow = pngSize("img/shadow.png");
    ASSERT_TRUE(shadow.found);
    EXPECT_EQ(shadow.width, 50);
    EXPECT_TRUE(pngSize("img/cursor.png").found);
    EXPECT_TRUE(pngSize("img/clone.png").found);
}

TEST(ArtAssets, LibrarySheetHasACellForEverySpeciesAndForm) {
    int libraries = 0;
    eachElement("data/creatures", "library", [&](tinyxml2::XMLElement* library, const std::string& path) {
        ++libraries;
        const int perLine = clampedAtoi(xmlChildText(library, "zlkn_per_line"));
        const int cellWidth = clampedAtoi(xmlChildText(library, "zlkn_width"));
        const int cellHeight = clampedAtoi(xmlChildText(library, "zlkn_height"));
        ASSERT_GT(perLine, 0) << path;
        ASSERT_GT(cellWidth, 0) << path;
        ASSERT_GT(cellHeight, 0) << path;
        for (const char* sheet : {"file", "form-file"}) {
            PngSize size = pngSize("img/" + xmlChildText(library, sheet));
            ASSERT_TRUE(size.found) << path << " " << sheet;
            EXPECT_EQ(size.width, perLine * cellWidth) << path;
            EXPECT_EQ(size.height % cellHeight, 0) << path;
            const int cells = perLine * (size.height / cellHeight);
            int highest = 0;
            tinyxml2::XMLDocument document;
            ASSERT_EQ(document.LoadFile(path.c_str()), tinyxml2::XML_SUCCESS);
            for (tinyxml2::XMLElement* c = document.FirstChildElement("creature"); c;
                 c = c->NextSiblingElement("creature")) {
                ZelkinZelkinary species(xmlChildText(c, "name"), clampedAtoi(xmlChildText(c, "number")));
                tinyxml2::XMLElement* form = c->FirstChildElement("form");
                if (form) species.setForm(xmlText(form), clampedAtoi(xmlAttribute(form, "sprite_number")));
                EXPECT_GE(species.getSpriteNumber(), 1) << species.getName();
                highest = std::max(highest, species.getSpriteNumber());
            }
            EXPECT_GE(cells, highest) << path << ": sprite number " << highest << " has no cell";
        }
    });
    EXPECT_GE(libraries, 1);
}

TEST(ArtAssets, IconSheetsHaveARowForEveryTypeAndShape) {
    // Type ids run from the "none" type through the types, then the subtypes, which share the counter.
    const int typeRows = 1 + countElements("data/types", "type") + countElements("data/subtypes", "subtype");
    PngSize types = pngSize("img/minitypes.png");
    ASSERT_TRUE(types.found);
    EXPECT_EQ(types.width, 16);
    EXPECT_GE(types.height, 16 * typeRows);

    // Creature icons: two frames of 32 x 32 per shape code; row 34 is also the empty entry's icon.
    int highestShape = 34;
    eachElement("data/creatures", "creature", [&](tinyxml2::XMLElement* c, const std::string&) {
        ZelkinZelkinary species("icon", 1);
        tinyxml2::XMLElement* mini = c->FirstChildElement("minisprite");
        ASSERT_NE(mini, nullptr);
        const std::string colour = xmlAttribute(mini, "color");
        species.parseShapeAndColour(xmlText(mini), colour.c_str());
        highestShape = std::max(highestShape, species.getShape());
    });
    ZelkinZelkinary lastShape("icon", 1);
    lastShape.parseShapeAndColour("EGG", nullptr);
    highestShape = std::max(highestShape, lastShape.getShape());
    PngSize icons = pngSize("img/zlkn_icon.png");
    ASSERT_TRUE(icons.found);
    EXPECT_EQ(icons.width, 64);
    EXPECT_GE(icons.height, 32 * (highestShape + 1));
}

TEST(ArtAssets, CrowdSheetHasARowForEveryTrainerAndSupporterKind) {
    int highestKind = 1;
    eachElementOfFile("data/trainers.xml", "trainer", [&](tinyxml2::XMLElement* t) {
        highestKind = std::max(highestKind, clampedAtoi(xmlChildText(t, "id")));
    });
    eachElement("data/stadiums", "stadium", [&](tinyxml2::XMLElement* s, const std::string&) {
        std::string list = xmlChildText(s, "supporters");
        size_t start = 0;
        while (start < list.size()) {
            size_t comma = list.find(',', start);
            if (comma == std::string::npos) comma = list.size();
            highestKind = std::max(highestKind, clampedAtoi(list.substr(start, comma - start)));
            start = comma + 1;
        }
    });
    // Bots show their trainer sprite from the same sheet.
    eachElement("bots", "zelkbot", [&](tinyxml2::XMLElement* bot, const std::string&) {
        if (xmlHasChild(bot, "sprite"))
            highestKind = std::max(highestKind, clampedAtoi(xmlChildText(bot, "sprite")));
    });
    PngSize crowd = pngSize("img/supporters.png");
    ASSERT_TRUE(crowd.found);
    EXPECT_EQ(crowd.width, 4 * 16); // one column per facing
    EXPECT_GE(crowd.height, 16 * highestKind);
}

TEST(ArtAssets, EveryArenaHasAFullCanvasBackground) {
    int arenas = 0;
    eachElement("data/stadiums", "stadium", [&](tinyxml2::XMLElement* s, const std::string& path) {
        ++arenas;
        const std::string file = "img/" + xmlChildText(s, "file");
        PngSize size = pngSize(file);
        ASSERT_TRUE(size.found) << path << ": " << file;
        EXPECT_EQ(size.width, 853) << file;
        EXPECT_EQ(size.height, 480) << file;
    });
    EXPECT_GE(arenas, 1);
}

TEST(ArtAssets, EveryParticleCellLiesOnItsDescribedSheet) {
    struct Sheet {
        std::string name;
        int columns;
        int rows;
    };
    std::vector<Sheet> sheets;
    eachElement("data/textures", "texture", [&](tinyxml2::XMLElement* t, const std::string& path) {
        const std::string file = xmlChildText(t, "filename");
        const int width = clampedAtoi(xmlChildText(t, "width"));
        const int height = clampedAtoi(xmlChildText(t, "height"));
        ASSERT_GT(width, 0) << path;
        ASSERT_GT(height, 0) << path;
        PngSize size = pngSize(file);
        ASSERT_TRUE(size.found) << path << ": " << file;
        // Without a stated grid the sheet accepts any cell below 99; ours all state theirs.
        ASSERT_TRUE(xmlHasChild(t, "iteration_x") && xmlHasChild(t, "iteration_y")) << path;
        Sheet sheet{xmlChildText(t, "name"), clampedAtoi(xmlChildText(t, "iteration_x")),
                    clampedAtoi(xmlChildText(t, "iteration_y"))};
        EXPECT_GE(size.width, sheet.columns * width) << file;
        EXPECT_GE(size.height, sheet.rows * height) << file;
        sheets.push_back(sheet);
    });
    ASSERT_FALSE(sheets.empty());

    std::set<std::string> names;
    eachElement("data/particles", "particle", [&](tinyxml2::XMLElement* p, const std::string& path) {
        tinyxml2::XMLElement* texture = p->FirstChildElement("texture");
        ASSERT_NE(texture, nullptr) << path;
        const std::string name = xmlChildText(p, "name");
        names.insert(name);
        auto sheet = std::find_if(sheets.begin(), sheets.end(),
                                  [&](const Sheet& s) { return s.name == xmlText(texture); });
        ASSERT_NE(sheet, sheets.end()) << name << " names no described sheet";
        const int column = clampedAtoi(xmlAttribute(texture, "x"));
        const int row = clampedAtoi(xmlAttribute(texture, "y"));
        const int cycle = xmlHasChild(p, "cycle") ? std::max(1, clampedAtoi(xmlChildText(p, "cycle"))) : 1;
        EXPECT_LT(row, sheet->rows) << name;
        EXPECT_LE(column + cycle, sheet->columns) << name << ": its last frame is off the sheet";
    });
    // The ball that sends a creature out and the flash that withdraws it.
    EXPECT_TRUE(names.count("MAIN_zelkball_launch"));
    EXPECT_TRUE(names.count("MAIN_zelkball_dissapear"));
}
