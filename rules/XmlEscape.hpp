// Escaping of the texts the game writes into its own XML files.
#pragma once

#include <string>

// What becomes of the bytes below 32. Kept raw, the XML reader gives them back as they were; written as
// character references, a file meant to hold one setting per line keeps that shape whatever the player typed
// (a NUL byte, which no XML file can hold, is then left out).
enum class XmlControlBytes { Keep, AsReferences };

// The text with "&", "<", ">", '"' and "'" replaced by their entities; bytes above 127 (ISO-8859-1 letters)
// are kept as they are, so that the XML reader gives the very same bytes back.
std::string escapeXml(const std::string& text, XmlControlBytes controlBytes = XmlControlBytes::Keep);
