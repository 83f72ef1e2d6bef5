// Figure move: the wind-up, dash and return of a contact attack.
#include "presentation/ModelMovePhysicCharge.hpp"

namespace {
void setMarks(int* phases, int m1, int m2, int m3, int m4, int m5) {
    phases[0] = m1;
    phases[1] = m2;
    phases[2] = m3;
    phases[3] = m4;
    phases[4] = m5;
}
} // namespace

void ModelMovePhysicCharge::setupPhases() {
    // The amplitude is given per facing here, not turned over.
    bool left = facing == 0;
    switch (personality) {
    case 6:
        setMarks(phases, 16, 39, 60, 70, 86);
        phases[5] = left ? 2880 : -2880;
        break;
    case 10:
        setMarks(phases, 10, 48, 60, 72, 80);
        phases[5] = left ? 2880 : -2880;
        break;
    case 12:
        setMarks(phases, 46, 56, 60, 72, 90);
        phases[5] = left ? 30 : -30;
        break;
    case 8:
        setMarks(phases, 14, 49, 60, 70, 80);
        phases[5] = left ? 45 : -45;
        phases[15] = (200 - size) / 6 + 30;
        break;
    case 7:
        setMarks(phases, 10, 49, 60, 70, 80);
        phases[5] = left ? 360 : -360;
        break;
    default:
        setMarks(phases, 10, 49, 60, 70, 80);
        phases[5] = left ? 2880 : -2880;
        break;
    }
    applyFacing(false);
}

void ModelMovePhysicCharge::step() {
    if (!running) return;
    int f = frame;
    int d = direction;
    int a = amplitude();
    int e = phases[15];
    int p = personality;
    yOffset = 0;
    int windUp = p == 8 ? 70 : p == 12 ? 150 : (8000 - 40 * size) / 150 + 20;
    bool lifts = size < 125 && p != 2 && p != 3 && p != 4;
    auto turn = [this](int degrees) { turnBy(degrees, pivotX + xOffset, pivotY - height); };

    if (p == 12) {
        // A lazy creature walks in slowly, wobbling, before it dashes.
        if (f < m(1)) {
            xOffset = -over(f * windUp, m(1)) * d;
            if (f < 15)
                turn(f * a / 15);
            else if (f < 30)
                turn((30 - f) * a / 15);
            else
                turn(-((f - 30) * a / 15));
        } else if (f < m(2)) {
            xOffset = -windUp * d;
            turn(-a);
        } else if (f < m(3)) {
            xOffset = -(over((170 - windUp) * (f - m(2)), m(3) - m(2)) + windUp) * d;
            turn(-over((m(3) - f) * a, m(3) - m(2)));
        } else if (f < m(4)) {
            xOffset = -170 * d;
            transform = sf::Transform::Identity;
        } else if (f < m(5)) {
            xOffset = (over((f - m(4)) * 170, m(5) - m(4)) - 170) * d;
        } else if (f == m(5)) {
            xOffset = 0;
        }
    } else if (f < m(1)) {
        xOffset = over(f * windUp, m(1)) * d;
        if (p == 1) {
            turn(over(a * f, m(3)));
        } else if (p == 8) {
            height = over(e * f, m(1));
            turn(over(a * f, m(1)));
        } else if (lifts) {
            height = sinTimes(over(f * 180, m(1)), lift(20));
        }
    } else if (f < m(2)) {
        xOffset = windUp * d;
        height = 0;
        if (p == 1) {
            turn(over(a * f, m(3)));
        } else if (p == 8) {
            if (odd(f)) xOffset += d * 5;
            height = e;
            turn(a);
        } else if (p == 5) {
            if (odd(f)) xOffset += d * 5;
        } else if (p == 9) {
            setAlpha(over((m(2) - f) * 255, m(2) - m(1)));
        }
    } else if (f < m(3)) {
        if (p == 10) {
            // A psychic creature blinks across instead of running.
            setAlpha(f < m(3) - 6 ? (odd(f) ? 0 : 255) : 255);
            if (f > m(2) + 2) {
                if (randomValue < 6)
                    xOffset = (m(3) - f < 4 ? (m(3) - f) * 5 - 170 : -150) * d;
                else
                    xOffset = (m(3) - f < 4 ? (f - m(3)) * 5 - 250 : -270) * d;
            }
        } else {
            xOffset = (windUp - over((f - m(2)) * (windUp + 170), m(3) - m(2))) * d;
            if (p == 8) {
                height = over((m(3) - f) * e, m(3) - m(2));
                turn(over((m(3) - f) * a, m(3) - m(2)));
            } else if (lifts) {
                height = sinTimes(over((m(3) - f) * 180, m(3) - m(2)), lift(40));
            }
            if (p == 3 || p == 4) {
                yOffset = sinTimes(over((m(3) - f) * 360, m(3) - m(2)), 30);
                if (odd(randomValue)) yOffset = -yOffset;
            }
            if (p == 1) turn(over(a * f, m(3)));
            if (p == 7) turn(over((f - m(2)) * a, m(3) - m(2)));
            if (p == 9) setAlpha(f - m(2) <= 4 ? 0 : over((f - m(2) - 4) * 255, m(3) - m(2) - 4));
        }
    } else if (f < m(4)) {
        transform = sf::Transform::Identity;
        height = 0;
        xOffset = (p == 10 && randomValue >= 6 ? -250 : -170) * d;
        if (p == 9) setAlpha(255);
    } else if (f < m(5)) {
        if (p == 10) {
            if (f > m(4) + 2) xOffset = 0;
            setAlpha(odd(f) ? 255 : 0);
        } else {
            height = 0;
            xOffset = (over((f - m(4)) * 170, m(5) - m(4)) - 170) * d;
            if (lifts) height = sinTimes(over((f - m(4)) * 180, m(5) - m(4)), lift(20));
            if (p == 3 || p == 4) {
                yOffset = sinTimes(over((m(5) - f) * 180, m(5) - m(4)), 45);
                if (!odd(randomValue)) yOffset = -yOffset;
            }
        }
    } else if (f == m(5)) {
        xOffset = 0;
        height = 0;
    }
    f = nextFrame();
    if (f > m(5)) running = 0;
}
