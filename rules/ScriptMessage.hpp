// A script command's message: its text and the bracketed words in it, found once when the text is set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ScriptMessage {
public:
    // Whose name a bracketed word stands for; Nothing for a word that names no one (it is written as
    // nothing).
    enum class Name : std::uint8_t { Nothing, SourceCreature, TargetCreature, SourceOwner, TargetOwner };
    // One bracketed word: text[open, end), brackets included.
    struct Word {
        std::size_t open;
        std::size_t end;
        Name name;
    };

    ScriptMessage() = default;
    ScriptMessage& operator=(std::string text);

    const std::string& text() const { return message; }
    bool empty() const { return message.empty(); }
    // The bracketed words of the text, in order.
    const std::vector<Word>& words() const { return found; }

    // Calls visit(word) for each bracketed word of text, in order: each runs from a '[' to the first ']'
    // after it, and the next is looked for past that ']'. A '[' with no ']' after it starts no word.
    template <typename Visit> static void forEachWord(std::string_view text, Visit&& visit) {
        for (std::size_t open = text.find('['); open != std::string_view::npos; open = text.find('[', open)) {
            const std::size_t close = text.find(']', open);
            if (close == std::string_view::npos) return;
            visit(Word{open, close + 1, nameOf(text.substr(open, close - open + 1))});
            open = close + 1;
        }
    }
    // The name a bracketed word (brackets included) stands for.
    static Name nameOf(std::string_view word);

private:
    std::string message;
    std::vector<Word> found;
};
