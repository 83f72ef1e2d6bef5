// Which types a team in the making resists and which its moves hit hard, to point out its gaps.
#pragma once

#include <cstdint>
#include <vector>

class Zelkin;

class TeamAnalyzer {
public:
    // One flag per type of the database held by the global bundle (none without a database).
    TeamAnalyzer();
    explicit TeamAnalyzer(int typeCount);
    virtual ~TeamAnalyzer();
    virtual void addCreature(Zelkin* creature);
    // 0 means a gap; 0 as well for an index outside the flags.
    virtual int32_t getOffensiveFlag(int typeIndex);
    virtual int32_t getDefensiveFlag(int typeIndex);

private:
    std::vector<int32_t> defensiveFlags;
    std::vector<int32_t> offensiveFlags;
};
