// A script command's message and its bracketed words.
#include "rules/ScriptMessage.hpp"

#include <utility>

ScriptMessage& ScriptMessage::operator=(std::string text) {
    message = std::move(text);
    found.clear();
    forEachWord(message, [this](const Word& word) { found.push_back(word); });
    return *this;
}

ScriptMessage::Name ScriptMessage::nameOf(std::string_view word) {
    if (word == "[ZLKN]" || word == "[SOURCE]") return Name::SourceCreature;
    if (word == "[ZLKN2]" || word == "[TARGET]") return Name::TargetCreature;
    if (word == "[TRAINER]" || word == "[TSOURCE]") return Name::SourceOwner;
    if (word == "[TRAINER2]" || word == "[TTARGET]") return Name::TargetOwner;
    return Name::Nothing;
}
