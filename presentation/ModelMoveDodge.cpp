// Figure move: the side step (or burrow, fade, blink, flight) of a missed target.
#include "presentation/ModelMoveDodge.hpp"

void ModelMoveDodge::setupPhases() {
    auto marks = [this](int m1, int m2, int m3) {
        phases[0] = m1;
        phases[1] = m2;
        phases[2] = m3;
    };
    switch (personality) {
    case 1:
    case 7:
        marks(8, 18, 26);
        phases[5] = 360;
        break;
    case 2:
    case 9:
        marks(5, 25, 30);
        phases[5] = 0;
        break;
    case 6:
        marks(14, 16, 30);
        phases[5] = 0;
        break;
    case 8:
        marks(8, 18, 26);
        phases[5] = -45;
        break;
    case 10:
        marks(8, 18, 26);
        phases[5] = 0;
        break;
    case 11:
        marks(6, 20, 26);
        phases[5] = -30;
        break;
    case 12:
        marks(15, 15, 30);
        phases[5] = 45;
        break;
    default:
        marks(6, 20, 26);
        phases[5] = 0;
        break;
    }
    // How high the step lifts; large creatures keep what the previous set-up gave.
    if (personality == 1 || personality == 7)
        phases[15] = 40;
    else if (personality == 8)
        phases[15] = (200 - size) / 6 + 20;
    else if (size < 125)
        phases[15] = lift(40);
    applyFacing();
}

void ModelMoveDodge::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    int e = phases[15];
    int s = odd(randomValue) ? 1 : -1;
    int p = personality;
    auto turnAtPoint = [this](int degrees) { turnBy(degrees, pivotX + xOffset, pivotY - height + yOffset); };

    if (p == 2) {
        // A mole ducks into the ground and comes back up.
        double q;
        if (f < m(1))
            q = (m(1) == 0 ? 0.0 : (m(1) - f) * 18.0 / m(1)) + 6.0;
        else if (f < m(2))
            q = 6.0;
        else
            q = (m(3) - m(2) == 0 ? 0.0 : (f - m(2)) * 18.0 / (m(3) - m(2))) + 6.0;
        transform = sf::Transform::Identity;
        transform.scale(1.f, static_cast<float>(q / 24.0), static_cast<float>(pivotX + xOffset),
                        static_cast<float>(baseY - height));
    } else if (p == 9) {
        // A ghost fades where it stands.
        int alpha;
        if (f < m(1)) {
            alpha = 128 + (m(1) - f) * 127 / 5;
        } else if (f < m(2)) {
            alpha = 128;
            height = odd(f / 4) ? 0 : 6;
        } else {
            alpha = 255 + (f - m(3)) * 127 / 5;
        }
        setAlpha(alpha);
    } else if (p == 10) {
        // A psychic creature blinks aside.
        bool blinking = f < m(1) || (f >= m(2) && f < m(3));
        setAlpha(blinking && odd(f) ? 0 : 255);
        if (f > 2 && f < m(3) - 2) {
            xOffset = m(1) * d * 3;
            yOffset = m(1) * d * s * 6;
        } else {
            xOffset = 0;
            yOffset = 0;
        }
    } else if (p == 8) {
        // A bird flies up and aside.
        if (f < m(1)) {
            xOffset = d * f * 4;
            yOffset = s * d * f * 6;
            height = over(e * f, m(1));
            turnAtPoint(over(a * f, m(1)));
        } else if (f < m(2)) {
            xOffset = m(1) * d * 4;
            yOffset = m(1) * d * s * 6;
            height = e;
            if (a != 0) turnAtPoint(a);
        } else {
            int k = m(3) - f;
            xOffset = k * d * 4;
            yOffset = k * d * s * 6;
            height = over(k * e, m(3) - m(2));
            if (a != 0) turnAtPoint(over(k * a, m(3) - m(2)));
        }
    } else {
        bool hops = e > 0 && p != 1 && p != 3 && p != 4;
        if (f < m(1)) {
            xOffset = f * d * 4;
            yOffset = s * f * d * 6;
            if (hops) height = sinTimes(over(f * 180, m(1)), e);
            if (p == 12 || p == 6) {
                xOffset = over(f * 24, m(1)) * d;
                yOffset = over(f * 36, m(1)) * d * s;
                if (p == 12) height = 0;
            } else if (p == 11) {
                xOffset = over(f * 12, m(1)) * d;
                yOffset = 0;
                height = 0;
            }
            if (a != 0) turnAtPoint(over(a * f, m(1)));
        } else if (f < m(2)) {
            height = 0;
            xOffset = m(1) * d * 4;
            yOffset = m(1) * d * s * 6;
            if (a != 0) transform = sf::Transform::Identity;
            if (p == 12) {
                xOffset = 24 * d;
                yOffset = 36 * d * s;
                turnBy(a, pivotX + 24 * d, pivotY + 36 * d * s);
            } else if (p == 6) {
                xOffset = 24 * d;
                yOffset = 36 * d * s;
            } else if (p == 11) {
                xOffset = 12 * d;
                yOffset = 0;
                turnBy(a, pivotX + 12 * d, pivotY);
            }
        } else {
            int k = m(3) - f;
            int n = m(3) - m(2);
            xOffset = k * d * 4;
            yOffset = k * d * s * 6;
            if (hops) height = sinTimes(over(k * 180, n), e);
            if (p == 12 || p == 6) {
                xOffset = over(k * d * 24, n);
                yOffset = over(k * d * s * 36, n);
                if (p == 12) height = 0;
            } else if (p == 11) {
                xOffset = over(k * d * 12, n);
                yOffset = 0;
                height = 0;
            }
            if (a != 0) turnAtPoint(over(k * a, n));
        }
    }
    if (f >= m(3)) {
        xOffset = 0;
        yOffset = 0;
        height = 0;
        running = 0;
    }
}
