// One short-lived animated sprite of the battle field, following its particle description.
#include "presentation/Particle.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <climits>

#include "presentation/ParticleDesc.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/Platform.hpp"

Particle::Particle(ParticleDesc* descriptionIn, float xIn, float yIn, float heightIn, int facingIn)
    : description(descriptionIn), x(xIn), y(yIn), height(heightIn), facing(facingIn) {
    if (description) {
        speedX = description->getBaseSpeedX();
        speedY = description->getBaseSpeedY();
        speedZ = description->getBaseSpeedZ();
        sprite = description->newSpriteFacing(facing);
    }
}

Particle::~Particle() { delete sprite; }

int Particle::getX() const { return saturatingInt(x); }
int Particle::getScreenY() const { return saturatingInt(static_cast<double>(y) - height); }
int Particle::getHeight() const { return saturatingInt(height); }
int Particle::getY() const { return saturatingInt(y); }
int Particle::getGroundY() const { return saturatingInt(y); }

void Particle::update() {
    // A particle whose description was never found has nothing to follow: it dies at once.
    if (!description) return;
    if (description->getGravity() != 0.f) speedZ -= description->getGravity();
    if (description->getMovement() != 0.f) {
        x += description->getDirectionX() * speedX;
        y += description->getDirectionY() * speedY;
        height += description->getDirectionZ() * speedZ;
    }
    if (height < 0.f) height = 0.f;

    int framesPerCell = static_cast<int>(description->getSpeedAnimation());
    if (framesPerCell < 1) framesPerCell = 1;
    int cycle = description->getCycle() < 1 ? 1 : description->getCycle();
    int cell = (age / framesPerCell) % cycle;

    int shownFacing = facing;
    if (description->getAxisFacing() > 0) {
        if (speedX < 0.f)
            shownFacing = 1;
        else if (speedX > 0.f)
            shownFacing = 0;
    }
    description->setFrameFacing(sprite, cell, shownFacing);
    // Particles that never die must not run their age past the int range.
    if (age < INT_MAX) age += 1;

    if (!isAlive() && description->getDying()) {
        generation += 1;
        description = description->getDying();
        age = 0;
        delete sprite;
        sprite = description->newSpriteFacing(facing);
    }
}

bool Particle::isParticle() const { return true; }

bool Particle::isAlive() const {
    if (!description) return false;
    switch (description->getDeathWhen()) {
    case 0:
        return age <= description->getDuration();
    case 1:
        return height > 0.f;
    default:
        return true;
    }
}

void Particle::drawShadow(sf::RenderTarget*) {}

sf::Sprite* Particle::getSprite() { return sprite; }

void Particle::draw(sf::RenderTarget* target) {
    if (!target || !sprite || !isAlive()) return;
    QX_Texture* sheet = description->getSheet();
    double cellWidth = sheet ? sheet->getCellWidth() : 0.0;
    double cellHeight = sheet ? sheet->getCellHeight() : 0.0;
    sf::Vector2f scale = sprite->getScale();
    int px = saturatingInt(x - scale.x * cellWidth * 0.5);
    int py = saturatingInt(static_cast<double>(y) - height - scale.y * cellHeight * 0.5);
    sprite->setPosition(static_cast<float>(px), static_cast<float>(py));
    target->draw(*sprite);
}

void Particle::setId(int idIn) { id = idIn; }
int Particle::getId() const { return id; }
void Particle::setLayer(int layerIn) { layer = layerIn; }
int Particle::getLayer() const { return layer; }

void Particle::setSpeed(float extraX, float extraY, float extraZ) {
    if (!description) return;
    speedX = description->getBaseSpeedX() + extraX;
    speedY = description->getBaseSpeedY() + extraY;
    speedZ = description->getBaseSpeedZ() + extraZ;
}
