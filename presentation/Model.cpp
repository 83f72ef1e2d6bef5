// The on-screen figure of one creature: sprite, shadow, place, facing and the figure move it plays.
#include "presentation/Model.hpp"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include "presentation/GameWindow.hpp"
#include "presentation/ModelMove.hpp"
#include "presentation/ModelMoveBlank.hpp"
#include "presentation/ModelMoveDamage.hpp"
#include "presentation/ModelMoveDamageKO.hpp"
#include "presentation/ModelMoveDodge.hpp"
#include "presentation/ModelMoveHeavyDamage.hpp"
#include "presentation/ModelMoveHeavyKO.hpp"
#include "presentation/ModelMoveLightDamage.hpp"
#include "presentation/ModelMovePhysicCharge.hpp"
#include "presentation/ModelMoveRoar.hpp"
#include "presentation/ModelMoveSpecialStrike.hpp"
#include "presentation/ModelMoveTremble.hpp"
#include "presentation/ModelMoveTrembleKO.hpp"
#include "rules/GameBundle.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"

Model::Model(sf::Sprite* spriteIn, ZelkinZelkinaryConfig* sheetConfigIn, int xIn, int yIn, int facingIn)
    : sprite(spriteIn), sheetConfig(sheetConfigIn), x(xIn), y(yIn), facing(facingIn) {
    playAnimation(0);
}

Model::~Model() {
    delete sprite;
    delete shadow;
    delete move;
}

int Model::getX() const { return clampToInt(static_cast<long long>(x) + move->getXOffset()); }

int Model::getScreenY() const {
    return clampToInt(static_cast<long long>(y) + move->getYOffset() - move->getHeight());
}

int Model::getHeight() const { return move->getHeight(); }

int Model::getY() const { return clampToInt(static_cast<long long>(y) + move->getYOffset()); }

int Model::getGroundY() const {
    double scaleY = sprite ? sprite->getScale().y : 0.0;
    double cellHeight = sheetConfig ? sheetConfig->getCellHeight() : 0.0;
    return saturatingInt(getY() + scaleY * cellHeight * 0.25);
}

void Model::update() {
    if (move->isRunning()) move->step();
}

bool Model::isParticle() const { return false; }

bool Model::isAlive() const { return true; }

void Model::drawShadow(sf::RenderTarget* target) {
    if (!target || !shown || !shadow) return;
    double scaleX = sprite ? sprite->getScale().x : 0.0;
    double cellWidth = sheetConfig ? sheetConfig->getCellWidth() : 0.0;
    // A figure sunk 75 units or more under its feet line has no sensible shadow left to draw.
    long long below = static_cast<long long>(getHeight()) + 75;
    if (below <= 0) return;
    float w = static_cast<float>(cellWidth * scaleX * 75.0 / static_cast<double>(below));
    shadow->setColor(sf::Color(255, 255, 255, 128) * move->getColor());
    shadow->setScale(w / 50.f, w / 50.f);
    shadow->setPosition(static_cast<float>(saturatingInt(getX() - w / 2.0)),
                        static_cast<float>(saturatingInt(getY() - w / 2.0)));
    target->draw(*shadow);
}

sf::Sprite* Model::getSprite() { return sprite; }

void Model::draw(sf::RenderTarget* target) {
    if (!target || !shown || !sprite) return;
    double halfWidth = sheetConfig ? sheetConfig->getHalfWidth() : 0.0;
    double sevenEighths = sheetConfig ? sheetConfig->getSevenEighthsHeight() : 0.0;
    sf::Vector2f scale = sprite->getScale();
    int px = saturatingInt(getX() - scale.x * halfWidth);
    int py = saturatingInt(getScreenY() - scale.y * sevenEighths);
    sprite->setColor(move->getColor());
    sprite->setPosition(static_cast<float>(px), static_cast<float>(py));
    target->draw(*sprite, sf::RenderStates(move->getTransform()));
}

void Model::setId(int idIn) { id = idIn; }
int Model::getId() const { return id; }
void Model::setLayer(int layerIn) { layer = layerIn; }
int Model::getLayer() const { return layer; }

void Model::setSprite(sf::Sprite* spriteIn, ZelkinZelkinaryConfig* sheetConfigIn) {
    if (spriteIn != sprite) delete sprite;
    sprite = spriteIn;
    sheetConfig = sheetConfigIn;
    playAnimation(0);
}

void Model::setShadow(sf::Sprite* shadowIn) {
    if (shadowIn != shadow) delete shadow;
    shadow = shadowIn;
}

void Model::setShadow() {
    GameWindow* window = gameBundle ? dynamic_cast<GameWindow*>(gameBundle->window) : nullptr;
    if (window) setShadow(window->newShadowSprite());
}

void Model::setPersonality(int personalityIn) {
    personality = personalityIn;
    move->setPersonality(personality);
}

void Model::setPosition(int xIn, int yIn) {
    x = xIn;
    y = yIn;
}

void Model::setSize(int percent) {
    size = percent;
    move->setSize(size);
}

bool Model::isPivotRaised() const { return pivotRaised; }
bool Model::isShown() const { return shown; }
void Model::setShown(bool shownIn) { shown = shownIn; }
void Model::setPivotRaised(bool raised) { pivotRaised = raised; }
ZelkinZelkinaryConfig* Model::getSheetConfig() const { return sheetConfig; }
sf::Transform Model::getMoveTransform() const { return move->getTransform(); }

void Model::playAnimation(int kind) {
    delete move;
    move = nullptr;
    if (kind == 99) kind = 1 + PseudoRNG().random(11);

    int pivotX = x;
    int pivotY = y;
    if (pivotRaised && sprite) {
        // Turn about a point three eighths of the scaled picture above the feet.
        double pictureHeight = sprite->getScale().y * sprite->getTextureRect().height;
        pivotY = saturatingInt(y - pictureHeight * 3 * 0.125);
    }

    switch (kind) {
    case 1:
        move = new ModelMoveRoar(pivotX, pivotY, facing);
        break;
    case 2:
        move = new ModelMoveDamage(pivotX, pivotY, facing);
        break;
    case 3:
        move = new ModelMoveLightDamage(pivotX, pivotY, facing);
        break;
    case 4:
        move = new ModelMoveHeavyDamage(pivotX, pivotY, facing);
        break;
    case 5:
        move = new ModelMoveTremble(pivotX, pivotY, facing);
        break;
    case 6:
        move = new ModelMoveDamageKO(pivotX, pivotY, facing);
        break;
    case 7:
        move = new ModelMoveTrembleKO(pivotX, pivotY, facing);
        break;
    case 8:
        move = new ModelMoveHeavyKO(pivotX, pivotY, facing);
        break;
    case 9:
        move = new ModelMovePhysicCharge(pivotX, pivotY, facing);
        break;
    case 10:
        move = new ModelMoveSpecialStrike(pivotX, pivotY, facing);
        break;
    case 11:
        move = new ModelMoveDodge(pivotX, pivotY, facing);
        break;
    default:
        move = new ModelMoveBlank(pivotX, pivotY, facing);
        break;
    }
    move->setBaseY(y);
    move->setSize(size);
    move->setPersonality(personality);
}
