// The first-start dialogue: a row of texts over a crowd, asking the trainer's name, sprite and difficulty.
#include "scenes/SceneWelcome.hpp"

#include <SFML/Graphics.hpp>

#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/Supporter.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"

namespace {

// A text stays until the timer passes this; a question waits with the timer held here.
const int TEXT_TIME = 90;
const int CROWD_COLUMNS = 27;
const int CROWD_SEATS = 27 * 16;
const int NAME_LIMIT = 12;

void replaceFirstTrainer(std::string& text, const std::string& name) {
    static const std::string placeholder = "[TRAINER]";
    std::string::size_type at = text.find(placeholder);
    if (at != std::string::npos) text.replace(at, placeholder.size(), name);
}

} // namespace

SceneWelcome::SceneWelcome() = default;

SceneWelcome::~SceneWelcome() {
    for (Supporter* supporter : crowd)
        delete supporter;
}

void SceneWelcome::init() {
    options = gameBundle->options;
    trainers = gameBundle->parser ? gameBundle->parser->getTrainers() : nullptr;
    answer = 0;
    timer = 30;
    blink = 0;
    step = 0;
    question = QUESTION_NONE;

    if (trainers) {
        PseudoRNG rng;
        for (int i = 0; i < CROWD_SEATS; ++i) {
            bool allowUnique = rng.random(12) == 0;
            Trainer* trainer = trainers->pickRandomTrainer(allowUnique);
            if (!trainer) continue;
            Supporter* supporter = new Supporter(trainer->getId(), (i % CROWD_COLUMNS) * 32 - 6,
                                                 (i / CROWD_COLUMNS) * 32 - 6, 0, window);
            supporter->setFacing(0, window);
            crowd.push_back(supporter);
        }
        // The unique trainers seen in the crowd may still be met in battle.
        trainers->clearUsed();
    }

    texts = {"",
             DefaultStrings::WELCOME_WELCOME,
             DefaultStrings::WELCOME_PRES,
             DefaultStrings::WELCOME_NAME,
             DefaultStrings::WELCOME_WELC_NAME,
             DefaultStrings::WELCOME_SPRITE,
             DefaultStrings::WELCOME_WELC_SPRITE,
             DefaultStrings::WELCOME_DIFFICULTY,
             DefaultStrings::WELCOME_DIFF_YES,
             DefaultStrings::WELCOME_DIFF_YES_CONFIRM,
             DefaultStrings::WELCOME_DIFF_NO,
             DefaultStrings::WELCOME_DIFF_NO_CONFIRM,
             DefaultStrings::WELCOME_ENJOY};
}

int SceneWelcome::getStep() { return step; }

int SceneWelcome::getQuestion() { return question; }

int SceneWelcome::getTimer() { return timer; }

int SceneWelcome::getAnswer() { return answer; }

std::string SceneWelcome::getText(int index) {
    return index >= 0 && index < static_cast<int>(texts.size()) ? texts[index] : std::string();
}

int SceneWelcome::currentTextSize() {
    int length = static_cast<int>(getText(step).size());
    if (length > 59) return 12;
    if (length > 52) return 14;
    if (length > 46) return 16;
    if (length > 41) return 18;
    if (length > 34) return 20;
    return 24;
}

void SceneWelcome::handleInput() {
    if (timer < TEXT_TIME || !controler || !options) return;
    switch (question) {
    case QUESTION_NAME: {
        char typed = controler->getTypedChar();
        if (typed > 0)
            options->appendNameChar(typed);
        else if (controler->isPressed(GameControler::KEY_BACK))
            options->eraseNameChar();
        break;
    }
    case QUESTION_SPRITE:
        if (controler->isPressed(GameControler::KEY_LEFT))
            options->cycleTrainerSprite(false);
        else if (controler->isPressed(GameControler::KEY_RIGHT))
            options->cycleTrainerSprite(true);
        break;
    case QUESTION_DIFFICULTY:
        if (controler->isPressed(GameControler::KEY_UP) || controler->isPressed(GameControler::KEY_DOWN))
            answer = 1 - answer;
        break;
    default:
        break;
    }
}

void SceneWelcome::answerQuestion() {
    if (question == QUESTION_SPRITE && window && options) {
        // The draw enlarges the shared figure; the other screens expect it at its usual scale.
        if (sf::Sprite* figure = window->setSupporterFrame(options->getTrainerSprite(), 0))
            figure->setScale(2.f, 2.f);
    } else if (question == QUESTION_DIFFICULTY && options) {
        if (answer == 0) {
            options->toggleAbilitiesEffects();
            options->toggleStadiumsEffects();
            options->toggleRulesetsEffects();
            step += 1;
        } else {
            step += 3;
        }
        options->save();
    }
    question = QUESTION_NONE;
}

void SceneWelcome::nextText() {
    timer = 0;
    ++step;
    switch (step) {
    case 3:
        question = QUESTION_NAME;
        break;
    case 4: {
        std::string name = options ? options->getName() : std::string();
        replaceFirstTrainer(texts[4], name);
        replaceFirstTrainer(texts[12], name);
        break;
    }
    case 5:
        question = QUESTION_SPRITE;
        break;
    case 7:
        question = QUESTION_DIFFICULTY;
        break;
    case 10:
        step = 12;
        break; // after the yes confirmation the no texts are skipped
    default:
        break;
    }
    if (step >= TEXT_COUNT) alive = false;
}

void SceneWelcome::update() {
    if (controler && controler->isPressed(GameControler::KEY_ENTER) && question != QUESTION_NONE &&
        timer >= TEXT_TIME)
        answerQuestion();
    ++timer;
    if (timer >= TEXT_TIME + 1 && question == QUESTION_NONE) nextText();
    if (timer > TEXT_TIME) timer = TEXT_TIME;
    blink = (blink + 1) % 90;
}

void SceneWelcome::draw() {
    if (!window) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color(182, 182, 182));

    int alpha = 255;
    if (timer < 10)
        alpha = timer * 255 / 10;
    else if (timer >= 80 && question == QUESTION_NONE)
        alpha = (TEXT_TIME - timer) * 255 / 10;
    if (alpha < 0) alpha = 0;
    sf::Color fill(255, 255, 255, static_cast<sf::Uint8>(alpha));
    sf::Color outline(0, 0, 0, static_cast<sf::Uint8>(alpha));
    int size = currentTextSize();

    for (Supporter* supporter : crowd) {
        supporter->updateJump(200, 200);
        window->drawSpriteAt(supporter->getSprite(), supporter->getX(), supporter->getScreenY());
    }
    window->drawFilledRect(sf::Color(186, 186, 186, 128), 0, 0, GameWindow::CANVAS_WIDTH,
                           GameWindow::CANVAS_HEIGHT);

    int base = 228;
    if (question == QUESTION_NAME) base = 168;
    if (question == QUESTION_SPRITE || question == QUESTION_DIFFICULTY) base = 128;

    if (timer >= TEXT_TIME && question != QUESTION_NONE) {
        if (question == QUESTION_NAME) {
            std::string name = options ? options->getName() : std::string();
            if (static_cast<int>(name.size()) < NAME_LIMIT) name += blink % 10 < 5 ? "_" : " ";
            window->drawSizedTextCenteredOutlined(name, 24, 426, base + 120, fill, outline);
        } else if (question == QUESTION_SPRITE) {
            if (options)
                window->drawSpriteScaled(window->setSupporterFrame(options->getTrainerSprite(), 0), 362,
                                         base + 40, 8);
        } else {
            window->drawRectSoftOutline(window->paletteColor(9), -5, base + 76 + 60 * answer, 858, 30);
            window->drawSizedTextCenteredOutlined(getText(8), 16, 426, base + 80, fill, outline);
            window->drawSizedTextCenteredOutlined(getText(10), 16, 426, base + 140, fill, outline);
        }
    }
    window->drawSizedTextCenteredOutlined(getText(step), size, 426, base, fill, outline);
    target->display();
}
