// A named particle description read from data/particles/: its pictures, motion, life and successor.
#include "presentation/ParticleDesc.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <climits>

#include "presentation/QX_Texture.hpp"

ParticleDesc::ParticleDesc(QX_Texture* sheetIn, const std::string& nameIn, int firstColumnIn, int rowIn)
    : sheet(sheetIn), name(nameIn), firstColumn(firstColumnIn), row(rowIn) {}

ParticleDesc::~ParticleDesc() {}

std::string ParticleDesc::getName() const { return name; }

void ParticleDesc::setDuration(int frames) { duration = frames; }

void ParticleDesc::setMovement(float value) {
    movement = value;
    directionX = value;
    directionY = value;
    directionZ = value;
}

void ParticleDesc::setDirectionX(float value) { directionX = value; }
void ParticleDesc::setDirectionY(float value) { directionY = value; }
void ParticleDesc::setDirectionZ(float value) { directionZ = value; }
void ParticleDesc::setBaseSpeedX(float value) { baseSpeedX = value; }
void ParticleDesc::setBaseSpeedY(float value) { baseSpeedY = value; }
void ParticleDesc::setBaseSpeedZ(float value) { baseSpeedZ = value; }

void ParticleDesc::setCategory(const std::string& word) {
    if (word == "Multi_impact")
        category = 1;
    else if (word == "Explosion")
        category = 2;
    else
        category = 0;
}

void ParticleDesc::setDeathWhen(const std::string& word) { deathWhen = (word == "Hit_ground") ? 1 : 0; }

void ParticleDesc::setCycle(int cells) { cycle = cells < 1 ? 1 : cells; }

void ParticleDesc::setAxis(const std::string& word) {
    axisFacing = (word == "axis_x" || word == "x_axis") ? 1 : 0;
}

void ParticleDesc::setGravity(float value) { gravity = value; }

void ParticleDesc::setDying(ParticleDesc* successor) { dying = successor; }

void ParticleDesc::setScale(float value) { scale = value; }

void ParticleDesc::setSpeedAnimation(int frames) {
    speedAnimation = static_cast<float>(frames < 1 ? 1 : frames);
}

sf::Sprite* ParticleDesc::newSpriteFacing(int facing) {
    if (!sheet) return nullptr;
    sf::Sprite* sprite = sheet->newCellSpriteFacing(firstColumn, row, facing);
    if (sprite && scale != 0.f) sprite->setScale(scale, scale);
    return sprite;
}

sf::Sprite* ParticleDesc::newSprite() {
    if (!sheet) return nullptr;
    sf::Sprite* sprite = sheet->newCellSprite(firstColumn, row);
    if (sprite && scale != 0.f) sprite->setScale(scale, scale);
    return sprite;
}

sf::Sprite* ParticleDesc::setCellRectFacing(sf::Sprite* sprite, int column, int rowIn, int facing) {
    if (!sheet || !sprite) return nullptr;
    return sheet->setCellRectFacing(sprite, column, rowIn, facing);
}

sf::Sprite* ParticleDesc::setCellRect(sf::Sprite* sprite, int column, int rowIn) {
    if (!sheet || !sprite) return nullptr;
    return sheet->setCellRect(sprite, column, rowIn);
}

// A cell beyond the int range is simply outside every grid.
static int cellColumn(int firstColumn, int n) {
    long long column = static_cast<long long>(firstColumn) + n;
    return (column > INT_MAX || column < INT_MIN) ? -1 : static_cast<int>(column);
}

sf::Sprite* ParticleDesc::setFrame(sf::Sprite* sprite, int n) {
    return setCellRect(sprite, cellColumn(firstColumn, n), row);
}

sf::Sprite* ParticleDesc::setFrameFacing(sf::Sprite* sprite, int n, int facing) {
    return setCellRectFacing(sprite, cellColumn(firstColumn, n), row, facing);
}
