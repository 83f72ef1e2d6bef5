// The keyboard controler over scripted frames: pressed, down and held, bindings, focus and typed characters.
#include <gtest/gtest.h>

#include "tests/screen/ScreenSupport.hpp"

namespace {

class ControlerFixture : public ::testing::Test {
protected:
    void frame(sf::Event event = noEvent()) { controler.update(event); }
    GameControler controler;
    ScriptedKeys keys{controler};
};

} // namespace

TEST_F(ControlerFixture, PressedOnTheFirstFrameDownEveryFrameHeldFromTheThirtieth) {
    keys.press(sf::Keyboard::Enter);
    for (int n = 1; n <= 31; ++n) {
        frame();
        EXPECT_EQ(n == 1, controler.isPressed(GameControler::KEY_ENTER)) << n;
        EXPECT_TRUE(controler.isDown(GameControler::KEY_ENTER)) << n;
        EXPECT_EQ(n >= 30, controler.isHeld(GameControler::KEY_ENTER)) << n;
    }
    // Kept down far past the counter's range: still held, never pressed again.
    for (int n = 0; n < 300; ++n)
        frame();
    EXPECT_TRUE(controler.isHeld(GameControler::KEY_ENTER));
    EXPECT_FALSE(controler.isPressed(GameControler::KEY_ENTER));

    keys.release(sf::Keyboard::Enter);
    frame();
    EXPECT_FALSE(controler.isDown(GameControler::KEY_ENTER));
    EXPECT_FALSE(controler.isHeld(GameControler::KEY_ENTER));
    keys.press(sf::Keyboard::Enter);
    frame();
    EXPECT_TRUE(controler.isPressed(GameControler::KEY_ENTER));
}

TEST_F(ControlerFixture, BindingsAndButtonsOutsideTheTable) {
    keys.press(sf::Keyboard::Numpad3);
    frame();
    EXPECT_TRUE(controler.isPressed(GameControler::KEY_3));
    keys.releaseAll();
    frame();
    keys.press(sf::Keyboard::Num3);
    frame();
    EXPECT_TRUE(controler.isPressed(GameControler::KEY_3));
    keys.releaseAll();

    keys.press(sf::Keyboard::D);
    frame();
    EXPECT_TRUE(controler.isPressed(GameControler::KEY_D));
    EXPECT_TRUE(controler.isPressed(GameControler::KEY_D2));

    const std::pair<sf::Keyboard::Key, int> table[] = {
        {sf::Keyboard::BackSpace, GameControler::KEY_BACK}, {sf::Keyboard::Left, GameControler::KEY_LEFT},
        {sf::Keyboard::Right, GameControler::KEY_RIGHT},    {sf::Keyboard::Up, GameControler::KEY_UP},
        {sf::Keyboard::Down, GameControler::KEY_DOWN},      {sf::Keyboard::Escape, GameControler::KEY_ESCAPE},
        {sf::Keyboard::Space, GameControler::KEY_SPACE},    {sf::Keyboard::F4, GameControler::KEY_F4},
        {sf::Keyboard::Num0, GameControler::KEY_0},         {sf::Keyboard::Numpad6, GameControler::KEY_6}};
    for (const auto& entry : table) {
        keys.releaseAll();
        frame();
        keys.press(entry.first);
        frame();
        for (int k = 0; k < GameControler::BUTTON_COUNT; ++k)
            EXPECT_EQ(k == entry.second, controler.isDown(k)) << "key " << entry.first << " button " << k;
    }

    // Every key down: 18 and 19 stay up, numbers outside 0..19 answer false.
    keys.releaseAll();
    for (int key = 0; key < sf::Keyboard::KeyCount; ++key)
        keys.press(static_cast<sf::Keyboard::Key>(key));
    for (int n = 0; n < 40; ++n)
        frame();
    for (int k : {18, 19, 20, -1, 1000}) {
        EXPECT_FALSE(controler.isPressed(k)) << k;
        EXPECT_FALSE(controler.isDown(k)) << k;
        EXPECT_FALSE(controler.isHeld(k)) << k;
    }
}

TEST_F(ControlerFixture, LosingTheFocusFreezesEverything) {
    keys.press(sf::Keyboard::Up);
    frame();
    controler.setEnabled(false);
    keys.releaseAll();
    for (int n = 0; n < 40; ++n)
        frame(textEvent('x'));
    EXPECT_TRUE(controler.isDown(GameControler::KEY_UP));
    EXPECT_TRUE(controler.isPressed(GameControler::KEY_UP));
    EXPECT_FALSE(controler.isHeld(GameControler::KEY_UP));
    EXPECT_EQ(0, controler.getTypedChar());

    controler.setEnabled(true);
    frame();
    EXPECT_FALSE(controler.isDown(GameControler::KEY_UP));
}

TEST_F(ControlerFixture, TypedCharactersOnePerFrameWithARepeatGate) {
    auto typed = [&](sf::Event event) {
        frame(event);
        return controler.getTypedChar();
    };
    EXPECT_EQ('a', typed(textEvent('a')));
    EXPECT_EQ(0, typed(textEvent('a')));
    EXPECT_EQ('b', typed(textEvent('b')));
    EXPECT_EQ(0, typed(noEvent()));
    EXPECT_EQ('b', typed(textEvent('b')));

    // Held with the system's key repeat: once, nothing for 19 frames, then every frame.
    frame();
    EXPECT_EQ('Z', typed(textEvent('Z')));
    for (int n = 1; n <= 19; ++n)
        EXPECT_EQ(0, typed(textEvent('Z'))) << n;
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ('Z', typed(textEvent('Z')));

    // Codes outside 48..127 are no character: nothing reported, and the next one comes at once.
    frame();
    EXPECT_EQ('0', typed(textEvent('0')));
    EXPECT_EQ(0, typed(textEvent(' ')));
    EXPECT_EQ('0', typed(textEvent('0')));
    EXPECT_EQ(0, typed(textEvent(0xE9)));
    EXPECT_EQ(127, typed(textEvent(127)));
    EXPECT_EQ(0, typed(textEvent(47)));
}
