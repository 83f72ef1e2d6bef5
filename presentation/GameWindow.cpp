// The game's one drawing layer: window, images, fonts, palette, shapes, texts, notice and sheet lookups.
#include "presentation/GameWindow.hpp"

#include <boost/filesystem.hpp>

#include "presentation/Latin1.hpp"
#include "presentation/ParticleDesc.hpp"
#include "presentation/QX_Drawable.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"

namespace {

const sf::Color kBlack(0, 0, 0, 255);
const sf::Color kWhite(255, 255, 255, 255);

// The palette's first eighteen colours; 18 and 19 stay opaque black.
const sf::Uint8 kPalette[18][4] = {{255, 255, 255, 224}, {64, 64, 192, 224},   {128, 128, 255, 224},
                                   {182, 182, 255, 224}, {192, 64, 64, 224},   {255, 128, 128, 224},
                                   {255, 182, 182, 224}, {64, 192, 64, 224},   {128, 255, 128, 224},
                                   {182, 255, 128, 224}, {192, 192, 64, 224},  {255, 255, 128, 224},
                                   {255, 255, 128, 224}, {128, 128, 128, 224}, {182, 182, 182, 224},
                                   {255, 255, 255, 224}, {182, 0, 32, 255},    {64, 0, 182, 255}};

// Free system fonts standing in for the game's own font names.
const char* const kFontFolder = "/usr/share/fonts/truetype/dejavu/";

sf::Vector2f at(int x, int y) { return sf::Vector2f(static_cast<float>(x), static_cast<float>(y)); }

} // namespace

GameWindow::GameWindow() {
    for (int i = 0; i < UI_SLOTS; ++i)
        uiSprites[i] = nullptr;
    for (int i = 0; i < LIBRARY_SLOTS; ++i)
        librarySprites[i] = nullptr;
    for (int i = 0; i < PALETTE_SIZE; ++i)
        palette[i] = kBlack;

    createRenderWindow(false);

    loadUiImage(UI_BACKGROUND, "img/main_bg.png");
    loadUiImage(UI_LIFEBAR, "img/lifebar.png");
    loadUiImage(UI_HPBAR, "img/hpbar.png");
    loadUiImage(UI_ZKBALL, "img/zkball.png");
    // Seven separate copies so that each crowd row can be framed on its own.
    for (int index : {9, 10, 11, 12, 14, 13, 15}) {
        loadUiImage(index, "img/supporters.png");
        uiSprites[index]->setScale(2.f, 2.f);
    }
    loadUiImage(UI_CLONE, "img/clone.png");
    loadUiImage(UI_BOX, "img/box.png");
    loadUiImage(UI_CURSOR, "img/cursor.png");
    loadUiImage(UI_ICONS, "img/zlkn_icon.png");
    loadUiImage(UI_SHADOW, "img/shadow.png");
    uiSprites[UI_SHADOW]->setColor(sf::Color(255, 255, 255, 128));
    loadUiImage(UI_MINITYPES, "img/minitypes.png");
    loadUiImage(UI_LOADING_BACKGROUND, "img/main_bg.png");
    loadUiImage(UI_JOURNEY, "img/journey.png");

    for (int i = 0; i < 18; ++i)
        palette[i] = sf::Color(kPalette[i][0], kPalette[i][1], kPalette[i][2], kPalette[i][3]);

    mainFont.loadFromFile(resolveFontFile("ZelkinGB.ttf"));
    secondFont.loadFromFile(resolveFontFile("Arial.ttf"));

    mainText.setFont(mainFont);
    mainText.setCharacterSize(8);
    mainText.setFillColor(kBlack);
    noticeTextObject.setFont(mainFont);
    noticeTextObject.setCharacterSize(12);
    noticeTextObject.setFillColor(sf::Color(0, 255, 0));
    mediumText.setFont(mainFont);
    mediumText.setCharacterSize(10);
    mediumText.setFillColor(sf::Color(0, 0, 255));
    sizedText.setFont(mainFont);
    sizedText.setCharacterSize(20);
    sizedText.setFillColor(kBlack);

    // Sheets first: particle descriptions name the sheet they draw from.
    for (const std::string& path : listXmlFiles("data/textures"))
        loadTextureSheetFile(path);
    for (const std::string& path : listXmlFiles("data/particles"))
        loadParticleFile(path);

    noticeText.clear();
    noticeTimer = 50;
    baseLevel = 0;
    drawLoadingScreen();
}

GameWindow::~GameWindow() {
    for (QX_Texture* sheet : textureSheets)
        delete sheet;
    for (ParticleDesc* desc : particleDescs)
        delete desc;
    for (int i = 0; i < UI_SLOTS; ++i)
        delete uiSprites[i];
    for (int i = 0; i < LIBRARY_SLOTS; ++i)
        delete librarySprites[i];
    delete renderWindow;
}

std::string GameWindow::resolveFontFile(const std::string& name) {
    boost::system::error_code ec;
    if (boost::filesystem::is_regular_file(name, ec)) return name;
    if (name == "ZelkinGB.ttf") return std::string(kFontFolder) + "DejaVuSansMono-Bold.ttf";
    if (name == "Arial.ttf") return std::string(kFontFolder) + "DejaVuSans.ttf";
    return name;
}

void GameWindow::createRenderWindow(bool full) {
    sf::VideoMode mode(CANVAS_WIDTH, CANVAS_HEIGHT, 32);
    sf::Uint32 style = sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close;
    if (full) {
        const std::vector<sf::VideoMode>& modes = sf::VideoMode::getFullscreenModes();
        // Some displays (virtual ones) offer no fullscreen mode: take the desktop's size instead.
        mode = modes.empty() ? sf::VideoMode::getDesktopMode() : modes.front();
        style = sf::Style::Fullscreen;
    }
    // The first window takes the game's name from the string table (still its compiled-in default at
    // that moment); re-created windows keep the fixed title.
    std::string title = renderWindow == nullptr ? DefaultStrings::GAME_NAME : std::string("Quorvex");
    if (renderWindow == nullptr) renderWindow = new sf::RenderWindow();
    renderWindow->create(mode, latin1ToSf(title), style, sf::ContextSettings());
}

void GameWindow::loadUiImage(int index, const std::string& file) {
    uiTextures[index].loadFromFile(file);
    delete uiSprites[index];
    uiSprites[index] = new sf::Sprite(uiTextures[index]);
}

void GameWindow::loadImgTexture(std::string name) {
    uiTextures[UI_BACKGROUND].loadFromFile("img/" + name);
    // The new picture may differ in size: the sprite covers the whole of it again.
    if (uiSprites[UI_BACKGROUND] != nullptr)
        uiSprites[UI_BACKGROUND]->setTexture(uiTextures[UI_BACKGROUND], true);
}

sf::RenderWindow* GameWindow::getRenderWindow() { return renderWindow; }

void GameWindow::toggleFullscreen() {
    fullscreen = !fullscreen;
    createRenderWindow(fullscreen);
    resetView();
}

void GameWindow::resetView() {
    renderWindow->setView(sf::View(sf::FloatRect(0.f, 0.f, CANVAS_WIDTH, CANVAS_HEIGHT)));
}

void GameWindow::drawLoadingScreen() {
    renderWindow->clear(kWhite);
    drawUiSprite(UI_LOADING_BACKGROUND, 0, 0);
    sf::Text loading(latin1ToSf("Chargement"), mainFont, 20);
    loading.setFillColor(kBlack);
    loading.setPosition(at(300, 220));
    renderWindow->draw(loading);
    renderWindow->display();
}

void GameWindow::blankFrame() {
    renderWindow->clear(kBlack);
    renderWindow->display();
}

int GameWindow::countParticleDescs() { return static_cast<int>(particleDescs.size()); }

int GameWindow::countTextureSheets() { return static_cast<int>(textureSheets.size()); }

QX_Texture* GameWindow::findTexture(std::string name) {
    for (QX_Texture* sheet : textureSheets)
        if (sheet->getNameText() == name) return sheet;
    return nullptr;
}

// Shapes.

void GameWindow::drawBox(sf::Color colour, int x, int y, int w, int h) {
    sf::RectangleShape inside(at(w - 16, h - 16));
    inside.setPosition(at(x + 8, y + 8));
    inside.setFillColor(colour);
    renderWindow->draw(inside);

    const sf::Texture& frame = uiTextures[UI_BOX];
    sf::Sprite piece(frame);
    auto cell = [&](int c, int left, int top, int width, int height, int px, int py) {
        piece.setTextureRect(sf::IntRect(16 * c + left, top, width, height));
        piece.setPosition(at(px, py));
        renderWindow->draw(piece);
    };
    cell(0, 0, 0, 16, 16, x, y);
    cell(1, 0, 0, 16, 16, x + w - 16, y);
    cell(2, 0, 0, 16, 16, x, y + h - 16);
    cell(3, 0, 0, 16, 16, x + w - 16, y + h - 16);

    // Edges are laid from the far end back towards the corner; the last piece is cut to what is left.
    int inner = w - 32;
    if (inner > 0) {
        int px = x + inner;
        int left = inner;
        while (left >= 16) {
            cell(4, 0, 0, 16, 16, px, y);
            cell(4, 0, 0, 16, 16, px, y + h - 16);
            px -= 16;
            left -= 16;
        }
        if (left > 0) {
            cell(4, 0, 0, left, 16, x + 16, y);
            cell(4, 0, 0, left, 16, x + 16, y + h - 16);
        }
    }
    inner = h - 32;
    if (inner > 0) {
        int py = y + inner;
        int left = inner;
        while (left >= 16) {
            cell(5, 0, 0, 16, 16, x, py);
            cell(5, 0, 0, 16, 16, x + w - 16, py);
            py -= 16;
            left -= 16;
        }
        if (left > 0) {
            cell(5, 0, 0, 16, left, x, y + 16);
            cell(5, 0, 0, 16, left, x + w - 16, y + 16);
        }
    }
}

void GameWindow::drawRectOutlined(sf::Color fill, sf::Color outline, int x, int y, int w, int h) {
    sf::RectangleShape rect(at(w, h));
    rect.setPosition(at(x, y));
    rect.setFillColor(fill);
    rect.setOutlineColor(outline);
    rect.setOutlineThickness(2.f);
    renderWindow->draw(rect);
}

void GameWindow::drawRectBlackOutline(sf::Color fill, int x, int y, int w, int h) {
    drawRectOutlined(fill, kBlack, x, y, w, h);
}

void GameWindow::drawRectSoftOutline(sf::Color fill, int x, int y, int w, int h) {
    drawRectOutlined(fill, sf::Color(fill.r, fill.g, fill.b, 128), x, y, w, h);
}

void GameWindow::drawConvexShape(sf::Color colour, int x1, int y1, int x2, int y2) {
    sf::ConvexShape stroke(4);
    stroke.setPoint(0, at(x1 - 2, y1 - 2));
    stroke.setPoint(1, at(x2 - 2, y2 - 2));
    stroke.setPoint(2, at(x2 + 2, y2 + 2));
    stroke.setPoint(3, at(x1 + 2, y1 + 2));
    stroke.setFillColor(colour);
    renderWindow->draw(stroke);
}

void GameWindow::drawFilledRect(sf::Color colour, int x1, int y1, int x2, int y2) {
    sf::RectangleShape rect(at(x2 - x1, y2 - y1));
    rect.setPosition(at(x1, y1));
    rect.setFillColor(colour);
    renderWindow->draw(rect);
}

// Sprites.

void GameWindow::drawDrawable(QX_Drawable* drawable) {
    if (drawable != nullptr) drawable->draw(renderWindow);
}

void GameWindow::drawSpriteScaled(sf::Sprite* sprite, int x, int y, float scale) {
    if (sprite == nullptr) return;
    sf::Vector2f remembered = sprite->getScale();
    sprite->setScale(scale, scale);
    sprite->setPosition(at(x, y));
    renderWindow->draw(*sprite);
    sprite->setScale(remembered);
}

void GameWindow::drawSpriteAt(sf::Sprite* sprite, int x, int y) {
    if (sprite == nullptr) return;
    sprite->setPosition(at(x, y));
    renderWindow->draw(*sprite);
}

void GameWindow::drawUiSprite(int index, int x, int y) {
    // Slots without an image (and numbers outside the table) draw nothing rather than fail.
    if (index < 0 || index >= UI_SLOTS) return;
    drawSpriteAt(uiSprites[index], x, y);
}

void GameWindow::drawAnchoredSprite(sf::Sprite* sprite, int x, int y, ZelkinZelkinaryConfig* config) {
    if (sprite == nullptr) return;
    if (config == nullptr) {
        drawSpriteAt(sprite, x, y);
        return;
    }
    sf::Vector2f scale = sprite->getScale();
    int px = static_cast<int>(x - scale.x * config->getHalfWidth());
    int py = static_cast<int>(y - scale.y * config->getSevenEighthsHeight());
    drawSpriteAt(sprite, px, py);
}

// Texts.

void GameWindow::placeText(sf::Text& text, const std::string& content, int size, int x, int y) {
    text.setString(latin1ToSf(content));
    text.setCharacterSize(static_cast<unsigned int>(size > 0 ? size : 0));
    // The game lays texts out as if every character were one character size wide. A stand-in font is
    // narrower: widen it so that centred and right-aligned texts land where the layout expects.
    float scaleX = 1.f;
    if (size > 0 && text.getFont() != nullptr) {
        float advance = text.getFont()->getGlyph(U'M', static_cast<unsigned int>(size), false).advance;
        if (advance > 0.f) scaleX = static_cast<float>(size) / advance;
    }
    text.setScale(scaleX, 1.f);
    text.setPosition(at(x, y));
    renderWindow->draw(text);
}

namespace {
int textLength(const std::string& text) { return static_cast<int>(text.size()); }
} // namespace

void GameWindow::drawText(std::string text, int x, int y) {
    placeText(mainText, text, mainText.getCharacterSize(), x, y);
}

void GameWindow::drawTextColored(std::string text, int x, int y, sf::Color colour) {
    mainText.setFillColor(colour);
    drawText(text, x, y);
    mainText.setFillColor(kBlack);
}

void GameWindow::drawTextCentered(std::string text, int x, int y) {
    int s = static_cast<int>(mainText.getCharacterSize());
    drawText(text, x - (s / 2) * textLength(text), y);
}

void GameWindow::drawTextCenteredColored(std::string text, int x, int y, sf::Color colour) {
    mainText.setFillColor(colour);
    drawTextCentered(text, x, y);
    mainText.setFillColor(kBlack);
}

void GameWindow::drawTextRight(std::string text, int x, int y) {
    int s = static_cast<int>(mainText.getCharacterSize());
    drawText(text, x - s * (textLength(text) - 1), y);
}

void GameWindow::drawMediumText(std::string text, int x, int y) {
    placeText(mediumText, text, mediumText.getCharacterSize(), x, y);
}

void GameWindow::drawSizedAligned(const std::string& text, int size, int x, int y, sf::Color fill,
                                  sf::Color outline, bool outlined) {
    sizedText.setFillColor(fill);
    if (outlined) {
        sizedText.setOutlineColor(outline);
        sizedText.setOutlineThickness(static_cast<float>(size / 24 + 1));
    }
    placeText(sizedText, text, size, x, y);
    sizedText.setFillColor(kBlack);
    sizedText.setOutlineThickness(0.f);
}

void GameWindow::drawSizedText(std::string text, int size, int x, int y) {
    drawSizedAligned(text, size, x, y, kBlack, kBlack, false);
}

void GameWindow::drawSizedTextColored(std::string text, int size, int x, int y, sf::Color fill) {
    drawSizedAligned(text, size, x, y, fill, kBlack, false);
}

void GameWindow::drawSizedTextOutlined(std::string text, int size, int x, int y, sf::Color fill,
                                       sf::Color outline) {
    drawSizedAligned(text, size, x, y, fill, outline, true);
}

void GameWindow::drawSizedTextRight(std::string text, int size, int x, int y) {
    drawSizedText(text, size, x - size * textLength(text), y);
}

void GameWindow::drawSizedTextRightColored(std::string text, int size, int x, int y, sf::Color fill) {
    drawSizedTextColored(text, size, x - size * textLength(text), y, fill);
}

void GameWindow::drawSizedTextRightOutlined(std::string text, int size, int x, int y, sf::Color fill,
                                            sf::Color outline) {
    drawSizedTextOutlined(text, size, x - size * textLength(text), y, fill, outline);
}

void GameWindow::drawSizedTextCentered(std::string text, int size, int x, int y) {
    drawSizedText(text, size, x - (size / 2) * textLength(text), y);
}

void GameWindow::drawSizedTextCenteredColored(std::string text, int size, int x, int y, sf::Color fill) {
    drawSizedTextColored(text, size, x - (size / 2) * textLength(text), y, fill);
}

void GameWindow::drawSizedTextCenteredOutlined(std::string text, int size, int x, int y, sf::Color fill,
                                               sf::Color outline) {
    drawSizedTextOutlined(text, size, x - (size / 2) * textLength(text), y, fill, outline);
}

// The notice.

void GameWindow::setNotice(std::string text) {
    noticeText = text;
    noticeTimer = 50;
}

void GameWindow::drawNotice(int x, int y) {
    if (noticeTimer < 1) return;
    --noticeTimer;
    int n = textLength(noticeText);
    int s = 16;
    if (n >= 56)
        s = 12;
    else if (n >= 51)
        s = 13;
    else if (n >= 46)
        s = 14;
    else if (n >= 41)
        s = 15;
    drawRectOutlined(sf::Color(255, 255, 255, 224), sf::Color(255, 255, 255, 128), -2, y + noticeTimer - 4,
                     860, 24);
    placeText(noticeTextObject, noticeText, s, x - s * n / 2, y + noticeTimer);
}

void GameWindow::randomTextColor(int code) {
    if (code == 0) {
        PseudoRNG rng;
        code = rng.random(5) + 1;
    }
    switch (code) {
    case 1:
        noticeTextObject.setFillColor(sf::Color(0, 192, 0));
        break;
    case 2:
        noticeTextObject.setFillColor(sf::Color(255, 0, 0));
        break;
    case 3:
        noticeTextObject.setFillColor(sf::Color(0, 0, 255));
        break;
    case 4:
        noticeTextObject.setFillColor(sf::Color(128, 128, 0));
        break;
    case 5:
        noticeTextObject.setFillColor(sf::Color(130, 0, 130));
        break;
    default:
        break;
    }
}

sf::Color GameWindow::paletteColor(int n) {
    if (n < 0 || n >= PALETTE_SIZE) return palette[0];
    return palette[n];
}
