// The keyboard as twenty logical buttons read once per frame, and the last typed character.
#include "presentation/GameControler.hpp"

#include <initializer_list>

namespace {

// The keys of each bound button (either one); D serves two buttons.
const std::initializer_list<sf::Keyboard::Key> kBindings[GameControler::BOUND_BUTTONS] = {
    {sf::Keyboard::Num0, sf::Keyboard::Numpad0},
    {sf::Keyboard::Num1, sf::Keyboard::Numpad1},
    {sf::Keyboard::Num2, sf::Keyboard::Numpad2},
    {sf::Keyboard::Num3, sf::Keyboard::Numpad3},
    {sf::Keyboard::Num4, sf::Keyboard::Numpad4},
    {sf::Keyboard::Num5, sf::Keyboard::Numpad5},
    {sf::Keyboard::Num6, sf::Keyboard::Numpad6},
    {sf::Keyboard::BackSpace},
    {sf::Keyboard::Enter},
    {sf::Keyboard::Left},
    {sf::Keyboard::Right},
    {sf::Keyboard::Up},
    {sf::Keyboard::Down},
    {sf::Keyboard::D},
    {sf::Keyboard::Escape},
    {sf::Keyboard::Space},
    {sf::Keyboard::F4},
    {sf::Keyboard::D}};

bool validButton(int k) { return k >= 0 && k < GameControler::BUTTON_COUNT; }

} // namespace

GameControler::GameControler() : typedChar(0), lastChar(0), repeatCount(0), enabled(true) {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        prevDown[i] = 0;
        curDown[i] = 0;
        heldCount[i] = 0;
    }
}

GameControler::~GameControler() {}

void GameControler::setKeySource(KeySource source) { keySource = source; }

bool GameControler::keyDown(sf::Keyboard::Key key) {
    return keySource ? keySource(key) : sf::Keyboard::isKeyPressed(key);
}

void GameControler::update(sf::Event event) {
    if (!enabled) return;
    updateButtons();
    updateTypedChar(event);
}

void GameControler::updateButtons() {
    for (int i = 0; i < BUTTON_COUNT; ++i)
        prevDown[i] = curDown[i];
    for (int i = 0; i < BOUND_BUTTONS; ++i) {
        unsigned char down = 0;
        for (sf::Keyboard::Key key : kBindings[i])
            if (keyDown(key)) down = 1;
        curDown[i] = down;
    }
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        // Stops counting at the top instead of wrapping, so a key kept down stays held.
        if (curDown[i] == 0)
            heldCount[i] = 0;
        else if (heldCount[i] < 255)
            ++heldCount[i];
    }
}

void GameControler::updateTypedChar(const sf::Event& event) {
    if (event.type != sf::Event::TextEntered) {
        typedChar = 0;
        lastChar = 0;
        repeatCount = 0;
        return;
    }
    sf::Uint32 code = event.text.unicode;
    // Only digits, letters, punctuation and delete are typed; anything else counts as no character at
    // all, so it neither repeats the previous frame's character nor holds back the next one.
    if (code < 48 || code > 127) {
        typedChar = 0;
        lastChar = 0;
        repeatCount = 0;
        return;
    }
    char c = static_cast<char>(code);
    if (c != lastChar) {
        lastChar = c;
        typedChar = c;
        repeatCount = 0;
        return;
    }
    if (repeatCount < 20) ++repeatCount;
    typedChar = repeatCount >= 20 ? c : 0;
}

bool GameControler::isPressed(int k) { return validButton(k) && curDown[k] != 0 && prevDown[k] == 0; }

bool GameControler::isDown(int k) { return validButton(k) && curDown[k] != 0; }

bool GameControler::isHeld(int k) { return validButton(k) && heldCount[k] >= HOLD_FRAMES; }

void GameControler::setEnabled(bool on) { enabled = on; }

char GameControler::getTypedChar() { return typedChar; }
