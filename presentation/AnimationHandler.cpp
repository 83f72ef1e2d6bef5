// Battle animations: when the figure moves and which particles each kind of battle event sends.
#include "presentation/AnimationHandler.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "battle/VariableTable.hpp"
#include "presentation/Model.hpp"
#include "presentation/Particle.hpp"
#include "presentation/ParticleEngine.hpp"
#include "rules/Animation.hpp"
#include "rules/GameBundle.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/WindowServices.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"

namespace {
const int CENTRE_X = 426;
const int CENTRE_Y = 240;
const int PARTICLE_LAYER = 40;
const int BALL_LAYER = 25;
const int BALL_SHOW_FRAME = 22;
// A data file's force can ask for any number of particles; a burst is kept to what a frame can bear.
const int MAX_PARTICLE_COUNT = 1000;
const double DEGREES = 3.14159265358979323846 / 180.0;

// The figure animations the battle plays (see Model::playAnimation).
enum FigureAnimation {
    ROAR = 1,
    DAMAGE = 2,
    LIGHT_DAMAGE = 3,
    HEAVY_DAMAGE = 4,
    DAMAGE_KO = 6,
    TREMBLE_KO = 7,
    HEAVY_KO = 8,
    PHYSIC_CHARGE = 9,
    SPECIAL_STRIKE = 10
};

// Hands a particle to the program's particle engine; without one it is simply dropped.
void launch(Particle* particle) {
    ParticleEngine* engine = gameBundle != nullptr ? gameBundle->particleEngine : nullptr;
    if (engine != nullptr)
        engine->add(particle);
    else
        delete particle;
}

// A random direction and strength, tilted towards the viewer or away; the layer follows the tilt.
void randomiseSpeed(Particle* particle, PseudoRNG& rng) {
    double r = rng.random(50) / 10;
    double a = rng.random(360) * DEGREES;
    double b = rng.random(360) * DEGREES;
    double sx = r * std::cos(a) * std::cos(b);
    double sy = 0.5 * r * std::sin(a) * std::cos(b);
    double sz = r * std::cos(a) * std::sin(b);
    particle->setSpeed(static_cast<float>(sx), static_cast<float>(sy), static_cast<float>(sz));
    particle->setLayer(static_cast<int>(2.0 * sy + 22.0));
}

bool bloodyEffectsOn() {
    Game_Options* options = gameBundle != nullptr ? gameBundle->options : nullptr;
    return options != nullptr && options->getBloodyEffects() != 0;
}
} // namespace

AnimationHandler::AnimationHandler(int kindIn, int) : kind(kindIn) {
    matchCategory = (kind == KIND_TYPE_A || kind == KIND_TYPE_B || kind == KIND_SELF) ? 0 : kind;
}

AnimationHandler::AnimationHandler(int kindIn, int facingIn, Model* targetIn) : AnimationHandler(kindIn, 0) {
    facing = facingIn;
    target = targetIn;
}

AnimationHandler::~AnimationHandler() {}

void AnimationHandler::setSources(ZelkinMove* move, Zelkin* creatureIn, VariableTable* record) {
    moveSource = move;
    creature = creatureIn;
    hitRecord = kind == KIND_HIT ? record : nullptr;
}

void AnimationHandler::setCreature(Zelkin* creatureIn) { creature = creatureIn; }

void AnimationHandler::setBuffData(ZelkinBuffData* definition) { setBuffSource(definition); }

void AnimationHandler::setBuffSource(ZelkinBuffData* definition) { buffSource = definition; }

bool AnimationHandler::isAlive() { return running != 0; }

void AnimationHandler::gatherFrom(Animation* record) {
    if (record != nullptr && record->getCategory() == matchCategory) records.push_back(record);
}

void AnimationHandler::playOnTarget(int animationKind) {
    if (target != nullptr) target->playAnimation(animationKind);
}

void AnimationHandler::prepare() {
    if (kind == KIND_HIT) length = 30;
    if (kind == KIND_TYPE_B) length = 75;

    if (hitRecord != nullptr && bloodyEffectsOn()) {
        double factor = hitRecord->getVariable("effectiveness");
        double percent = hitRecord->getVariable("percent_damage");
        int64_t b = std::max(saturatingInt(factor * percent - 15.0), 0);
        if (hitRecord->getVariable("critical_hit") > 0.0f) b *= 3;
        if (creature != nullptr && creature->getHp() == 0) b += 50;
        bloodForce = static_cast<int>(std::min<int64_t>(b / 15, 15));
        int64_t power = saturatingInt(hitRecord->getVariable("power_move"));
        force = static_cast<int>(std::max<int64_t>(power * 12 / 100, 5));
    }

    records.clear();
    if (buffSource != nullptr) {
        for (int i = 0; i < buffSource->getAnimationCount(); ++i)
            gatherFrom(buffSource->getAnimation(i));
    } else if (moveSource != nullptr) {
        for (ZelkinType* type : {moveSource->getType(), moveSource->getSubtype()}) {
            if (type == nullptr) continue;
            for (int i = 0; i < type->getAnimationCount(); ++i)
                gatherFrom(type->getAnimation(i));
        }
    } else if (creature != nullptr && (kind == KIND_TYPE_A || kind == KIND_TYPE_B)) {
        // A creature of two types shows both, each more softly.
        force = creature->getType(1) != nullptr ? 8 : 15;
        for (int t = 0; t < 2; ++t) {
            ZelkinType* type = creature->getType(t);
            if (type == nullptr) continue;
            for (int i = 0; i < type->getAnimationCount(); ++i)
                gatherFrom(type->getAnimation(i));
        }
    }
}

void AnimationHandler::step() {
    if (running == 0) return;
    if (frame == 0) prepare();

    switch (kind) {
    case KIND_MOVE:
        if (frame == 0 && creature != nullptr && moveSource != nullptr) {
            int category = moveSource->getCategory();
            playOnTarget(category == 1 ? PHYSIC_CHARGE : category == 2 ? SPECIAL_STRIKE : ROAR);
        }
        break;
    case KIND_HIT:
        if (creature != nullptr && hitRecord != nullptr) {
            if (frame == 0) {
                float p = hitRecord->getVariable("percent_damage");
                if (creature->getHp() == 0)
                    playOnTarget(p < 15.0f ? TREMBLE_KO : p < 50.0f ? DAMAGE_KO : HEAVY_KO);
                else
                    playOnTarget(p < 15.0f ? LIGHT_DAMAGE : p < 50.0f ? DAMAGE : HEAVY_DAMAGE);
            }
            ZelkinZelkinary* species = creature->getSpecies();
            Animation* blood = species != nullptr ? species->getAnimation() : nullptr;
            if (blood != nullptr && blood->getParticleDesc() != nullptr) emitParticles(blood, bloodForce);
        }
        break;
    case KIND_BALL_LAUNCH:
        if (frame == 0) {
            if (ParticleDesc* ball = lookupParticleDesc("MAIN_zelkball_launch")) {
                bool right = facing == 1;
                Particle* particle = new Particle(ball, right ? 630.f : 230.f, 238.f, 0.f, facing);
                particle->setSpeed(right ? -2.f : 2.f, 0.f, 3.f);
                particle->setLayer(BALL_LAYER);
                launch(particle);
            }
        }
        if (frame == BALL_SHOW_FRAME && target != nullptr) {
            target->setShown(true);
            // A creature that comes out fresh greets the crowd.
            if (creature != nullptr && creature->getStatus() == nullptr &&
                creature->getHp() == creature->getMaxHp())
                target->playAnimation(ROAR);
        }
        break;
    case KIND_BALL_WITHDRAW:
        if (frame == 0 && target != nullptr) {
            if (ParticleDesc* ball = lookupParticleDesc("MAIN_zelkball_dissapear")) {
                Particle* particle = new Particle(ball, static_cast<float>(target->getX()),
                                                  static_cast<float>(target->getScreenY() - 20), 0.f, facing);
                particle->setLayer(BALL_LAYER);
                launch(particle);
            }
        }
        if (frame == 1 && target != nullptr) target->setShown(false);
        break;
    case KIND_TYPE_A:
    case KIND_TYPE_B:
        if (frame == 0) playOnTarget(ROAR);
        break;
    default:
        break;
    }

    for (Animation* record : records)
        emitParticles(record, force);

    ++frame;
    if (frame > length) running = 0;
}

void AnimationHandler::emitParticles(Animation* record, int strength) {
    if (record == nullptr) return;
    ParticleDesc* description = record->getParticleDesc();
    if (description == nullptr) return;

    int64_t wanted = static_cast<int64_t>(record->getForce()) * strength / 10;
    int count = static_cast<int>(std::min<int64_t>(std::max<int64_t>(wanted, 0), MAX_PARTICLE_COUNT));
    int interval = count > 0 ? std::max(50 / count, 3) : 50;

    float x = CENTRE_X;
    float y = CENTRE_Y;
    float height = 0.f;
    float raisedHeight = 0.f;
    int spreadW = 0;
    int spreadH = 0;
    if (target != nullptr) {
        sf::Sprite* sprite = target->getSprite();
        ZelkinZelkinaryConfig* config = target->getSheetConfig();
        double scaleX = sprite != nullptr ? sprite->getScale().x : 1.0;
        double scaleY = sprite != nullptr ? sprite->getScale().y : 1.0;
        double cellHeight = config != nullptr ? config->getCellHeight() : 0.0;
        x = static_cast<float>(target->getX());
        y = static_cast<float>(target->getY());
        height = static_cast<float>(saturatingInt(target->getHeight() + scaleY * cellHeight * 0.5));
        raisedHeight = static_cast<float>(saturatingInt(target->getHeight() + scaleY * cellHeight / 3));
        if (sprite != nullptr) {
            spreadW = saturatingInt(sprite->getTextureRect().width * scaleX * 4 / 5);
            spreadH = saturatingInt(sprite->getTextureRect().height * scaleY * 4 / 5);
        }
    } else {
        raisedHeight = height;
    }

    PseudoRNG rng;
    switch (record->getMode()) {
    case 0:
        if (frame == 0) {
            Particle* particle = new Particle(description, x, y, raisedHeight, facing);
            particle->setLayer(PARTICLE_LAYER);
            launch(particle);
        }
        break;
    case 1:
        if (frame % (2 * interval) == interval - 1) {
            Particle* particle = new Particle(description, x, y, height, facing);
            particle->setLayer(PARTICLE_LAYER);
            launch(particle);
        }
        break;
    case 2:
        if (frame % interval == interval - 1) {
            float px = x + rng.random(spreadW) - spreadW / 2;
            float ph = height + rng.random(spreadH) - spreadH / 2;
            Particle* particle = new Particle(description, px, y, ph, facing);
            randomiseSpeed(particle, rng);
            launch(particle);
        }
        break;
    case 3:
        if (frame == 0) {
            for (int i = 0; i < 2 * count; ++i) {
                Particle* particle = new Particle(description, x, y, height, facing);
                randomiseSpeed(particle, rng);
                launch(particle);
            }
        }
        break;
    default:
        break;
    }
}

BattleAnimation* newAnimationHandler(int kind, int facing, BattleFigure* figure) {
    return new AnimationHandler(kind, facing, dynamic_cast<Model*>(figure));
}
