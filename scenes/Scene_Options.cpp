// The options screen: the trainer, the battle rules and the miscellaneous settings, saved on leaving.
#include "scenes/Scene_Options.hpp"

#include <SFML/Graphics.hpp>

#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Game_Options.hpp"

namespace {

const int NAME_LIMIT = 12;

// The second help line of a setting for its current value, or the empty text when it has none.
std::string secondHelpLine(int category, int item, int value) {
    static const char* const teamSizeLines[] = {
        "1 Zelkin : Pour les fans de all-in !",  "2 Zelkins : Pour des matchs tr\350s rapides.",
        "3 Zelkins : Pour des matchs standard.", "4 Zelkins : Pour des combats pas trop longs.",
        "5 Zelkins : Pour des combats longs.",   "6 Zelkins : Pour les fans de combats longs."};
    bool on = value != 0;
    switch (category * 10 + item) {
    case 2:
        return value == 1 ? " : L'aide sera affich\351e \340 chaque nouveau changement d'\351cran."
                          : " : L'aide ne sera affich\351e qu'une seule fois par \351cran.";
    case 10:
        return value >= 1 && value <= 6 ? teamSizeLines[value - 1] : "";
    case 11:
        if (value == 1) return "Semi : Les Zelkin faibles d\351passent l\351g\350rement le niveau 50";
        if (value == 2) return "Complet : Les Zelkin faibles d\351passent le niveau 50";
        return " : Tout le monde est au niveau 50";
    case 12:
        return on ? " : Les talents appliqueront leurs effets." : " : Les talents n'auront aucun effet.";
    case 13:
        return on ? " : Les stades appliqueront leurs effets." : " : Les stades n'auront aucun effet.";
    case 14:
        return on ? " : Les rulesets appliqueront leurs effets." : " : Les rulesets n'auront aucun effet.";
    case 15:
        return on ? " : Vous aurez le choix entre divers Zelkin propos\351s."
                  : " : V\364tre \351quipe sera tir\351e automatiquement";
    case 20:
        return on ? " : HYPE !" : " : . . .";
    case 21:
        return on ? "Fixe" : "Change \340 chaque combat";
    case 22:
        return on ? "Dynamique : Les barres d'infos s'affichent lorsque c'est n\351cessaire."
                  : "Statique : On laisse les barres d'info en permanance en haut de l'\351cran.";
    case 23:
        return on ? "Rapide : Le jeu sera plus rapide." : "Nomale : tout le plaisir du jeu !";
    case 24:
        return on ? " : La taille des sprites d\351pendra de la force et de la taille du Zelkin."
                  : " : Tous les sprites des Zelkin ont la m\352me taille.";
    case 25:
        return on ? " : Les Zelkin auront des ombres en combat."
                  : " : Les ombres ne seront pas affich\351es.";
    case 26:
        return on ? " : Les effets sanglants seront pr\351sents dans le jeu." : " : Rien ne change.";
    case 27:
        return on ? " : Certains \351l\351ments du jeu seront supprim\351s pour afficher le debug."
                  : " : Rien ne change.";
    default:
        return "";
    }
}

std::string firstHelpLine(int category, int item) {
    switch (category * 10 + item) {
    case 0:
        return "Le nom de ton dresseur.";
    case 1:
        return "Le sprite de ton dresseur. (Are you a boy or a girl ?)";
    case 2:
        return "L'aide du jeu.";
    case 10:
        return "Le nombre de Zelkin \340 choisir avant de commencer un match.";
    case 11:
        return "Equilibrer les Zelkin faibles ?";
    case 12:
        return "Activer les talents du jeu";
    case 13:
        return "Activer les effets des stades";
    case 14:
        return "Activer les r\350gles du jeu";
    case 15:
        return "Activer le Draft d'une team";
    case 20:
        return "Le commentatur du jeu sera-il pr\351sent ?";
    case 21:
        return "La couleur de texte du commentateur :";
    case 22:
        return "L'\351tat des barres d'infos en combat :";
    case 23:
        return "La vitesse de d\351filement d'un match.";
    case 24:
        return "Le mode taille.";
    case 25:
        return "Les ombres.";
    case 26:
        return "Les effets sanglants.";
    case 27:
        return "Le mode debug.";
    default:
        return "";
    }
}

std::string yesNo(int value) { return value != 0 ? DefaultStrings::GENERAL_YES : DefaultStrings::GENERAL_NO; }

// The current value of a setting, as a number (0 for the name).
int settingValue(Game_Options* options, int category, int item) {
    switch (category * 10 + item) {
    case 1:
        return options->getTrainerSprite();
    case 2:
        return options->getHelp();
    case 10:
        return options->getTeamSize();
    case 11:
        return options->getBalance();
    case 12:
        return options->getAbilitiesEffects();
    case 13:
        return options->getStadiumsEffects();
    case 14:
        return options->getRulesetsEffects();
    case 15:
        return options->getDraft();
    case 20:
        return options->isCommentatorOn();
    case 21:
        return options->getCommentatorColor();
    case 22:
        return options->getDynamicBars();
    case 23:
        return options->getBattleSpeed();
    case 24:
        return options->getSizeMode();
    case 25:
        return options->getShadows();
    case 26:
        return options->getBloodyEffects();
    case 27:
        return options->getDebug();
    default:
        return 0;
    }
}

} // namespace

Scene_Options::Scene_Options() = default;

Scene_Options::~Scene_Options() = default;

void Scene_Options::init(Game_Options* options) {
    this->options = options;
    category = 0;
    item = 0;
    opened = 0;
    blink = 0;
}

int Scene_Options::getCategory() { return category; }

int Scene_Options::getItem() { return item; }

int Scene_Options::getOpened() { return opened; }

int Scene_Options::itemCount(int category) {
    switch (category) {
    case CATEGORY_TRAINER:
        return 3;
    case CATEGORY_RULES:
        return 6;
    case CATEGORY_MISC:
        return 8;
    default:
        return 0;
    }
}

void Scene_Options::leave() {
    if (options) options->save();
    alive = false;
}

void Scene_Options::update() {
    if (!controler) return;
    bool onName = opened == CATEGORY_TRAINER + 1 && item == 0;

    if (controler->isPressed(GameControler::KEY_ESCAPE)) leave();
    if (controler->isPressed(GameControler::KEY_BACK)) {
        if (onName) {
            if (options) options->eraseNameChar();
        } else if (opened == 0) {
            leave();
        } else {
            opened = 0;
        }
    }
    char typed = controler->getTypedChar();
    if (typed > 0 && onName && options) options->appendNameChar(typed);

    bool right = controler->isPressed(GameControler::KEY_RIGHT);
    if ((right || controler->isPressed(GameControler::KEY_LEFT)) && opened != 0)
        changeSetting(opened - 1, item, right);

    if (controler->isPressed(GameControler::KEY_UP)) {
        if (opened != 0) {
            if (--item < 0) item = itemCount(opened - 1) - 1;
        } else if (--category < 0) {
            category = CATEGORY_COUNT - 1;
        }
    }
    if (controler->isPressed(GameControler::KEY_DOWN)) {
        if (opened != 0) {
            if (++item > itemCount(opened - 1) - 1) item = 0;
        } else if (++category > CATEGORY_COUNT - 1) {
            category = 0;
        }
    }
    if (controler->isPressed(GameControler::KEY_ENTER) && opened == 0) {
        item = 0;
        opened = category + 1;
    }
}

void Scene_Options::changeSetting(int category, int item, bool up) {
    if (!options) return;
    switch (category * 10 + item) {
    case 1:
        options->cycleTrainerSprite(up);
        break;
    case 2:
        options->toggleHelp();
        break;
    case 10:
        options->cycleTeamSize(up);
        break;
    case 11:
        options->cycleBalance(up);
        break;
    case 12:
        options->toggleAbilitiesEffects();
        break;
    case 13:
        options->toggleStadiumsEffects();
        break;
    case 14:
        options->toggleRulesetsEffects();
        break;
    case 15:
        options->toggleDraft();
        break;
    case 20:
        options->toggleCommentator();
        break;
    case 21:
        options->cycleCommentatorColor(up);
        break;
    case 22:
        options->toggleDynamicBars();
        break;
    case 23:
        options->cycleBattleSpeed(up);
        break;
    case 24:
        options->toggleSizeMode();
        break;
    case 25:
        options->toggleShadows();
        break;
    case 26:
        options->toggleBloodyEffects();
        break;
    case 27:
        options->toggleDebug();
        break;
    default:
        break; // the name changes by typing only
    }
}

std::string Scene_Options::valueText(int category, int item) {
    if (!options) return "";
    int value = settingValue(options, category, item);
    switch (category * 10 + item) {
    case 0:
        return options->getTrainerName();
    case 1:
        return "";
    case 10:
        return std::to_string(value);
    case 11:
        if (value == 1) return DefaultStrings::OPTIONS_RULES_BALANCE_SEMI;
        if (value == 2) return DefaultStrings::OPTIONS_RULES_BALANCE_COMPLETE;
        return DefaultStrings::GENERAL_NO;
    case 21:
        switch (value) {
        case 1:
            return DefaultStrings::COLOR_GREEN;
        case 2:
            return DefaultStrings::COLOR_RED;
        case 3:
            return DefaultStrings::COLOR_BLUE;
        case 4:
            return DefaultStrings::COLOR_ORANGE;
        case 5:
            return DefaultStrings::COLOR_PURPLE;
        default:
            return DefaultStrings::NAME_RANDOM;
        }
    case 22:
        return value != 0 ? DefaultStrings::OPTIONS_MISC_INFO_BAR_DYNAMIC
                          : DefaultStrings::OPTIONS_MISC_INFO_BAR_STATIC;
    case 23:
        return value != 0 ? DefaultStrings::OPTIONS_MISC_GAME_SPEED_FAST
                          : DefaultStrings::OPTIONS_MISC_GAME_SPEED_NORMAL;
    default:
        return yesNo(value);
    }
}

void Scene_Options::draw() {
    if (!window) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);

    window->drawBox(window->paletteColor(0), 250, 6, 320, 60);
    window->drawSizedText(DefaultStrings::MENU_OPTIONS, 24, 320, 20);

    const std::string categoryLabels[CATEGORY_COUNT] = {
        DefaultStrings::OPTIONS_TRAINER, DefaultStrings::QUICKBATTLE_RULES, DefaultStrings::OPTIONS_MISC};
    for (int c = 0; c < CATEGORY_COUNT; ++c) {
        window->drawRectBlackOutline(window->paletteColor(c == category ? 9 : 5), 50, 80 + 62 * c, 200, 42);
        window->drawSizedText(categoryLabels[c], 16, 60, 90 + 62 * c);
    }

    window->drawRectBlackOutline(window->paletteColor(opened != 0 ? 3 : 5), 280, 80, 540, 260);
    if (opened != 0)
        window->drawUiSprite(GameWindow::UI_CURSOR, 300, (item + 3) * 30);
    else
        window->drawUiSprite(GameWindow::UI_CURSOR, 30, category * 62 + 94);

    const std::string labels[CATEGORY_COUNT][8] = {
        {DefaultStrings::OPTIONS_TRAINER_NAME, DefaultStrings::OPTIONS_TRAINER_SPRITE,
         DefaultStrings::OPTIONS_TRAINER_HELP},
        {DefaultStrings::NAME_CREATURE_PLURIAL, DefaultStrings::OPTIONS_RULES_BALANCE,
         DefaultStrings::OPTIONS_RULES_ABILITIES_ACTIVE, DefaultStrings::OPTIONS_RULES_STADIUMS_ACTIVE,
         DefaultStrings::OPTIONS_RULES_RULESETS_ACTIVE, DefaultStrings::NAME_DRAFT},
        {DefaultStrings::NAME_COMMENTATOR, DefaultStrings::OPTIONS_MISC_COMMENTATOR_COLOR,
         DefaultStrings::OPTIONS_MISC_INFO_BAR, DefaultStrings::OPTIONS_MISC_GAME_SPEED,
         DefaultStrings::OPTIONS_MISC_SIZES, DefaultStrings::OPTIONS_MISC_SHADOWS,
         DefaultStrings::OPTIONS_MISC_BLOODY_EFFECTS, DefaultStrings::OPTIONS_MISC_DEBUG}};
    for (int i = 0; i < itemCount(category); ++i) {
        int y = 90 + 30 * i;
        window->drawSizedText(labels[category][i], 16, 320, y);
        if (category == CATEGORY_TRAINER && i == 1) {
            if (options)
                window->drawSpriteAt(window->setSupporterFrame(options->getTrainerSprite(), 0), 600, 112);
        } else {
            window->drawSizedText(valueText(category, i), 16, 600, y);
        }
    }

    drawHelp();

    if (opened == CATEGORY_TRAINER + 1 && item == 0 && options) {
        int length = static_cast<int>(options->getTrainerName().size());
        if (blink % 10 < 5 && length < NAME_LIMIT) window->drawSizedText("_", 16, 600 + 16 * length, 90);
    }

    blink = (blink + 1) % 30;
    target->display();
}

void Scene_Options::drawHelp() {
    window->drawBox(window->paletteColor(0), 80, 360, 693, 120);
    if (opened == 0) {
        static const char* const categoryHelp[CATEGORY_COUNT] = {
            "Les param\350tres du dresseur (vous).",
            "Les r\350gles des combats (et des autres modes de jeu).",
            "Les param\350tres divers (graphiques, flavor, ...)."};
        if (category >= 0 && category < CATEGORY_COUNT) window->drawText(categoryHelp[category], 110, 380);
        return;
    }
    window->drawText(firstHelpLine(category, item), 110, 380);
    int value = options ? settingValue(options, category, item) : 0;
    std::string second = secondHelpLine(category, item, value);
    if (second.rfind(" : ", 0) == 0) second = yesNo(value) + second;
    if (!second.empty()) window->drawText(second, 110, 410);
}
