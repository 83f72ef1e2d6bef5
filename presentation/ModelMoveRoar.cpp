// Figure move: the roar: a turn, a shake, a hop or a float, by personality.
#include "presentation/ModelMoveRoar.hpp"

#include <algorithm>

void ModelMoveRoar::setupPhases() {
    switch (personality) {
    case 2:
    case 3:
    case 4:
        phases[0] = 8;
        phases[1] = 16;
        phases[5] = 0;
        phases[10] = 15;
        break;
    case 1:
        phases[0] = 11;
        phases[1] = 16;
        phases[5] = -360;
        break;
    case 5:
        phases[0] = 12;
        phases[1] = 20;
        phases[5] = 0;
        phases[15] = (200 - size) / 8 + 10;
        break;
    case 7:
        phases[0] = 12;
        phases[1] = 20;
        phases[5] = -360;
        phases[15] = (200 - size) / 6 + 15;
        break;
    case 8:
        phases[0] = 8;
        phases[1] = 28;
        phases[2] = 36;
        phases[5] = 45;
        phases[15] = (200 - size) / 6 + 20;
        break;
    case 9:
        phases[0] = 4;
        phases[1] = 14;
        phases[2] = 18;
        phases[3] = 30;
        phases[4] = 34;
        phases[5] = 0;
        phases[10] = -16 - (200 - size) / 6;
        break;
    case 10:
        phases[0] = 10;
        phases[1] = 16;
        phases[2] = 22;
        phases[3] = 32;
        phases[5] = 0;
        phases[15] = (200 - size) / 10 + 30;
        phases[16] = 12;
        phases[17] = (200 - size) / 10 + 18;
        break;
    case 11:
        phases[0] = 4;
        phases[1] = 12;
        phases[2] = 16;
        phases[3] = 28;
        phases[5] = 30;
        break;
    case 12:
        phases[0] = 12;
        phases[1] = 24;
        phases[5] = 30;
        break;
    default:
        phases[0] = 11;
        phases[1] = 16;
        phases[5] = 0;
        break;
    }
    applyFacing();
}

void ModelMoveRoar::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    int e10 = phases[10];
    int e15 = phases[15];
    int e16 = phases[16];
    int e17 = phases[17];
    auto stop = [this]() { running = 0; };
    auto turn = [this](int degrees) { turnBy(degrees, pivotX, pivotY - height); };

    switch (personality) {
    case 1:
        if (f > m(1)) return stop();
        turnBy(over(a * f, m(1)), pivotX, pivotY);
        return;
    case 2:
    case 3:
    case 4:
        if (f > m(2)) return stop();
        xOffset = sinTimes(f * 45, e10 * d);
        if (f > m(1)) xOffset /= 2;
        return;
    case 5:
    case 7:
        if (f > m(2)) return stop();
        xOffset = 0;
        height = 0;
        if (f < m(1)) {
            height = sinTimes(over(f * 180, m(1)), e15);
            if (personality == 7) turn(over(a * f, m(1)));
        } else if (f < m(2)) {
            if (odd(f)) xOffset = d * 5;
        }
        return;
    case 8:
        if (f > m(3)) return stop();
        xOffset = 0;
        height = 0;
        transform = sf::Transform::Identity;
        if (f < m(1)) {
            height = over(e15 * f, m(1));
            turn(over(a * f, m(1)));
        } else if (f < m(2)) {
            height = e15;
            turn(a);
            if (odd(f)) xOffset = d * 5;
        } else if (f < m(3)) {
            height = over((m(3) - f) * e15, m(3) - m(2));
            turn(over((m(3) - f) * a, m(3) - m(2)));
        }
        return;
    case 9: {
        if (f > m(5)) return stop();
        xOffset = 0;
        height = 0;
        int alpha = 255;
        if (f < m(1)) {
            alpha = (m(1) - f) * 127 / 5 + 128;
        } else if (f < m(2)) {
            alpha = 128;
        } else if (f < m(3)) {
            xOffset = over((f - m(2)) * e10 * d, m(3) - m(2));
            alpha = (f - m(3)) * 127 / 5 + 255;
        } else if (f < m(4)) {
            xOffset = e10 * d + (odd(f) ? d * 5 : 0);
        } else if (f < m(5)) {
            xOffset = over((m(5) - f) * e10 * d, m(5) - m(4));
        }
        setAlpha(alpha);
        return;
    }
    case 10:
        if (f > m(4)) return stop();
        xOffset = 0;
        height = 0;
        if (f < m(1))
            height = over(e15 * f, m(1));
        else if (f < m(2))
            height = over((m(2) - f) * e16, m(2) - m(1)) + e17;
        else if (f < m(3))
            height = over((f - m(2)) * e16, m(3) - m(2)) + e17;
        else if (f < m(4))
            height = over((m(4) - f) * e15, m(4) - m(3));
        return;
    case 11:
        if (f > m(4)) return stop();
        xOffset = 0;
        height = 0;
        transform = sf::Transform::Identity;
        if (f < m(1)) {
            height = over(e15 * f, m(1));
            turn(over(a * f, m(1)));
        } else if (f < m(2)) {
            turn(a);
        } else if (f < m(3)) {
            height = over((m(3) - f) * e15, m(3) - m(2));
            turn(over((m(3) - f) * a, m(3) - m(2)));
        } else if (f < m(4)) {
            if (odd(f)) xOffset = d * 5;
        }
        return;
    case 12:
        if (f > m(2)) return stop();
        xOffset = 0;
        height = 0;
        transform = sf::Transform::Identity;
        if (f < m(1)) {
            turnBy(over(a * f, m(1)), pivotX, pivotY);
        } else if (f < m(2)) {
            height = over((m(2) - f) * e15, m(2) - m(1));
            turnBy(over((m(2) - f) * a, m(2) - m(1)), pivotX, pivotY);
        }
        return;
    default:
        break;
    }

    // Two hops, the second half as high; each starts when the figure is back on the ground.
    if (height == 0) {
        int was = phaseState;
        phaseState -= 1;
        if (was == 0) return stop();
        hopSpeed = size <= 100 ? (100 - size) / 20 + 7 : (200 - size) / 20 + 1;
        hopSpeed = std::min(hopSpeed, 8);
        if (phaseState < 1) hopSpeed /= 2;
        if (personality == 6) hopSpeed = hopSpeed * 2 / 3;
    }
    height = std::max(height + hopSpeed, 0);
    if (hopSpeed >= -11 && !(personality == 6 && odd(f))) hopSpeed -= 1;
}
