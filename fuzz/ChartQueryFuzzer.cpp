// Feeds arbitrary request queries to the stand-in chart service's parser and its UTF-8 check
// of the decoded text. Every outcome must be a query within the service's limits or its 400
// error; only text with a byte of 0x80 or above may be labelled UTF-8.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ChartError.h"
#include "ChartQuery.h"
#include "Utf8Designator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    // Raw bytes reach the check's every cut-off sequence, which decoded queries rarely do.
    static_cast<void>(IsValidUtf8(query));
    try {
        const ChartQuery chart = ChartQuery::Parse(query);
        if (chart.width < 1 || chart.height < 1 || chart.data.size() > size) __builtin_trap();
        const bool ascii = std::all_of(chart.data.begin(), chart.data.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (DesignatesUtf8(chart.data, EciPolicy::Auto) && ascii) __builtin_trap();
        if (DesignatesUtf8(chart.data, EciPolicy::Never)) __builtin_trap();
    } catch (const EChartError&) {
    }
    return 0;
}
