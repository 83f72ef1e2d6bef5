// The sprite-sheet layout of one species library.
#include "rules/ZelkinZelkinaryConfig.hpp"

ZelkinZelkinaryConfig::ZelkinZelkinaryConfig(int cellWidth, int cellHeight, int cellsPerLine, int face)
    : cellWidth(cellWidth), cellHeight(cellHeight), scale(1.0f), cellsPerLine(cellsPerLine), face(face) {
    // Small cells are drawn larger so that every library shows its figures at a similar size.
    if (cellWidth < 60)
        scale = 2.0f;
    else if (cellWidth < 80)
        scale = 1.5f;
}

ZelkinZelkinaryConfig::~ZelkinZelkinaryConfig() {}

float ZelkinZelkinaryConfig::getScale() const { return scale; }
int ZelkinZelkinaryConfig::getHalfWidth() const { return cellWidth / 2; }
// Computed in 64 bits so that a huge height cannot overflow before the division.
int ZelkinZelkinaryConfig::getSevenEighthsHeight() const { return static_cast<int>(7LL * cellHeight / 8); }
int ZelkinZelkinaryConfig::getThreeEighthsHeight() const { return static_cast<int>(3LL * cellHeight / 8); }
int ZelkinZelkinaryConfig::getCellWidth() const { return cellWidth; }
int ZelkinZelkinaryConfig::getCellHeight() const { return cellHeight; }
int ZelkinZelkinaryConfig::getCellsPerLine() const { return cellsPerLine; }
int ZelkinZelkinaryConfig::getFace() const { return face; }
