// A named particle description read from data/particles/: its pictures, motion, life and successor.
#pragma once

#include <string>

class QX_Texture;

namespace sf {
class Sprite;
}

class ParticleDesc {
public:
    // The sheet is the window's and is not owned; the cells start at (firstColumn, row).
    ParticleDesc(QX_Texture* sheet, const std::string& name, int firstColumn, int row);
    virtual ~ParticleDesc();

    virtual std::string getName() const;
    virtual void setDuration(int frames);
    // Sets the movement switch and the three direction factors to the same value.
    virtual void setMovement(float value);
    virtual void setDirectionX(float value);
    virtual void setDirectionY(float value);
    virtual void setDirectionZ(float value);
    virtual void setBaseSpeedX(float value);
    virtual void setBaseSpeedY(float value);
    virtual void setBaseSpeedZ(float value);
    // "Multi_impact" 1, "Explosion" 2, anything else 0.
    virtual void setCategory(const std::string& word);
    // "Hit_ground" 1, anything else 0.
    virtual void setDeathWhen(const std::string& word);
    // Below 1 becomes 1.
    virtual void setCycle(int cells);
    // "axis_x" or "x_axis" 1, anything else 0.
    virtual void setAxis(const std::string& word);
    virtual void setGravity(float value);
    virtual void setDying(ParticleDesc* successor);
    virtual void setScale(float value);
    // Frames per animation cell; below 1 becomes 1 (it divides the age).
    virtual void setSpeedAnimation(int frames);
    // New sprites belong to the caller; null when the first cell lies outside the sheet (or no sheet).
    virtual sf::Sprite* newSpriteFacing(int facing);
    virtual sf::Sprite* newSprite();
    virtual sf::Sprite* setCellRectFacing(sf::Sprite* sprite, int column, int row, int facing);
    virtual sf::Sprite* setCellRect(sf::Sprite* sprite, int column, int row);
    // Shows animation cell n (counted from the first column) on the sprite.
    virtual sf::Sprite* setFrame(sf::Sprite* sprite, int n);
    virtual sf::Sprite* setFrameFacing(sf::Sprite* sprite, int n, int facing);

    QX_Texture* getSheet() const { return sheet; }
    int getFirstColumn() const { return firstColumn; }
    int getRow() const { return row; }
    int getDuration() const { return duration; }
    int getCategory() const { return category; }
    float getMovement() const { return movement; }
    float getDirectionX() const { return directionX; }
    float getDirectionY() const { return directionY; }
    float getDirectionZ() const { return directionZ; }
    float getBaseSpeedX() const { return baseSpeedX; }
    float getBaseSpeedY() const { return baseSpeedY; }
    float getBaseSpeedZ() const { return baseSpeedZ; }
    int getCycle() const { return cycle; }
    float getGravity() const { return gravity; }
    int getDeathWhen() const { return deathWhen; }
    int getAxisFacing() const { return axisFacing; }
    float getSpeedAnimation() const { return speedAnimation; }
    float getScale() const { return scale; }
    ParticleDesc* getDying() const { return dying; }

private:
    QX_Texture* sheet;
    std::string name;
    int firstColumn;
    int row;
    int duration = 25;
    int category = 0;
    float movement = 0.f;
    float directionX = 0.f;
    float directionY = 0.f;
    float directionZ = 0.f;
    float baseSpeedX = 0.f;
    float baseSpeedY = 0.f;
    float baseSpeedZ = 0.f;
    int cycle = 1;
    float gravity = 0.f;
    int deathWhen = 0;
    int axisFacing = 0;
    float speedAnimation = 1.f;
    float scale = 0.f;
    ParticleDesc* dying = nullptr;
};
