// The keyboard as twenty logical buttons read once per frame, and the last typed character.
#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <functional>

class GameControler {
public:
    // Logical buttons; 18 and 19 are bound to no key and are always up.
    enum Button {
        KEY_0 = 0,
        KEY_1 = 1,
        KEY_2 = 2,
        KEY_3 = 3,
        KEY_4 = 4,
        KEY_5 = 5,
        KEY_6 = 6,
        KEY_BACK = 7,
        KEY_ENTER = 8,
        KEY_LEFT = 9,
        KEY_RIGHT = 10,
        KEY_UP = 11,
        KEY_DOWN = 12,
        KEY_D = 13,
        KEY_ESCAPE = 14,
        KEY_SPACE = 15,
        KEY_F4 = 16,
        KEY_D2 = 17
    };
    static const int BUTTON_COUNT = 20;
    static const int BOUND_BUTTONS = 18;
    // Frames a button must stay down before it counts as held (one second).
    static const int HOLD_FRAMES = 30;

    // Tells whether a key is down. Tests install one to drive the keys frame by frame.
    typedef std::function<bool(sf::Keyboard::Key)> KeySource;

    GameControler();
    virtual ~GameControler();
    // One frame: the button states, then the typed character from the last event polled this frame.
    virtual void update(sf::Event event);
    virtual bool isPressed(int k);
    virtual bool isDown(int k);
    virtual bool isHeld(int k);
    virtual void setEnabled(bool on);
    virtual char getTypedChar();

    // Replaces the keyboard (null restores the real one).
    virtual void setKeySource(KeySource source);

private:
    bool keyDown(sf::Keyboard::Key key);
    void updateButtons();
    void updateTypedChar(const sf::Event& event);

    unsigned char prevDown[BUTTON_COUNT];
    unsigned char curDown[BUTTON_COUNT];
    unsigned char heldCount[BUTTON_COUNT];
    char typedChar;
    char lastChar;
    int repeatCount;
    bool enabled;
    KeySource keySource;
};
