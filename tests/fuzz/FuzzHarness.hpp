// One entry per data reader for the fuzz targets and the regression suite: feed it bytes, it loads them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Every function writes the bytes where the game reads that kind of file (relative to the working
// directory), runs the real reader on a fresh database, pokes at what was loaded and frees it all. The
// error log is emptied before and after, random draws are scripted, and any global the reader changes
// (the string table) is put back, so one input never influences the next.
using FuzzEntry = void (*)(const uint8_t* data, size_t size);

void fuzzTypes(const uint8_t* data, size_t size);
void fuzzSubtypes(const uint8_t* data, size_t size);
void fuzzAbilities(const uint8_t* data, size_t size);
void fuzzBuffs(const uint8_t* data, size_t size);
void fuzzMoves(const uint8_t* data, size_t size);
void fuzzCreatures(const uint8_t* data, size_t size);
void fuzzStadiums(const uint8_t* data, size_t size);
void fuzzRulesets(const uint8_t* data, size_t size);
void fuzzTrainers(const uint8_t* data, size_t size);
void fuzzStrings(const uint8_t* data, size_t size);
void fuzzConfig(const uint8_t* data, size_t size);
void fuzzCommentator(const uint8_t* data, size_t size);
void fuzzEffect(const uint8_t* data, size_t size);

struct FuzzTarget {
    const char* name; // also the folder name of its corpus and regression inputs
    FuzzEntry entry;
};
// Every target, in the order above.
const std::vector<FuzzTarget>& fuzzTargets();

// Moves the process into a fresh scratch folder (removed at exit) the first time it is called; the fuzz
// executables call it before their first input so the game's relative paths stay out of the source tree.
void enterFuzzScratchFolder();

// The libFuzzer entry points of one target executable.
#define QUORVEX_FUZZ_TARGET(entry)                                                                           \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                                \
        enterFuzzScratchFolder();                                                                            \
        entry(data, size);                                                                                   \
        return 0;                                                                                            \
    }
