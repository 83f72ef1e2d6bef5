// Word wrapping of the battle message into lines of a fixed pixel width.
#pragma once

#include <string>
#include <string_view>

// Breaks text into lines no wider than maxWidth where a word allows it, every byte counting charWidth.
// Blanks and newlines end words; the result always ends with a newline.
std::string wrapText(const std::string& text, int charWidth, int maxWidth);
// The same laid out into out, replacing what it held and keeping its storage.
void wrapTextInto(std::string& out, std::string_view text, int charWidth, int maxWidth);
