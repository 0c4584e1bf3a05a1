#include "coupon_model.h"

// The result table keeps two column slots whatever the coupon's width.
static constexpr int ResultColumns = 1;

void ResetCouponTables(CouponTables& tables, int columnCount) {
    tables.columnCount = columnCount;
    tables.cellTable = CouponTable<CouponCell>(columnCount);
    tables.markTable = CouponTable<std::int32_t>(columnCount);
    tables.resultMarks = CouponTable<std::int32_t>(ResultColumns);
    tables.bet.clear();
    tables.firstColumn = 0;
}
