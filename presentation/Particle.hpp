// One short-lived animated sprite of the battle field, following its particle description.
#pragma once

#include "presentation/QX_Drawable.hpp"

class ParticleDesc;

class Particle : public QX_Drawable {
public:
    // Starts at (x, y) lifted by height, at the description's base speed; facing 1 is mirrored.
    Particle(ParticleDesc* description, float x, float y, float height, int facing);
    ~Particle() override;

    int getX() const override;
    int getScreenY() const override;
    int getHeight() const override;
    int getY() const override;
    int getGroundY() const override;
    void update() override;
    bool isParticle() const override;
    bool isAlive() const override;
    void drawShadow(sf::RenderTarget* target) override;
    sf::Sprite* getSprite() override;
    void draw(sf::RenderTarget* target) override;
    void setId(int id) override;
    int getId() const override;
    void setLayer(int layer) override;
    int getLayer() const override;
    // The description's base speed plus the given extra.
    virtual void setSpeed(float extraX, float extraY, float extraZ);

    ParticleDesc* getDescription() const { return description; }
    int getAge() const { return age; }
    int getGeneration() const { return generation; }
    int getFacing() const { return facing; }
    float getPositionX() const { return x; }
    float getPositionY() const { return y; }
    float getPositionHeight() const { return height; }
    float getSpeedX() const { return speedX; }
    float getSpeedY() const { return speedY; }
    float getSpeedZ() const { return speedZ; }

private:
    int id = 0;
    int layer = 0;
    ParticleDesc* description;
    int age = 0;
    int generation = 0;
    float x;
    float y;
    float height;
    float speedX = 0.f;
    float speedY = 0.f;
    float speedZ = 0.f;
    int facing;
    sf::Sprite* sprite = nullptr;
};
