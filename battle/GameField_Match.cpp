// The battle field: opening and closing the match, the result, the crowd's support and the two texts shown.
#include "battle/ActionSocket.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameField.hpp"
#include "rules/Commentator.hpp"
#include "rules/CommentatorPhrase.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
#include "rules/TextWrap.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
// Replaces the first occurrence only. An empty placeholder would match everywhere and splice the text in
// front, so it replaces nothing.
bool replaceFirstIn(std::string& target, std::string_view placeholder, std::string_view text) {
    if (placeholder.empty()) return false;
    std::string::size_type at = target.find(placeholder);
    if (at == std::string::npos) return false;
    target.replace(at, placeholder.size(), text);
    return true;
}
} // namespace

void GameField::startMatch() {
    for (int side = 0; side < SIDE_COUNT; ++side)
        if (teams[side] != nullptr) teams[side]->setActionBlocked(1);
    for (int i = 0; i < ZelkinTeam::MAX_MEMBERS; ++i) {
        for (int side = 0; side < SIDE_COUNT; ++side) {
            Zelkin* member = teams[side] != nullptr ? teams[side]->getMemberAt(i) : nullptr;
            if (member != nullptr) member->addBattleStat(1, 8);
        }
    }
    if (informations == nullptr || !informations->isQuiet())
        actionList.push_back(new ActionSocket(ActionSocket::MATCH_START, 0, 0));
    actionList.push_back(new ActionSocket(ActionSocket::SEND_OUT, 1, 0));
    actionList.push_back(new ActionSocket(ActionSocket::SEND_OUT, 0, 0));
}

void GameField::decideResult() {
    int alive0 = teams[0] != nullptr ? teams[0]->countAlive() : 0;
    int alive1 = teams[1] != nullptr ? teams[1]->countAlive() : 0;
    if (alive0 >= 1 && alive1 == 0) {
        support[0] = clampToInt(2LL * support[0]);
        removeSupport(1, 30);
        result = 1;
    } else if (alive1 >= 1 && alive0 == 0) {
        removeSupport(0, 30);
        result = 2;
        support[1] = clampToInt(2LL * support[1]);
    } else if (alive0 == 0 && alive1 == 0) {
        result = 3;
        support[0] = clampToInt(static_cast<long long>(support[0] * 1.25));
        support[1] = clampToInt(static_cast<long long>(support[1] * 1.25));
    }
    if (result <= 0) return;
    clearActionList();
    Game_Options* options = getOptions();
    int battleSpeed = options != nullptr ? options->getBattleSpeed() : 0;
    bool quiet = informations != nullptr && informations->isQuiet();
    if (battleSpeed < 1 && (alive0 == 0 || alive1 == 0) && !quiet)
        actionList.push_front(new ActionSocket(ActionSocket::RESULT_TEAM_REMARK, 0, 0));
    actionList.push_front(new ActionSocket(ActionSocket::RESULT_REMARK, 0, 0));
}

void GameField::endMatch() {
    // Closing twice would count the statistics and the best creature twice.
    if (closed) return;
    closed = true;
    clearActionList();
    messageTimer = 0;
    for (int& timer : timers)
        timer = 0;
    if (result == 1 || result == 2) {
        ZelkinTeam* winner = teams[result - 1];
        int bestPoints = 0;
        for (int i = 0; winner != nullptr; ++i) {
            Zelkin* member = winner->getMemberAt(i);
            if (member == nullptr) break;
            if (member->getMvpPoints() > bestPoints) {
                bestPoints = member->getMvpPoints();
                bestCreature = member;
            }
        }
        actionList.push_back(new ActionSocket(ActionSocket::MVP_PRESENTATION, 0, 0));
        if (bestCreature != nullptr) {
            actionList.push_back(new ActionSocket(ActionSocket::MVP_REMARK, 0, 0));
            bestCreature->addBattleStat(1, 7);
        }
    } else if (result == 3) {
        actionList.push_back(new ActionSocket(ActionSocket::MVP_PRESENTATION, 0, 0));
    }
    for (int i = 0; i < ZelkinTeam::MAX_MEMBERS; ++i) {
        for (int side = 0; side < SIDE_COUNT; ++side) {
            Zelkin* member = teams[side] != nullptr ? teams[side]->getMemberAt(i) : nullptr;
            if (member != nullptr) member->addBattleStatsToRecord();
        }
    }
}

void GameField::requestOrders() {
    requests[0] = 1;
    requests[1] = 1;
    for (int& value : support)
        value = clampToInt(static_cast<long long>(value) * 3 / 5);
}

int GameField::getSupport(int side) { return side > 0 ? support[1] : support[0]; }

void GameField::addSupport(int side, int amount) {
    if (isValidSide(side)) support[side] = clampToInt(static_cast<long long>(support[side]) + amount);
}

void GameField::removeSupport(int side, int amount) {
    if (!isValidSide(side)) return;
    long long left = static_cast<long long>(support[side]) - amount;
    support[side] = left < 0 ? 0 : clampToInt(left);
}

int GameField::getHypeLevel() {
    long long sum = static_cast<long long>(support[0]) + support[1];
    if (sum < 50) return 2;
    if (sum > 150) return 1;
    return 0;
}

// Never inlined into update: a frame without a crowd then saves fewer registers, and one with a crowd ends
// in a jump here.
[[gnu::noinline]] void GameField::updateSupporters() {
    if (supporters == nullptr) return;
    for (BattleSupporter* supporter : *supporters)
        if (supporter != nullptr) supporter->updateJump(support[0], support[1]);
}

void GameField::update() {
    // While an action runs the field never waits: most frames skip the state's other tests.
    if (currentAction == nullptr && getState() == STATE_WAITING) {
        ++waitingFrames;
        if (waitingFrames >= 300) {
            // A long wait for the players gets the commentator talking.
            waitingFrames = 0;
            drawnPhrase = nullptr;
            if (commentator != nullptr)
                comment = commentator->comment(2, 0, 0, 0, 0);
            else
                comment.clear();
        }
    }
    // Without a branch per timer, so that the seven count down together.
    for (int& timer : timers)
        timer -= timer > 0 ? 1 : 0;
    for (int side = 0; side < SIDE_COUNT; ++side)
        if (teams[side] != nullptr) teams[side]->animateHpBar();
    // No crowd at all in most battles that nobody watches.
    if (supporters != nullptr && !supporters->empty()) updateSupporters();
}

void GameField::setMessage(const std::string& text) {
    if (messageTimer < 5) messageTimer = 60;
    if (!text.empty() && composesText) wrapTextInto(message, text, 12, 662);
}

std::string GameField::getVisibleMessage() { return messageTimer >= 10 ? message : std::string(); }

const std::string& GameField::makeComment(int condition, int special, int value1, int value2) {
    return makeCommentWithHype(condition, special, value1, value2, getHypeLevel());
}

const std::string& GameField::makeCommentWithHype(int condition, int special, int value1, int value2,
                                                  int hype) {
    drawnPhrase = nullptr;
    if (commentator != nullptr && composesText)
        drawnPhrase = commentator->choosePhrase(condition, special, value1, value2, hype);
    if (drawnPhrase != nullptr) return drawnPhrase->getNameText();
    comment.clear();
    return comment;
}

std::string& GameField::pendingComment() {
    if (drawnPhrase != nullptr) {
        comment = drawnPhrase->getNameText();
        drawnPhrase = nullptr;
    }
    return comment;
}

std::string GameField::takeComment() {
    Game_Options* options = getOptions();
    bool commentaryOn = options != nullptr && options->isCommentatorOn() == 1;
    bool quiet = informations != nullptr && informations->isQuiet();
    std::string& pending = pendingComment();
    if (pending.empty() || !commentaryOn || quiet) return std::string();
    std::string taken;
    taken.swap(pending);
    return taken;
}

bool GameField::replaceInComment(const std::string& placeholder, const std::string& text) {
    return replaceFirst(pendingComment(), placeholder, text);
}

void GameField::fillComment(std::initializer_list<CommentFill> fills) {
    if (drawnPhrase != nullptr) {
        CommentatorPhrase* drawn = drawnPhrase;
        drawnPhrase = nullptr;
        comment.clear();
        if (drawn->getSlots().appendFilled(comment, drawn->getNameText(), fills)) return;
        comment = drawn->getNameText();
    }
    for (const CommentFill& fill : fills) {
        if (comment.empty()) return;
        replaceFirstIn(comment, fill.placeholder, fill.text);
    }
}

bool GameField::commentMayHold(std::initializer_list<std::uint64_t> keys) const {
    if (drawnPhrase == nullptr) return false;
    for (std::uint64_t key : keys)
        if (drawnPhrase->getSlots().mayHold(key)) return true;
    return false;
}

bool GameField::replaceFirst(std::string& target, const std::string& placeholder, const std::string& text) {
    return replaceFirstIn(target, placeholder, text);
}
