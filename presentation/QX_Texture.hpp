// A sprite sheet: one image cut into a grid of equal cells, with a mirrored copy for the other facing.
#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <string>

class QX_Texture {
public:
    // Loads the texture from the image and the mirrored texture from a flipped copy of it.
    QX_Texture(const std::string& name, const sf::Image& image, unsigned int cellWidth,
               unsigned int cellHeight);
    virtual ~QX_Texture();
    virtual void setGrid(int columns, int rows);
    virtual void setScale(float scale);
    virtual std::string getNameText();
    // New sprites belong to the caller; null (nothing allocated) for a cell outside the grid.
    virtual sf::Sprite* newFrameSprite(int index);
    virtual sf::Sprite* newCellSprite(int column, int row);
    // Re-frame a given sprite; the sprite back, or null (sprite untouched) outside the grid.
    virtual sf::Sprite* setFrameRect(sf::Sprite* sprite, int index);
    virtual sf::Sprite* setCellRect(sf::Sprite* sprite, int column, int row);
    // Facing 1 or more takes the mirrored picture, with columns counted from the right: of the declared
    // grid, or without one, of the cells that fit the picture's width.
    virtual sf::Sprite* newFrameSpriteFacing(int index, int facing);
    virtual sf::Sprite* newCellSpriteFacing(int column, int row, int facing);
    virtual sf::Sprite* setFrameRectFacing(sf::Sprite* sprite, int index, int facing);
    virtual sf::Sprite* setCellRectFacing(sf::Sprite* sprite, int column, int row, int facing);
    virtual unsigned int getCellWidth();
    virtual unsigned int getCellHeight();

    virtual int getColumns();
    virtual int getRows();
    virtual float getScale();
    // Whether a cell has a picture: inside the declared grid, or without one, among the cells that fit the
    // picture's width and height.
    bool holdsCell(int column, int row) const;

private:
    bool inGrid(int column, int row) const;
    bool frameCell(int index, int& column, int& row) const;
    sf::IntRect cellRect(int column, int row, bool mirrored) const;
    // How many whole cells fit the picture across and down.
    int fittingColumns() const;
    int fittingRows() const;
    // How many columns the mirrored picture is counted over.
    int mirrorColumns() const;

    std::string name;
    unsigned int cellWidth;
    unsigned int cellHeight;
    float scale = 1.0f;
    int columns = 99;
    int rows = 99;
    bool gridDeclared = false;
    sf::Texture texture;
    sf::Texture mirroredTexture;
};
