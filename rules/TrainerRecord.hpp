// What a team reads of its owner: the owning participant's career record implements it.
#pragma once

#include <string>

class TrainerRecord {
public:
    virtual ~TrainerRecord() = default;
    // The trainer's name, as the battle texts show it.
    virtual const std::string& getName() const = 0;
    // Wins in a row when positive, losses in a row when negative, 0 after a draw.
    virtual int getStreak() const = 0;
    // The row of the supporters picture that shows the trainer.
    virtual int getSprite() const = 0;
};
