// The reader of the sprite-sheet files under data/textures/.
#include <tinyxml2.h>

#include <cstdio>

#include "presentation/GameWindow.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/Platform.hpp"

void GameWindow::loadTextureSheetFile(std::string path) {
    tinyxml2::XMLDocument document;
    // A file that cannot be opened or read as XML gives no sheet and no message.
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) return;
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
        sf::Image image;
        image.loadFromFile(xmlChildText(element, "filename"));
        // A negative size read from the file would wrap to a huge unsigned cell: such a sheet frames nothing.
        int height = clampedAtoi(xmlChildText(element, "height"));
        int width = clampedAtoi(xmlChildText(element, "width"));
        QX_Texture* sheet = new QX_Texture(xmlChildText(element, "name"), image,
                                           static_cast<unsigned int>(width > 0 ? width : 0),
                                           static_cast<unsigned int>(height > 0 ? height : 0));
        if (xmlHasChild(element, "iteration_x") && xmlHasChild(element, "iteration_y"))
            sheet->setGrid(clampedAtoi(xmlChildText(element, "iteration_x")),
                           clampedAtoi(xmlChildText(element, "iteration_y")));
        if (xmlHasChild(element, "base_scaling"))
            sheet->setScale(static_cast<float>(clampedAtof(xmlChildText(element, "base_scaling"))));
        textureSheets.push_back(sheet);
    }
}
