// A trainer of "data/trainers.xml".
#include "rules/Trainer.hpp"

Trainer::Trainer(int id, bool unique, const std::string& name, const std::string& credo)
    : id(id), unique(unique), name(name), credo(credo) {}

Trainer::~Trainer() = default;

int Trainer::getId() const { return id; }

bool Trainer::isUnique() const { return unique; }

const std::string& Trainer::getName() const { return name; }

std::string Trainer::getCredo() const { return credo; }
