#ifndef DARVO_SELECTION_CHART_IDENTITY_TMP_H
#define DARVO_SELECTION_CHART_IDENTITY_TMP_H
#include "darvo/engine/chart_data_record.h"
namespace darvo {
struct ChartIdentity {
    std::int16_t ChartType = 0;
    std::string XAxis;
    std::string YAxis;
    friend bool operator==(const ChartIdentity&, const ChartIdentity&) = default;
};
inline ChartIdentity IdentityOf(const ChartDataRecord& r) {
    return {r.ChartType, r.XAxisName, r.YAxisName};
}
}  // namespace darvo
#endif
