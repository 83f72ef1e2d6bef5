// The reader of the sprite-sheet files under data/textures/.
#include <tinyxml2.h>

#include <cstdio>

#include "presentation/GameWindow.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/Platform.hpp"

void GameWindow::loadTextureSheetFile(std::string path) {
    tinyxml2::XMLDocument document;
    // A file that does not parse gives no sheet and one line.
    if (!loadDataDocument(document, path)) return;
    int count = 0;
    for (tinyxml2::XMLElement* element = document.FirstChildElement("texture"); element != nullptr;
         element = element->NextSiblingElement("texture")) {
        ++count;
        if (!xmlHasChild(element, "filename") || !xmlHasChild(element, "name") ||
            !xmlHasChild(element, "height") || !xmlHasChild(element, "width")) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_TEXTURE + " element number " + std::to_string(count));
            continue;
        }
        // A sheet without cells or without its picture would frame nothing, or white squares: it is left
        // out, and the particles that name it with it.
        std::string name = xmlChildText(element, "name");
        std::string sheetLine = "ERROR with File " + path + " : " + DefaultStrings::NAME_TEXTURE + " " + name;
        int height = clampedAtoi(xmlChildText(element, "height"));
        int width = clampedAtoi(xmlChildText(element, "width"));
        if (height < 1 || width < 1) {
            logError(sheetLine + " : cell size " + std::to_string(width) + " x " + std::to_string(height) +
                     " below 1");
            continue;
        }
        std::string filename = xmlChildText(element, "filename");
        sf::Image image;
        if (!image.loadFromFile(filename)) {
            logError(sheetLine + " : cannot load the picture " + filename);
            continue;
        }
        QX_Texture* sheet =
            new QX_Texture(name, image, static_cast<unsigned int>(width), static_cast<unsigned int>(height));
        if (xmlHasChild(element, "iteration_x") && xmlHasChild(element, "iteration_y"))
            sheet->setGrid(clampedAtoi(xmlChildText(element, "iteration_x")),
                           clampedAtoi(xmlChildText(element, "iteration_y")));
        if (xmlHasChild(element, "base_scaling"))
            sheet->setScale(static_cast<float>(clampedAtof(xmlChildText(element, "base_scaling"))));
        textureSheets.push_back(sheet);
    }
}
