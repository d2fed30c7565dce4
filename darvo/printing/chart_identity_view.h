#ifndef DARVO_PRINTING_CHART_IDENTITY_VIEW_H
#define DARVO_PRINTING_CHART_IDENTITY_VIEW_H

#include "darvo/engine/chart_data_record.h"

#include <string>

namespace darvo {

// The identity of a chart window as its printouts select curves by: chart type and the
// two axis quantities.
struct ChartIdentityView {
    int ChartType = 0;
    std::string XAxisName;
    std::string YAxisName;

    bool Matches(const ChartDataRecord& record) const {
        return record.ChartType == ChartType && record.XAxisName == XAxisName &&
               record.YAxisName == YAxisName;
    }
};

}  // namespace darvo

#endif
