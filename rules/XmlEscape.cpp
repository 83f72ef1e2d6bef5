// Escaping of the texts the game writes into its own XML files.
#include "rules/XmlEscape.hpp"

std::string escapeXml(const std::string& text, XmlControlBytes controlBytes) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (controlBytes == XmlControlBytes::Keep || byte >= 0x20) {
                out += c;
            } else if (byte != 0) {
                out += "&#" + std::to_string(byte) + ";";
            }
            break;
        }
    }
    return out;
}
