// The loaded trainers and the memory of unique trainers already met.
#include "rules/TrainerList.hpp"

#include "rules/PseudoRNG.hpp"
#include "rules/Trainer.hpp"

namespace {
// Redraws allowed while the drawn trainer was already met, before the pick walks the list instead.
const int MAX_DRAWS = 32;
} // namespace

TrainerList::TrainerList() = default;

// The list is the only holder of its trainers, so they go with it.
TrainerList::~TrainerList() {
    for (Trainer* trainer : trainers)
        delete trainer;
}

void TrainerList::add(Trainer* trainer) {
    if (trainer == nullptr) return;
    trainers.push_back(trainer);
    ++totalCount;
    if (!trainer->isUnique()) ++nonUniqueCount;
}

void TrainerList::clearUsed() {
    for (int& id : rememberedIds)
        id = 0;
    rememberedCount = 0;
}

bool TrainerList::wasUsed(int id) const {
    for (int i = 0; i < rememberedCount; ++i) {
        if (rememberedIds[i] == id) return true;
    }
    return false;
}

int TrainerList::getCount() const { return totalCount; }

// A pick must always end: the draws are bounded, then the first trainer not met yet is taken, and when
// every eligible trainer was met one of them is handed out again. With no eligible trainer at all (only
// unique ones while unique ones are not wanted) the pick widens to every trainer.
Trainer* TrainerList::pickRandomTrainer(bool allowUnique) {
    if (trainers.empty()) return nullptr;
    std::vector<Trainer*> eligible;
    for (Trainer* trainer : trainers) {
        if (allowUnique || !trainer->isUnique()) eligible.push_back(trainer);
    }
    if (eligible.empty()) eligible = trainers;

    PseudoRNG rng;
    int n = static_cast<int>(eligible.size());
    Trainer* candidate = nullptr;
    for (int draw = 0; draw < MAX_DRAWS; ++draw) {
        int r = rng.random(n);
        if (r < 0 || r >= n) r = 0;
        candidate = eligible[static_cast<size_t>(r)];
        if (!wasUsed(candidate->getId())) break;
        candidate = nullptr;
    }
    if (candidate == nullptr) {
        for (Trainer* trainer : eligible) {
            if (!wasUsed(trainer->getId())) {
                candidate = trainer;
                break;
            }
        }
    }
    if (candidate == nullptr) candidate = eligible[static_cast<size_t>(rng.random(n)) % eligible.size()];

    if (candidate->isUnique() && rememberedCount < MEMORY_SIZE) {
        rememberedIds[rememberedCount++] = candidate->getId();
    }
    return candidate;
}

Trainer* TrainerList::getAt(int i) const {
    if (i < 0 || i >= static_cast<int>(trainers.size())) return nullptr;
    return trainers[static_cast<size_t>(i)];
}

int TrainerList::getNonUniqueCount() const { return nonUniqueCount; }

int TrainerList::getRememberedCount() const { return rememberedCount; }
