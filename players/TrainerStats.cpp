// A participant's career record: name, credo, sprite, streak, experience and the last 20 results.
#include "players/TrainerStats.hpp"

#include <algorithm>

#include "rules/XmlEscape.hpp"

TrainerStats::TrainerStats(const std::string& name, int experience, int streak, int sprite)
    : name(name), sprite(sprite), streak(streak), experience(experience) {}

TrainerStats::~TrainerStats() = default;

void TrainerStats::addWin() {
    streak = std::max(streak, 0) + 1;
    pushHistory(RESULT_WIN);
}

void TrainerStats::addLoss() {
    streak = std::min(streak, 0) - 1;
    pushHistory(RESULT_LOSS);
}

void TrainerStats::addDraw() {
    streak = 0;
    pushHistory(RESULT_DRAW);
}

void TrainerStats::pushHistory(int result) {
    for (int i = HISTORY_SIZE - 1; i > 0; --i)
        history[i] = history[i - 1];
    history[0] = result;
}

void TrainerStats::setCredo(const std::string& text) { credo = text; }
void TrainerStats::setName(const std::string& text) { name = text; }
void TrainerStats::setSprite(int value) { sprite = value; }
const std::string& TrainerStats::getName() const { return name; }
std::string TrainerStats::getCredo() const { return credo; }
int TrainerStats::getStreak() const { return streak; }
int TrainerStats::getSprite() const { return sprite; }
int TrainerStats::getExperience() const { return experience; }

int TrainerStats::countWins() const {
    return static_cast<int>(std::count(history, history + HISTORY_SIZE, 1));
}

int TrainerStats::countLosses() const {
    return static_cast<int>(std::count(history, history + HISTORY_SIZE, 2));
}

int TrainerStats::getHistoryAt(int i) const { return (i >= 0 && i < HISTORY_SIZE) ? history[i] : 0; }

int TrainerStats::formScore() const {
    int score = 0;
    for (int k = 0; k < HISTORY_SIZE; ++k) {
        if (history[k] == RESULT_WIN) score += 40 - 2 * k;
        if (history[k] >= 1) score += 10;
    }
    return score;
}

std::string TrainerStats::getSummary() const {
    // ISO-8859-1 bytes: \xE9 is e-acute, \xEE i-circumflex. The literals are split after each escape so
    // that the following letters are not read as more hex digits.
    std::string text = "Nom du Zelkbot : " + name + "\n";
    text += "\n";
    text += "Ratio actuel : " + std::to_string(countWins()) + " victoires, " + std::to_string(countLosses()) +
            " d\xE9"
            "faites.\n";
    const std::string chain = "Cha\xEE"
                              "ne actuelle :";
    if (streak > 1)
        text += chain + " " + std::to_string(streak) + " victoires conscutives.\n";
    else if (streak == 1)
        text += chain + " 1 victoire conscutive.\n";
    else if (streak < -1)
        text += chain + " " + std::to_string(-static_cast<long long>(streak)) +
                " d\xE9"
                "faites conscutives.\n";
    else if (streak == -1)
        text += chain + " 1 d\xE9"
                        "faite conscutive.\n";
    else
        text += chain + "\n";
    text += "Exp\xE9"
            "rience : " +
            std::to_string(experience) + "\n";
    text += "\n";
    if (!credo.empty()) text += credo + "\n";
    return text;
}

std::string TrainerStats::serialize() const {
    std::string text = "<name>" + escapeXml(name) + "</name>\n";
    text += "<credo>" + escapeXml(credo) + "</credo>\n";
    text += "<streak>" + std::to_string(streak) + "</streak>\n";
    text += "<sprite>" + std::to_string(sprite) + "</sprite>\n";
    text += "<historic>";
    for (int i = HISTORY_SIZE - 1; i >= 0; --i)
        if (history[i] > 0 && history[i] <= 9) text += static_cast<char>('0' + history[i]);
    text += "</historic>\n";
    return text;
}
