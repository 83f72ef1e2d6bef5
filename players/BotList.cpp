// The roster of bot trainers read from "bots/" at start; it lends them out and never deletes them.
#include "players/BotList.hpp"

#include "players/ZelkBot.hpp"
#include "rules/AtomicFile.hpp"
#include "rules/Platform.hpp"

BotList::BotList() = default;

BotList::~BotList() = default;

void BotList::add(ZelkBot* bot) {
    bots.push_back(bot);
    size.fetch_add(1, std::memory_order_release);
}

ZelkBot* BotList::get(int i) {
    if (i < 0 || i >= count()) return nullptr;
    auto it = bots.begin();
    std::advance(it, i);
    return *it;
}

int BotList::count() { return size.load(std::memory_order_acquire); }

std::vector<ZelkBot*> BotList::findByTagExcluding(const std::string& tag, const std::string& excluded) {
    std::vector<ZelkBot*> found;
    if (tag.empty()) return found;
    for (ZelkBot* bot : bots)
        if (bot != nullptr && bot->hasTag(tag) && !bot->hasTag(excluded)) found.push_back(bot);
    return found;
}

std::vector<ZelkBot*> BotList::findByTag(const std::string& tag) {
    std::vector<ZelkBot*> found;
    if (tag.empty()) return found;
    for (ZelkBot* bot : bots)
        if (bot != nullptr && bot->hasTag(tag)) found.push_back(bot);
    return found;
}

int BotList::loadFolder(GameParser* parser, const std::string& folder) {
    int added = 0;
    for (const std::string& path : listXmlFiles(folder)) {
        // The temporary that a save of this bot cut short at the last run left behind goes now.
        removeStaleTemporary(path);
        ZelkBot* bot = new ZelkBot(parser, path);
        if (bot->isTeamReady()) {
            add(bot);
            ++added;
        } else {
            delete bot;
        }
    }
    return added;
}
