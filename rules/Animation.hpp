// A reference from a type, buff, ability or species to a particle effect of the window.
#pragma once

class ParticleDesc;

class Animation {
public:
    // The particle description belongs to the window; the animation only points to it.
    explicit Animation(ParticleDesc* particleDesc, int category = 0, int mode = 0, int force = 10)
        : particleDesc(particleDesc), category(category), mode(mode), force(force) {}
    virtual ~Animation() = default;

    virtual ParticleDesc* getParticleDesc() { return particleDesc; }
    virtual int getMode() { return mode; }
    virtual int getForce() { return force; }
    virtual int getCategory() { return category; }
    virtual void setCategory(int value) { category = value; }

private:
    ParticleDesc* particleDesc = nullptr;
    int category = 0;
    int mode = 0;
    int force = 10;
};
