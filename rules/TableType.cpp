// Type effectiveness: the loaded types' multipliers, plus the fixed reference chart over ids 1 to 18.
#include "rules/TableType.hpp"

#include "rules/ZelkinType.hpp"

namespace {

const int CHART_SIZE = 18;

// One row per attacking id 1..18: the defending ids hit for 2.0, 0.5 and 0.0, each list closed by 0.
struct ChartRow {
    int strong[8];
    int weak[8];
    int immune[2];
};

const ChartRow CHART[CHART_SIZE] = {
    /* 1 */ {{0}, {8, 17, 0}, {13, 0}},
    /* 2 */ {{4, 7, 8, 0}, {2, 3, 6, 9, 11, 15, 17, 0}, {0}},
    /* 3 */ {{2, 6, 14, 17, 0}, {3, 4, 8, 15, 0}, {0}},
    /* 4 */ {{3, 7, 8, 0}, {2, 4, 15, 0}, {0}},
    /* 5 */ {{4, 9, 0}, {2, 5, 15, 0}, {7, 0}},
    /* 6 */ {{2, 12, 16, 0}, {3, 9, 10, 11, 13, 17, 18, 0}, {0}},
    /* 7 */ {{3, 5, 8, 11, 17, 0}, {2, 6, 0}, {9, 0}},
    /* 8 */ {{3, 6, 9, 14, 0}, {7, 10, 17, 0}, {0}},
    /* 9 */ {{2, 6, 10, 0}, {5, 8, 17, 0}, {0}},
    /* 10 */ {{1, 8, 14, 16, 17, 0}, {6, 9, 11, 12, 18, 0}, {13, 0}},
    /* 11 */ {{2, 18, 0}, {7, 8, 11, 13, 0}, {17, 0}},
    /* 12 */ {{10, 11, 0}, {12, 17, 0}, {16, 0}},
    /* 13 */ {{12, 13, 0}, {16, 0}, {1, 0}},
    /* 14 */ {{2, 7, 9, 15, 0}, {3, 4, 14, 17, 0}, {0}},
    /* 15 */ {{15, 0}, {17, 0}, {18, 0}},
    /* 16 */ {{12, 13, 0}, {10, 16, 18, 0}, {0}},
    /* 17 */ {{8, 14, 18, 0}, {3, 4, 5, 17, 0}, {0}},
    /* 18 */ {{10, 15, 16, 0}, {3, 11, 17, 0}, {0}},
};

bool listed(const int* ids, int count, int id) {
    for (int i = 0; i < count && ids[i] != 0; ++i)
        if (ids[i] == id) return true;
    return false;
}

} // namespace

TableType::~TableType() {}

float TableType::getDualMultiplier(ZelkinType* attacking, ZelkinType* first, ZelkinType* second) {
    return getMultiplier(attacking, first) * getMultiplier(attacking, second);
}

float TableType::getDualChartMultiplier(int attackingId, int firstId, int secondId) {
    return getChartMultiplier(attackingId, firstId) * getChartMultiplier(attackingId, secondId);
}

float TableType::getMultiplier(ZelkinType* attacking, ZelkinType* defending) {
    // A creature or move whose types failed to load simply has no matchup.
    if (attacking == nullptr || defending == nullptr) return 1.0f;
    return attacking->getMultiplierAgainst(*defending);
}

float TableType::getChartMultiplier(int attackingId, int defendingId) {
    if (attackingId < 1 || attackingId > CHART_SIZE) return 1.0f;
    if (defendingId < 1 || defendingId > CHART_SIZE) return 1.0f;
    const ChartRow& row = CHART[attackingId - 1];
    if (listed(row.strong, 8, defendingId)) return 2.0f;
    if (listed(row.weak, 8, defendingId)) return 0.5f;
    if (listed(row.immune, 2, defendingId)) return 0.0f;
    return 1.0f;
}
