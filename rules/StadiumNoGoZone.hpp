// A rectangle of the stands' seat grid where no supporter sits (bounds included).
#pragma once

class StadiumNoGoZone {
public:
    StadiumNoGoZone();
    StadiumNoGoZone(int x1, int y1, int x2, int y2);
    virtual ~StadiumNoGoZone();

    virtual int getX1() const;
    virtual int getY1() const;
    virtual int getX2() const;
    virtual int getY2() const;

    // True when the cell lies inside the rectangle, edges included.
    bool contains(int x, int y) const;

    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};
