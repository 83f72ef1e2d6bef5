// A sprite sheet: one image cut into a grid of equal cells, with a mirrored copy for the other facing.
#include "presentation/QX_Texture.hpp"

#include "rules/Platform.hpp"

#include <algorithm>

QX_Texture::QX_Texture(const std::string& name, const sf::Image& image, unsigned int cellWidth,
                       unsigned int cellHeight)
    : name(name), cellWidth(cellWidth), cellHeight(cellHeight) {
    texture.loadFromImage(image);
    sf::Image flipped(image);
    flipped.flipHorizontally();
    mirroredTexture.loadFromImage(flipped);
}

QX_Texture::~QX_Texture() {}

void QX_Texture::setGrid(int columns, int rows) {
    this->columns = columns;
    this->rows = rows;
    gridDeclared = true;
}

void QX_Texture::setScale(float scale) { this->scale = scale; }

std::string QX_Texture::getNameText() { return name; }

unsigned int QX_Texture::getCellWidth() { return cellWidth; }

unsigned int QX_Texture::getCellHeight() { return cellHeight; }

int QX_Texture::getColumns() { return columns; }

int QX_Texture::getRows() { return rows; }

float QX_Texture::getScale() { return scale; }

bool QX_Texture::inGrid(int column, int row) const {
    return column >= 0 && column < columns && row >= 0 && row < rows;
}

bool QX_Texture::frameCell(int index, int& column, int& row) const {
    // Computed in 64 bits: a grid read from a file may be large enough for columns x rows to overflow.
    long long cells = static_cast<long long>(columns) * static_cast<long long>(rows);
    if (columns <= 0 || rows <= 0 || index < 0 || index >= cells) return false;
    column = index % columns;
    row = index / columns;
    return true;
}

int QX_Texture::fittingColumns() const {
    return cellWidth > 0 ? clampToInt(texture.getSize().x / cellWidth) : 0;
}

int QX_Texture::fittingRows() const {
    return cellHeight > 0 ? clampToInt(texture.getSize().y / cellHeight) : 0;
}

bool QX_Texture::holdsCell(int column, int row) const {
    if (gridDeclared) return inGrid(column, row);
    // The default grid reaches far beyond the picture: a cell past its edge would show nothing, or smear
    // the edge pixels.
    return column >= 0 && column < fittingColumns() && row >= 0 && row < fittingRows();
}

int QX_Texture::mirrorColumns() const {
    if (gridDeclared) return columns;
    // The default grid reaches far beyond the picture: mirror within the columns that fit its width.
    return std::max(fittingColumns(), 1);
}

sf::IntRect QX_Texture::cellRect(int column, int row, bool mirrored) const {
    long long shownColumn = mirrored ? static_cast<long long>(mirrorColumns()) - 1 - column : column;
    // Sizes read from a file can be absurd: keep every coordinate inside the int range.
    return sf::IntRect(clampToInt(shownColumn * cellWidth),
                       clampToInt(static_cast<long long>(row) * cellHeight), clampToInt(cellWidth),
                       clampToInt(cellHeight));
}

sf::Sprite* QX_Texture::newCellSprite(int column, int row) { return newCellSpriteFacing(column, row, 0); }

sf::Sprite* QX_Texture::newFrameSprite(int index) { return newFrameSpriteFacing(index, 0); }

sf::Sprite* QX_Texture::setCellRect(sf::Sprite* sprite, int column, int row) {
    if (sprite == nullptr || !inGrid(column, row)) return nullptr;
    sprite->setTextureRect(cellRect(column, row, false));
    return sprite;
}

sf::Sprite* QX_Texture::setFrameRect(sf::Sprite* sprite, int index) {
    int column = 0;
    int row = 0;
    if (!frameCell(index, column, row)) return nullptr;
    return setCellRect(sprite, column, row);
}

sf::Sprite* QX_Texture::newCellSpriteFacing(int column, int row, int facing) {
    if (!inGrid(column, row)) return nullptr;
    bool mirrored = facing >= 1;
    sf::Sprite* sprite =
        new sf::Sprite(mirrored ? mirroredTexture : texture, cellRect(column, row, mirrored));
    sprite->setScale(scale, scale);
    return sprite;
}

sf::Sprite* QX_Texture::newFrameSpriteFacing(int index, int facing) {
    int column = 0;
    int row = 0;
    if (!frameCell(index, column, row)) return nullptr;
    return newCellSpriteFacing(column, row, facing);
}

sf::Sprite* QX_Texture::setCellRectFacing(sf::Sprite* sprite, int column, int row, int facing) {
    if (sprite == nullptr || !inGrid(column, row)) return nullptr;
    bool mirrored = facing >= 1;
    sprite->setTexture(mirrored ? mirroredTexture : texture);
    sprite->setTextureRect(cellRect(column, row, mirrored));
    return sprite;
}

sf::Sprite* QX_Texture::setFrameRectFacing(sf::Sprite* sprite, int index, int facing) {
    int column = 0;
    int row = 0;
    if (!frameCell(index, column, row)) return nullptr;
    return setCellRectFacing(sprite, column, row, facing);
}
