// The roster of bot trainers read from "bots/" at start; it lends them out and never deletes them.
#pragma once

#include <atomic>
#include <list>
#include <string>
#include <vector>

class ZelkBot;
class GameParser;

class BotList {
public:
    BotList();
    // Frees the list only: the participants live for the whole run.
    virtual ~BotList();
    BotList(const BotList&) = delete;
    BotList& operator=(const BotList&) = delete;

    virtual void add(ZelkBot* bot);
    // The i-th participant in the order added, null outside 0 .. count - 1.
    virtual ZelkBot* get(int i);
    // Safe to read from another thread while the loading thread adds.
    virtual int count();
    // The participants holding tag and not excluded, in list order; an empty tag gives none.
    virtual std::vector<ZelkBot*> findByTagExcluding(const std::string& tag, const std::string& excluded);
    // The participants holding tag, in list order; an empty tag gives none.
    virtual std::vector<ZelkBot*> findByTag(const std::string& tag);

    // The loading thread's reading of the bot folder: every ".xml" entry of the folder, in name order, is
    // read as a bot file; a bot whose team is complete joins the list, any other is deleted. A missing
    // folder adds nothing; a temporary left beside a bot file by an interrupted save is removed. The
    // number of bots added.
    int loadFolder(GameParser* parser, const std::string& folder = "bots");

private:
    std::list<ZelkBot*> bots;
    std::atomic<int> size{0};
};
