// Shared helpers of the window tests: frame capture, pixel searches, scripted keys and picture fixtures.
#pragma once

#include <SFML/Graphics.hpp>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "tests/TestSupport.hpp"

// What the render window holds now (before display), one pixel per canvas unit.
inline sf::Image captureFrame(GameWindow& window) {
    sf::RenderWindow* target = window.getRenderWindow();
    sf::Texture texture;
    texture.create(target->getSize().x, target->getSize().y);
    texture.update(*target);
    return texture.copyToImage();
}

inline bool sameColour(sf::Color a, sf::Color b, int tolerance = 0) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// The smallest rectangle holding every pixel that differs from the background; width 0 when none does.
inline sf::IntRect inkBox(const sf::Image& image, sf::Color background, int tolerance = 40) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x)
            if (!sameColour(image.getPixel(x, y), background, tolerance)) {
                left = std::min(left, static_cast<int>(x));
                top = std::min(top, static_cast<int>(y));
                right = std::max(right, static_cast<int>(x));
                bottom = std::max(bottom, static_cast<int>(y));
            }
    if (right < 0) return sf::IntRect(0, 0, 0, 0);
    return sf::IntRect(left, top, right - left + 1, bottom - top + 1);
}

// Counts the pixels of a canvas rectangle, in what the window shows now, whose colour passes a test.
template <class ColourTest>
int canvasPixelsIn(GameWindow& window, int x, int y, int w, int h, ColourTest test) {
    sf::Image frame = captureFrame(window);
    sf::RenderWindow* target = window.getRenderWindow();
    int n = 0;
    for (int cy = y; cy < y + h; ++cy)
        for (int cx = x; cx < x + w; ++cx) {
            sf::Vector2i at =
                target->mapCoordsToPixel(sf::Vector2f(static_cast<float>(cx), static_cast<float>(cy)));
            if (test(frame.getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y)))) ++n;
        }
    return n;
}

// Counts the pixels close to a colour.
inline int countColour(const sf::Image& image, sf::Color colour, int tolerance = 30) {
    int n = 0;
    for (unsigned y = 0; y < image.getSize().y; ++y)
        for (unsigned x = 0; x < image.getSize().x; ++x)
            if (sameColour(image.getPixel(x, y), colour, tolerance)) ++n;
    return n;
}

// Writes a PNG of one colour (or of vertical bands, one per colour, each bandWidth wide) into the scratch
// folder.
inline void writeBandsPng(const std::string& path, const std::vector<sf::Color>& bands, unsigned bandWidth,
                          unsigned height) {
    sf::Image image;
    image.create(bandWidth * static_cast<unsigned>(bands.size()), height);
    for (unsigned b = 0; b < bands.size(); ++b)
        for (unsigned x = 0; x < bandWidth; ++x)
            for (unsigned y = 0; y < height; ++y)
                image.setPixel(b * bandWidth + x, y, bands[b]);
    boost::filesystem::create_directories(boost::filesystem::path(path).parent_path());
    image.saveToFile(path);
}

// Drives the controler's keys: the keys listed as down are down at the next update.
class ScriptedKeys {
public:
    explicit ScriptedKeys(GameControler& controler) {
        controler.setKeySource([this](sf::Keyboard::Key key) { return down.count(key) != 0; });
    }
    void press(sf::Keyboard::Key key) { down.insert(key); }
    void release(sf::Keyboard::Key key) { down.erase(key); }
    void releaseAll() { down.clear(); }

private:
    std::set<sf::Keyboard::Key> down;
};

// The event a frame without any window event hands to the controler.
inline sf::Event noEvent() {
    sf::Event event;
    std::memset(&event, 0, sizeof(event));
    return event;
}

inline sf::Event textEvent(sf::Uint32 code) {
    sf::Event event = noEvent();
    event.type = sf::Event::TextEntered;
    event.text.unicode = code;
    return event;
}
