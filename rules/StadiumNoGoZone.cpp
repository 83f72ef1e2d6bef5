// A rectangle of empty seats in a stadium's stands.
#include "rules/StadiumNoGoZone.hpp"

StadiumNoGoZone::StadiumNoGoZone() = default;

StadiumNoGoZone::StadiumNoGoZone(int x1, int y1, int x2, int y2) : x1(x1), y1(y1), x2(x2), y2(y2) {}

StadiumNoGoZone::~StadiumNoGoZone() = default;

int StadiumNoGoZone::getX1() const { return x1; }

int StadiumNoGoZone::getY1() const { return y1; }

int StadiumNoGoZone::getX2() const { return x2; }

int StadiumNoGoZone::getY2() const { return y2; }

bool StadiumNoGoZone::contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
