// The common face of everything the particle engine sorts and draws: particles and creature figures.
#pragma once

namespace sf {
class RenderTarget;
class Sprite;
} // namespace sf

class ParticleEngine;

class QX_Drawable {
public:
    QX_Drawable() = default;
    // A drawable deleted while still listed takes itself off its engine, so the engine never draws freed
    // memory.
    virtual ~QX_Drawable();
    QX_Drawable(const QX_Drawable&) = delete;
    QX_Drawable& operator=(const QX_Drawable&) = delete;

    virtual int getX() const = 0;
    // Where the picture is drawn: the depth minus the height above the ground.
    virtual int getScreenY() const = 0;
    virtual int getHeight() const = 0;
    // The depth key of the draw order.
    virtual int getY() const = 0;
    virtual int getGroundY() const = 0;
    virtual void update() = 0;
    virtual bool isParticle() const = 0;
    virtual bool isAlive() const = 0;
    virtual void drawShadow(sf::RenderTarget* target) = 0;
    virtual sf::Sprite* getSprite() = 0;
    virtual void draw(sf::RenderTarget* target) = 0;
    virtual void setId(int id) = 0;
    virtual int getId() const = 0;
    virtual void setLayer(int layer) = 0;
    virtual int getLayer() const = 0;

    // The engine whose list holds this drawable, or null; kept by the engine alone.
    ParticleEngine* listedIn() const { return engine; }

private:
    friend class ParticleEngine;
    ParticleEngine* engine = nullptr;
};
