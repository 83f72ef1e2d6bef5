// Word wrapping of the battle message into lines of a fixed pixel width.
#pragma once

#include <string>

// Breaks text into lines no wider than maxWidth where a word allows it, every byte counting charWidth.
// Blanks and newlines end words; the result always ends with a newline.
std::string wrapText(const std::string& text, int charWidth, int maxWidth);
