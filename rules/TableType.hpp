// Type effectiveness: the loaded types' multipliers, plus the fixed reference chart over ids 1 to 18.
#pragma once

class ZelkinType;

class TableType {
public:
    virtual ~TableType();
    virtual float getDualMultiplier(ZelkinType* attacking, ZelkinType* first, ZelkinType* second);
    virtual float getDualChartMultiplier(int attackingId, int firstId, int secondId);
    // 1.0 when either type is missing.
    virtual float getMultiplier(ZelkinType* attacking, ZelkinType* defending);
    virtual float getChartMultiplier(int attackingId, int defendingId);
};
