// The window's ready-framed sprites: species library pictures, supporters, type and ball icons, creature
// icons with their tints, and the shadow.
#include <algorithm>

#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"

namespace {
// Handed out when a species has no picture to show, so that callers always draw something harmless.
sf::Sprite& emptySprite() {
    static sf::Sprite sprite;
    return sprite;
}

// Where a species' picture sits: the library slot (normal or mirrored) and the cell rectangle.
struct CreatureFrame {
    int slot = -1;
    sf::IntRect rect;
    float scale = 1.0f;
};

bool frameSpecies(ZelkinZelkinary* species, int facing, int librarySlotsMade, CreatureFrame& frame) {
    ZelkinZelkinaryConfig* config = species != nullptr ? species->getConfig() : nullptr;
    if (config == nullptr) return false;
    int n = species->getSpriteNumber();
    // A sheet layout of no cells per row would divide by zero; read it as one column.
    int perRow = std::max(config->getCellsPerLine(), 1);
    int w = config->getCellWidth();
    int h = config->getCellHeight();
    int column = (n - 1) % perRow;
    int row = (n - 1) / perRow;
    int left = w * column;
    int top = h * row;
    int k = species->getLibraryId();
    int slot = 2 * k;
    if (facing != config->getFace()) {
        slot += 1;
        left = w * (perRow - 1) - left;
    }
    frame.rect = sf::IntRect(left, top, w, h);
    frame.scale = config->getScale();
    // Pictures are numbered from 1: a lower number has no cell and shows nothing.
    frame.slot = (n >= 1 && k >= 0 && slot < librarySlotsMade) ? slot : -1;
    return true;
}

float sizeFactor(int sizePercent) { return std::min(std::max(sizePercent / 100.0f, 0.5f), 2.0f); }
} // namespace

void GameWindow::loadCreatureImage(std::string file, std::string) {
    int number = ++libraryRequests;
    std::string path = "img/" + file;
    int k2 = libraryImageCount.load(std::memory_order_relaxed);
    if (k2 + 1 >= LIBRARY_SLOTS) {
        logError("ERROR with File " + path + " : " + DefaultStrings::NAME_LIBRARY + " number " +
                 std::to_string(number) + " : no room for its picture, " + std::to_string(LIBRARY_SLOTS / 2) +
                 " at most");
        return;
    }
    // A picture that cannot be read still takes its slots, so later libraries keep their places.
    if (!libraryImages[k2 / 2].loadFromFile(path))
        logError("ERROR with File " + path + " : " + DefaultStrings::NAME_LIBRARY + " number " +
                 std::to_string(number) + " : cannot load its picture");
    libraryImageCount.store(k2 + 2, std::memory_order_release);
}

void GameWindow::makeLibraryTexture(sf::Texture& texture, const sf::Image& image) {
    texture.loadFromImage(image);
}

void GameWindow::makeLibraryTextures() {
    int count = libraryImageCount.load(std::memory_order_acquire);
    for (int k2 = libraryTexturesMade; k2 < count; k2 += 2) {
        sf::Image& image = libraryImages[k2 / 2];
        // A picture that failed gets no sprites: its creatures draw nothing.
        if (image.getSize().x == 0 || image.getSize().y == 0) continue;
        makeLibraryTexture(libraryTextures[k2], image);
        image.flipHorizontally();
        makeLibraryTexture(libraryTextures[k2 + 1], image);
        image = sf::Image();
        for (int slot = k2; slot <= k2 + 1; ++slot) {
            delete librarySprites[slot];
            librarySprites[slot] = new sf::Sprite(libraryTextures[slot]);
            librarySprites[slot]->setScale(2.f, 2.f);
        }
    }
    libraryTexturesMade = count;
}

sf::Sprite* GameWindow::setCreatureFrame(ZelkinZelkinary* species, int facing) {
    return setCreatureFrameSized(species, facing, 100);
}

sf::Sprite* GameWindow::setCreatureFrameSized(ZelkinZelkinary* species, int facing, int sizePercent) {
    makeLibraryTextures();
    CreatureFrame frame;
    if (!frameSpecies(species, facing, libraryTexturesMade, frame) || frame.slot < 0 ||
        librarySprites[frame.slot] == nullptr)
        return &emptySprite();
    sf::Sprite* sprite = librarySprites[frame.slot];
    sprite->setTextureRect(frame.rect);
    float s = frame.scale * sizeFactor(sizePercent);
    sprite->setScale(s, s);
    return sprite;
}

sf::Sprite* GameWindow::newCreatureSprite(ZelkinZelkinary* species, int facing) {
    return newCreatureSpriteSized(species, facing, 100);
}

sf::Sprite* GameWindow::newCreatureSpriteSized(ZelkinZelkinary* species, int facing, int sizePercent) {
    makeLibraryTextures();
    CreatureFrame frame;
    sf::Sprite* sprite = new sf::Sprite();
    if (!frameSpecies(species, facing, libraryTexturesMade, frame)) return sprite;
    // A library without a loaded picture leaves the sprite without a texture: it draws nothing.
    if (frame.slot >= 0 && librarySprites[frame.slot] != nullptr)
        sprite->setTexture(libraryTextures[frame.slot]);
    sprite->setTextureRect(frame.rect);
    float s = frame.scale * sizeFactor(sizePercent);
    sprite->setScale(s, s);
    return sprite;
}

sf::IntRect GameWindow::supporterCell(int kind, int facing) {
    // Kinds come from bot files and the settings: keep them on the rows the picture has.
    int rows = static_cast<int>(uiTextures[UI_SUPPORTERS].getSize().y / 16);
    if (rows >= 1) kind = std::min(std::max(kind, 1), rows);
    return sf::IntRect(16 * facing, 16 * (kind - 1), 16, 16);
}

sf::Sprite* GameWindow::newSupporterSprite(int kind, int facing) {
    sf::Sprite* sprite = new sf::Sprite(uiTextures[UI_SUPPORTERS]);
    sprite->setTextureRect(supporterCell(kind, facing));
    sprite->setScale(2.f, 2.f);
    return sprite;
}

sf::Sprite* GameWindow::setSupporterFrame(int kind, int facing) {
    sf::Sprite* sprite = uiSprites[UI_SUPPORTERS];
    if (sprite == nullptr) return &emptySprite();
    sprite->setTextureRect(supporterCell(kind, facing));
    return sprite;
}

sf::Sprite* GameWindow::typeIconSprite(int type) {
    sf::Sprite* sprite = uiSprites[UI_MINITYPES];
    if (sprite == nullptr) return &emptySprite();
    sprite->setTextureRect(sf::IntRect(0, 16 * type, 16, 16));
    return sprite;
}

sf::Sprite* GameWindow::ballIconSprite(int n) {
    sf::Sprite* sprite = uiSprites[UI_ZKBALL];
    if (sprite == nullptr) return &emptySprite();
    sprite->setTextureRect(sf::IntRect(16 * n, 0, 16, 16));
    return sprite;
}

sf::Sprite* GameWindow::newShadowSprite() { return new sf::Sprite(uiTextures[UI_SHADOW]); }

sf::Sprite* GameWindow::creatureIcon(int row, int frame) {
    sf::Sprite* sprite = creatureIconTinted(row, frame, -1);
    sprite->setColor(sf::Color::White);
    return sprite;
}

sf::Sprite* GameWindow::creatureIconTinted(int row, int frame, int tint) {
    static const sf::Color tints[] = {
        sf::Color(255, 255, 255), sf::Color(255, 96, 96),  sf::Color(96, 96, 255),  sf::Color(64, 255, 64),
        sf::Color(64, 255, 255),  sf::Color(255, 64, 255), sf::Color(255, 255, 64), sf::Color(255, 160, 255),
        sf::Color(128, 128, 128), sf::Color(64, 64, 64),   sf::Color(255, 32, 32),  sf::Color(32, 182, 32),
        sf::Color(32, 32, 255),   sf::Color(150, 150, 0)};
    sf::Sprite* sprite = uiSprites[UI_ICONS];
    if (sprite == nullptr) return &emptySprite();
    // Two animation frames side by side per row (frame & 1 keeps negative frames in 0..1).
    sprite->setTextureRect(sf::IntRect(32 * (frame & 1), 32 * row, 32, 32));
    if (tint >= 0 && tint <= 13) sprite->setColor(tints[tint]);
    return sprite;
}
