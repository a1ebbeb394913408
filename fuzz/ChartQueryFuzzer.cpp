// Feeds arbitrary request queries to the stand-in chart service's parser. Every outcome must
// be a query within the service's limits or its 400 error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ChartError.h"
#include "ChartQuery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    try {
        const ChartQuery chart = ChartQuery::Parse(query);
        if (chart.width < 1 || chart.height < 1 || chart.data.size() > size) __builtin_trap();
    } catch (const EChartError&) {
    }
    return 0;
}
