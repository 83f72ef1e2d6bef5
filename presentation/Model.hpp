// The on-screen figure of one creature: sprite, shadow, place, facing and the figure move it plays.
#pragma once

#include <SFML/Graphics/Transform.hpp>

#include "battle/BattlePresentation.hpp"
#include "presentation/QX_Drawable.hpp"

class ModelMove;
class ZelkinZelkinaryConfig;

class Model : public QX_Drawable, public BattleFigure {
public:
    // Takes the sprite over; the sheet layout stays the database's. Starts with the blank move.
    Model(sf::Sprite* sprite, ZelkinZelkinaryConfig* sheetConfig, int x, int y, int facing);
    ~Model() override;

    int getX() const override;
    int getScreenY() const override;
    int getHeight() const override;
    int getY() const override;
    int getGroundY() const override;
    void update() override;
    bool isParticle() const override;
    // A figure never dies for the engine; only its owner takes it away.
    bool isAlive() const override;
    void drawShadow(sf::RenderTarget* target) override;
    sf::Sprite* getSprite() override;
    void draw(sf::RenderTarget* target) override;
    void setId(int id) override;
    int getId() const override;
    void setLayer(int layer) override;
    int getLayer() const override;

    // Replaces (and deletes) the old sprite, then stands still.
    virtual void setSprite(sf::Sprite* sprite, ZelkinZelkinaryConfig* sheetConfig);
    // Replaces (and deletes) the old shadow; takes the new one over.
    virtual void setShadow(sf::Sprite* shadow);
    // The battle's request: a new shadow sprite from the game window (none without a window).
    void setShadow() override;
    void setPersonality(int personality) override;
    virtual void setPosition(int x, int y);
    void setSize(int percent) override;
    virtual bool isPivotRaised() const;
    virtual bool isShown() const;
    void setShown(bool shown) override;
    virtual void setPivotRaised(bool raised);
    virtual ZelkinZelkinaryConfig* getSheetConfig() const;
    virtual sf::Transform getMoveTransform() const;
    // 1 roar, 2 damage, 3 light damage, 4 heavy damage, 5 tremble, 6 damage KO, 7 tremble KO, 8 heavy KO,
    // 9 physical charge, 10 special strike, 11 dodge, 99 one of 1..11 at random, anything else stands still.
    void playAnimation(int kind) override;

    ModelMove* getMove() const { return move; }
    int getPersonality() const { return personality; }
    int getSize() const { return size; }
    int getFacing() const { return facing; }
    sf::Sprite* getShadow() const { return shadow; }

private:
    int id = 0;
    int layer = 0;
    sf::Sprite* sprite;
    sf::Sprite* shadow = nullptr;
    ZelkinZelkinaryConfig* sheetConfig;
    int x;
    int y;
    int personality = 0;
    bool pivotRaised = true;
    int facing;
    int size = 100;
    bool shown = true;
    ModelMove* move = nullptr;
};
