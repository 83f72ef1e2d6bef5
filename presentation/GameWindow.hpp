// The game's one drawing layer: the 853 x 480 window, its images, fonts, palette, texts and shapes.
#pragma once

#include <SFML/Graphics.hpp>
#include <atomic>
#include <string>
#include <vector>

#include "rules/WindowServices.hpp"

class QX_Texture;
class ParticleDesc;
class QX_Drawable;
class Zelkin;
class ZelkinMove;
class ZelkinZelkinary;
class ZelkinZelkinaryConfig;
namespace tinyxml2 {
class XMLElement;
}

class GameWindow : public WindowServices {
public:
    // Size of the logical canvas, whatever the size of the window.
    static const int CANVAS_WIDTH = 853;
    static const int CANVAS_HEIGHT = 480;
    static const int UI_SLOTS = 128;
    static const int LIBRARY_SLOTS = 128;
    static const int PALETTE_SIZE = 20;
    // The user-interface images by slot.
    enum UiImage {
        UI_BACKGROUND = 0,
        UI_HPBAR = 5,
        UI_LIFEBAR = 6,
        UI_ZKBALL = 7,
        UI_CLONE = 8,
        UI_SUPPORTERS = 9,
        UI_BOX = 16,
        UI_CURSOR = 17,
        UI_SHADOW = 18,
        UI_ICONS = 19,
        UI_MINITYPES = 21,
        UI_LOADING_BACKGROUND = 22,
        UI_JOURNEY = 23
    };

    // Opens the window, loads images, fonts, sprite sheets and particle descriptions, shows the loading
    // screen.
    GameWindow();
    ~GameWindow() override;

    virtual sf::RenderWindow* getRenderWindow();
    virtual void toggleFullscreen();
    virtual void resetView();
    virtual void drawLoadingScreen();
    virtual void blankFrame();
    virtual void drawTextRight(std::string text, int x, int y);
    virtual int countParticleDescs();
    virtual int countTextureSheets();

    // The particle file reader (defined with the particles).
    virtual void loadParticleFile(std::string path);
    // A new description from one particle element, or null when it lacks its texture or name, or when its
    // first cell lies outside its sheet's grid.
    virtual ParticleDesc* parseParticleDesc(tinyxml2::XMLElement* element);

    virtual QX_Texture* findTexture(std::string name);
    ParticleDesc* findParticleDesc(std::string name) override;
    // Reads a species library's picture into memory (on the loading thread). Its textures, normal and
    // mirrored, are made on the main thread when a creature of it is first framed: graphics objects are
    // never created on the loading thread. A picture that cannot be read, or one beyond the 64 the slots
    // hold, is logged; nothing is drawn for its creatures.
    void loadCreatureImage(std::string file, std::string second) override;

    // Shapes.
    virtual void drawBox(sf::Color colour, int x, int y, int w, int h);
    virtual void drawRectOutlined(sf::Color fill, sf::Color outline, int x, int y, int w, int h);
    virtual void drawRectBlackOutline(sf::Color fill, int x, int y, int w, int h);
    virtual void drawRectSoftOutline(sf::Color fill, int x, int y, int w, int h);
    virtual void drawConvexShape(sf::Color colour, int x1, int y1, int x2, int y2);
    virtual void drawFilledRect(sf::Color colour, int x1, int y1, int x2, int y2);

    // Sprites. A null sprite draws nothing.
    virtual void drawDrawable(QX_Drawable* drawable);
    virtual void drawSpriteScaled(sf::Sprite* sprite, int x, int y, float scale);
    virtual void drawSpriteAt(sf::Sprite* sprite, int x, int y);
    virtual void drawUiSprite(int index, int x, int y);
    // (x, y) is the creature's feet on its sheet's cell.
    virtual void drawAnchoredSprite(sf::Sprite* sprite, int x, int y, ZelkinZelkinaryConfig* config);

    // Texts: characters count as one character size wide when aligned.
    virtual void drawMediumText(std::string text, int x, int y);
    virtual void drawTextColored(std::string text, int x, int y, sf::Color colour);
    virtual void drawText(std::string text, int x, int y);
    virtual void drawTextCenteredColored(std::string text, int x, int y, sf::Color colour);
    virtual void drawTextCentered(std::string text, int x, int y);

    // The commentator's rising line.
    virtual void drawNotice(int x, int y);
    virtual void randomTextColor(int code);

    virtual void drawSizedTextOutlined(std::string text, int size, int x, int y, sf::Color fill,
                                       sf::Color outline);
    virtual void drawSizedTextColored(std::string text, int size, int x, int y, sf::Color fill);
    virtual void drawSizedText(std::string text, int size, int x, int y);
    virtual void drawSizedTextRightOutlined(std::string text, int size, int x, int y, sf::Color fill,
                                            sf::Color outline);
    virtual void drawSizedTextRightColored(std::string text, int size, int x, int y, sf::Color fill);
    virtual void drawSizedTextRight(std::string text, int size, int x, int y);
    virtual void drawSizedTextCenteredOutlined(std::string text, int size, int x, int y, sf::Color fill,
                                               sf::Color outline);
    virtual void drawSizedTextCenteredColored(std::string text, int size, int x, int y, sf::Color fill);
    virtual void drawSizedTextCentered(std::string text, int size, int x, int y);

    // Battle information panels (defined with the panels).
    virtual void drawHpBar(int x, int y, int width);
    virtual void drawGauge(int x, int y, int n);
    virtual void drawCreatureEntry(Zelkin* creature, sf::Color colour, int number, int x, int y, int frame);
    virtual void drawCreatureInfoPanel(Zelkin* creature, sf::Color colour, bool withStats, int x, int y);
    virtual void drawBattleStatsPanel(Zelkin* creature, sf::Color colour, bool withStats, int x, int y);
    virtual void drawMoveInfoPanel(ZelkinMove* move, sf::Color colour, int x, int y);

    virtual void setNotice(std::string text);

    // Creature, supporter, type and ball sprites and icons (defined with the sprites). Sprites from the
    // new... operations belong to the caller; the others are the window's own, re-framed on each call.
    virtual sf::Sprite* setCreatureFrame(ZelkinZelkinary* species, int facing);
    virtual sf::Sprite* newCreatureSpriteSized(ZelkinZelkinary* species, int facing, int sizePercent);
    virtual sf::Sprite* newCreatureSprite(ZelkinZelkinary* species, int facing);
    virtual sf::Sprite* setCreatureFrameSized(ZelkinZelkinary* species, int facing, int sizePercent);
    virtual sf::Sprite* newSupporterSprite(int kind, int facing);
    virtual sf::Sprite* setSupporterFrame(int kind, int facing);
    virtual sf::Sprite* typeIconSprite(int type);
    virtual sf::Sprite* newShadowSprite();
    // Colours 0..19; any other number gives colour 0.
    virtual sf::Color paletteColor(int n);
    virtual sf::Sprite* creatureIconTinted(int row, int frame, int tint);
    virtual sf::Sprite* creatureIcon(int row, int frame);
    virtual sf::Sprite* ballIconSprite(int n);

    // Short names of the panels (defined with the panels).
    virtual std::string statusShortName(int code);
    virtual std::string categoryName(int category);
    virtual std::string weatherName(int code);

    // Reads one sprite-sheet file of data/textures/ (constructor only).
    void loadTextureSheetFile(std::string path);
    // Loads "img/" + name as the scene background, UI image 0.
    void loadImgTexture(std::string name);

    // The font file used for one of the game's font names: the file itself when the game folder has it,
    // else a free system font standing in for it.
    static std::string resolveFontFile(const std::string& name);

    // Scales the stat gauges of the creature panels; screens set it before drawing them.
    int baseLevel = 0;

protected:
    // Makes a library texture from its picture; every library texture is made here, on the main thread.
    virtual void makeLibraryTexture(sf::Texture& texture, const sf::Image& image);

private:
    // The supporters' picture cell of a kind (1-based, kept within the picture's rows) and facing.
    sf::IntRect supporterCell(int kind, int facing);
    // Turns the library pictures read so far into textures and sprites (main thread).
    void makeLibraryTextures();
    void createRenderWindow(bool full);
    void loadUiImage(int index, const std::string& file);
    // Sets the text object's string, character size and place, then draws it.
    void placeText(sf::Text& text, const std::string& content, int size, int x, int y);
    void drawSizedAligned(const std::string& text, int size, int x, int y, sf::Color fill, sf::Color outline,
                          bool outlined);

    std::vector<QX_Texture*> textureSheets;
    std::vector<ParticleDesc*> particleDescs;
    std::string noticeText;
    bool fullscreen = false;
    int noticeTimer = 50;
    // Library slots in use (two per picture read), published by the loading thread after the picture.
    std::atomic<int> libraryImageCount{0};
    // Library slots whose textures exist (main thread only).
    int libraryTexturesMade = 0;
    // Pictures asked for, kept or not: the number a dropped picture is logged with.
    int libraryRequests = 0;
    sf::RenderWindow* renderWindow = nullptr;
    sf::Texture uiTextures[UI_SLOTS];
    sf::Sprite* uiSprites[UI_SLOTS];
    // Picture k waits here, read but not yet made into textures 2k and 2k + 1; empty when it failed.
    sf::Image libraryImages[LIBRARY_SLOTS / 2];
    sf::Texture libraryTextures[LIBRARY_SLOTS];
    sf::Sprite* librarySprites[LIBRARY_SLOTS];
    sf::Font mainFont;
    sf::Font secondFont;
    sf::Text mainText;
    sf::Text noticeTextObject;
    sf::Text mediumText;
    sf::Text sizedText;
    sf::Color palette[PALETTE_SIZE];
};
