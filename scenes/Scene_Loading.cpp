// The loading screen and its worker thread, which builds the database and the bot roster at start-up.
#include "scenes/Scene_Loading.hpp"

#include <SFML/Graphics.hpp>
#include <boost/filesystem.hpp>
#include <system_error>

#include "players/BotList.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/Latin1.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/TrainerList.hpp"

namespace {

// How many records of the kind the loader reads at that progress step.
int countForProgress(GameParser* db, int progress) {
    if (!db) return 0;
    switch (progress) {
    case 2:
        return db->countTypes();
    case 3:
        return db->countSubtypes();
    case 4:
        return db->countAbilities();
    case 5:
        return db->countBuffs();
    case 6:
        return db->countMoves();
    case 7:
        return db->countSpecies();
    case 8:
        return db->countStadiums();
    case 9:
        return db->getTrainers() ? db->getTrainers()->getCount() : 0;
    case 10:
        return db->countRulesets();
    default:
        return 0;
    }
}

} // namespace

Scene_Loading::Scene_Loading() = default;

Scene_Loading::~Scene_Loading() {
    if (worker.joinable()) worker.join();
    if (!titleApplied && state >= STATE_BOTS) applyTitle();
}

void Scene_Loading::init() {
    teamBuilder = nullptr;
    botList = nullptr;
    options = nullptr;
    state = STATE_DATABASE;
    try {
        startWorker();
    } catch (const std::system_error& error) {
        // Short of threads, the game still starts: it loads here, and the first frame shows the outcome.
        logError(std::string("WARNING : the loading thread cannot start (") + error.what() +
                 ") ; loading on the main thread");
        loadAll();
    }
}

void Scene_Loading::startWorker() {
    worker = std::thread([this] { loadAll(); });
}

int Scene_Loading::getState() { return state; }

void Scene_Loading::noteProgress(TeamBuilder& builder, int progress) {
    loaderCount = countForProgress(builder.getParser(), progress);
    loaderProgress = progress;
}

void Scene_Loading::loadAll() {
    TeamBuilder* builder =
        new TeamBuilder([this](TeamBuilder& b, int progress) { noteProgress(b, progress); });
    teamBuilder = builder;
    state = STATE_BOTS;
    GameParser* db = builder->getParser();
    Game_Options* settings = db->getOptions();
    options = settings;

    TrainerList* trainers = db->getTrainers();
    if (settings) settings->setSpriteCount(trainers ? trainers->getCount() : 0);
    db->loadLibraryImages(window);

    BotList* roster = new BotList();
    botList = roster;
    for (const std::string& path : listXmlFiles("bots")) {
        boost::system::error_code ec;
        if (boost::filesystem::is_directory(path, ec)) continue;
        ZelkBot* bot = new ZelkBot(db, path);
        if (bot->isTeamReady()) {
            roster->add(bot);
            botCount = roster->count();
        } else {
            delete bot;
        }
    }

    state = STATE_PUBLISHING;
    gameBundle->botList = roster;
    gameBundle->teamBuilder = builder;
    gameBundle->parser = db;
    gameBundle->options = settings;

    // Written before the outcome is announced: once the main thread goes on, it may log lines of its
    // own, and the log must not be read here while it grows there.
    flushErrorLog();

    if (builder->isDataValid()) {
        result = 1;
        state = STATE_DONE;
        alive = false; // last: the main thread deletes this scene once it sees it
    } else {
        state = STATE_FAILED;
    }
}

void Scene_Loading::applyTitle() {
    titleApplied = true;
    if (window && window->getRenderWindow())
        window->getRenderWindow()->setTitle(latin1ToSf(DefaultStrings::GAME_NAME));
}

void Scene_Loading::update() {
    // The string table is complete once the database is loaded (strings.xml is read first).
    if (!titleApplied && state >= STATE_BOTS) applyTitle();
    if (state == STATE_FAILED && controler && controler->isPressed(GameControler::KEY_ENTER)) {
        result = -1;
        alive = false;
    }
}

std::string Scene_Loading::getProgressLine() {
    switch (state) {
    case STATE_DATABASE: {
        int progress = loaderProgress;
        std::string count = std::to_string(loaderCount.load());
        switch (progress) {
        case -1:
            return "Starting...";
        case 1:
            return "Parsing Strings ";
        case 2:
            return "Parsing Types - " + count;
        case 3:
            return "Parsing Subtypes - " + count;
        case 4:
            return "Parsing Abilities - " + count;
        case 5:
            return "Parsing Buffs - " + count;
        case 6:
            return "Parsing Moves - " + count;
        case 7:
            return "Parsing Creatures - " + count;
        case 8:
            return "Parsing Stadiums - " + count;
        case 9:
            return "Parsing Trainers - " + count;
        case 10:
            return "Parsing Rulesets - " + count;
        default:
            return "Checking Validity";
        }
    }
    case STATE_BOTS:
        if (!botList) return "Starting parsing Trainers...";
        return "Parsing Trainers : " + std::to_string(botCount.load());
    case STATE_PUBLISHING:
        return "Finishing...";
    case STATE_DONE:
        return "O.K !";
    default:
        return "";
    }
}

void Scene_Loading::draw() {
    if (!window) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);
    if (state == STATE_FAILED) {
        window->drawFilledRect(sf::Color(255, 128, 128, 128), 0, 0, GameWindow::CANVAS_WIDTH,
                               GameWindow::CANVAS_HEIGHT);
        window->drawSizedTextCenteredOutlined("The game is not correctly loaded !", 18, 426, 220,
                                              sf::Color::White, sf::Color::Black);
        window->drawSizedTextCenteredOutlined("Please check the error log (error_logs.txt)", 18, 426, 260,
                                              sf::Color::White, sf::Color::Black);
        window->drawSizedTextCenteredOutlined("to see what's wrong with the loading.", 18, 426, 276,
                                              sf::Color::White, sf::Color::Black);
    } else {
        window->drawSizedTextCenteredOutlined(getProgressLine(), 24, 426, 228, sf::Color::White,
                                              sf::Color::Black);
    }
    window->drawText("Version 0.9 - BRUMASELO", 110, 456);
    target->display();
}
