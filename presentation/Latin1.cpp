// The one conversion of the game's ISO-8859-1 texts into SFML strings.
#include "presentation/Latin1.hpp"

sf::String latin1ToSf(const std::string& text) {
    std::basic_string<sf::Uint32> points;
    points.reserve(text.size());
    // Through unsigned char: a plain char above 127 is negative and would become a huge code point.
    for (char byte : text)
        points.push_back(static_cast<sf::Uint32>(static_cast<unsigned char>(byte)));
    return sf::String(points);
}
