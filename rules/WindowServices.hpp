// What the core asks of the window. The window implements it; with none installed the core gets no-ops.
#pragma once

#include <string>

class ParticleDesc;

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The first loaded particle description of that exact name, or null.
    virtual ParticleDesc* findParticleDesc(std::string name) = 0;
    // Loads a library's sprite sheet (and its form sheet) from "img/".
    virtual void loadCreatureImage(std::string sheet, std::string formSheet) = 0;
};

// The installed window's services, or null while no window exists.
WindowServices* installedWindow();
// Null-safe shortcuts used by the loaders.
ParticleDesc* lookupParticleDesc(const std::string& name);
void loadCreatureImageIfWindow(const std::string& sheet, const std::string& formSheet);
