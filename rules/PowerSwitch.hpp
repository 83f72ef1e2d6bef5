// One power switch of a side: an on/off gate that effects set with a priority.
#pragma once

class PowerSwitch {
public:
    PowerSwitch();
    virtual ~PowerSwitch();

    // A higher priority always wins; at equal priority the switch can only be turned off, so an effect
    // cannot undo a lock placed by another effect of the same rank.
    virtual bool set(bool on, int priority);
    virtual int getPriority() const;
    virtual bool isOn() const;
    // Back to on with priority 0.
    virtual void reset();

private:
    int priority = 0;
    bool on = true;
};
