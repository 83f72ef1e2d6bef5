// A trainer named in "data/trainers.xml": the opponents of quick and tag battles take their names from these.
#pragma once

#include <string>

class Trainer {
public:
    Trainer(int id, bool unique, const std::string& name, const std::string& credo);
    virtual ~Trainer();

    virtual int getId() const;
    virtual bool isUnique() const;
    virtual const std::string& getName() const;
    virtual std::string getCredo() const;

private:
    int id;
    bool unique;
    std::string name;
    std::string credo;
};
