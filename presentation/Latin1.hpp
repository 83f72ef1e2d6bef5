// The one conversion of the game's ISO-8859-1 texts into SFML strings.
#pragma once

#include <SFML/System/String.hpp>
#include <string>

// Each byte becomes the code point of the same value, so accented French letters draw as themselves
// whatever the system locale is.
sf::String latin1ToSf(const std::string& text);
