// The first-start dialogue: a row of texts over a crowd, asking the trainer's name, sprite and difficulty.
#pragma once

#include <string>
#include <vector>

#include "scenes/Scene.hpp"

class Game_Options;
class TrainerList;
class Supporter;

class SceneWelcome : public Scene {
public:
    // The questions that can be open.
    static constexpr int QUESTION_NONE = 0;
    static constexpr int QUESTION_NAME = 1;
    static constexpr int QUESTION_SPRITE = 2;
    static constexpr int QUESTION_DIFFICULTY = 3;
    static constexpr int TEXT_COUNT = 13;

    SceneWelcome();
    // Deletes the crowd.
    virtual ~SceneWelcome();

    void handleInput() override;
    void update() override;
    void draw() override;
    // Takes the options and the trainers from GameBundle, seats the crowd and reads the texts.
    virtual void init();

    virtual int getStep();
    virtual int getQuestion();
    virtual int getTimer();
    virtual int getAnswer();
    virtual std::string getText(int index);
    // The character size of the current text, by its length.
    virtual int currentTextSize();

protected:
    Game_Options* options = nullptr;
    int answer = 0;
    int timer = 30;
    int blink = 0;
    int step = 0;
    int question = QUESTION_NONE;
    TrainerList* trainers = nullptr;
    std::vector<Supporter*> crowd;
    std::vector<std::string> texts;

private:
    void answerQuestion();
    void nextText();
};
