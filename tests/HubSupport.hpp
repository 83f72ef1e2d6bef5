// Helpers of the database and start-up tests: copying a fixture data set into a scratch game root.
#pragma once

#include <boost/filesystem.hpp>
#include <string>

#include "TestSupport.hpp"

// Copies the folder tests/data/<relative> into the scratch folder as "data/", so that the loading finds
// it exactly where the game looks.
inline void installDataSet(const ScratchDir& dir, const std::string& relative) {
    copyFolder(fixturePath(relative), dir.path / "data");
}

// A move file with count moves named prefix1, prefix2, ...
inline std::string movesXml(int count, const std::string& prefix = "Coup") {
    std::string xml;
    for (int i = 1; i <= count; ++i)
        xml += "<move><name>" + prefix + std::to_string(i) +
               "</name><category>physique</category><pp>10</pp><power>40</power><effect><Damage "
               "target=\"target\"/></effect></move>\n";
    return xml;
}

// A creature library with count species numbered from first, each learning the given move.
inline std::string creaturesXml(int count, const std::string& move, int first = 1) {
    std::string xml = "<library><name>Essai</name><code>BASE</code><file>essai.png</file></library>\n";
    for (int i = 0; i < count; ++i)
        xml += "<creature><name>Bestiole" + std::to_string(first + i) + "</name><number>" +
               std::to_string(first + i) + "</number><move>" + move + "</move></creature>\n";
    return xml;
}
