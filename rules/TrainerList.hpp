// The loaded trainers, with a memory of the unique ones already handed out.
#pragma once

#include <vector>

class Trainer;

class TrainerList {
public:
    static constexpr int MEMORY_SIZE = 128;

    TrainerList();
    // Trainers live for the whole run: the list does not delete them.
    virtual ~TrainerList();

    virtual void add(Trainer* trainer);
    virtual void clearUsed();
    virtual bool wasUsed(int id) const;
    virtual int getCount() const;
    // A random trainer, unique ones only when allowed; a unique trainer is not handed out twice until
    // clearUsed. When nothing eligible is left the pick widens (see the definition); null only for an
    // empty list.
    virtual Trainer* pickRandomTrainer(bool allowUnique);

    // Trainer i in load order, or null outside the list.
    Trainer* getAt(int i) const;
    int getNonUniqueCount() const;
    int getRememberedCount() const;

private:
    std::vector<Trainer*> trainers;
    int totalCount = 0;
    int nonUniqueCount = 0;
    int rememberedIds[MEMORY_SIZE] = {};
    int rememberedCount = 0;
};
