// The sprite-sheet layout of one species library: cell size, cells per line and facing.
#pragma once

class ZelkinZelkinaryConfig {
public:
    // The drawing scale follows the cell width: 2.0 below 60, 1.5 below 80, else 1.0.
    ZelkinZelkinaryConfig(int cellWidth, int cellHeight, int cellsPerLine, int face);
    virtual ~ZelkinZelkinaryConfig();

    virtual float getScale() const;
    virtual int getHalfWidth() const;
    virtual int getSevenEighthsHeight() const;
    virtual int getThreeEighthsHeight() const;
    virtual int getCellWidth() const;
    virtual int getCellHeight() const;
    virtual int getCellsPerLine() const;
    virtual int getFace() const;

private:
    int cellWidth;
    int cellHeight;
    float scale;
    int cellsPerLine;
    int face;
};
