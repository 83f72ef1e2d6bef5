// Escaping of the texts the game writes into its own XML files.
#pragma once

#include <string>

// The text with "&", "<", ">", '"' and "'" replaced by their entities; other bytes (ISO-8859-1 letters
// included) are kept as they are, so that the XML reader gives the very same bytes back.
std::string escapeXml(const std::string& text);
