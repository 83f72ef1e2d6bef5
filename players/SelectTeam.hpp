// One side's pre-battle pick list: the creatures brought along and the ones chosen to fight, in order.
#pragma once

#include <string>

class Zelkin;

class SelectTeam {
public:
    static constexpr int MAX_MEMBERS = 6;

    SelectTeam(const std::string& name, int capacity);
    // Deletes the members that were not picked; the picked ones belong to the battle team by then.
    virtual ~SelectTeam();
    SelectTeam(const SelectTeam&) = delete;
    SelectTeam& operator=(const SelectTeam&) = delete;

    virtual const std::string& getName() const;
    // Takes ownership; a null creature or a seventh one is ignored (and stays the caller's).
    virtual void addMember(Zelkin* creature);
    // Appends a member number (1-based) not yet picked; once the picks reach the capacity, one more
    // request closes the list for good. Numbers outside the members held are refused.
    virtual void pick(int number);
    // Removes the last pick unless the list is empty or closed; the pick count afterwards.
    virtual int unpick();
    virtual bool isFull() const;
    virtual Zelkin* getMember(int i) const;
    // The member named by the i-th pick, null outside the picks.
    virtual Zelkin* getPicked(int i) const;
    virtual int getCapacity() const;
    virtual int getPickCount() const;
    virtual int getMemberCount() const;
    virtual bool isPicked(int number) const;

private:
    std::string name;
    Zelkin* members[MAX_MEMBERS] = {};
    int memberCount = 0;
    int picks[MAX_MEMBERS] = {};
    int capacity = 1;
    int pickCount = 0;
    int full = 0;
};
