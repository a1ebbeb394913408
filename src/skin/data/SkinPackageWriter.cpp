#include <zlib.h>

#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPackage.h"

namespace skin {

namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

}  // namespace

std::vector<std::uint8_t> WritePackage(const std::vector<TPackageEntry>& entries) {
    if (entries.empty() || entries.size() > static_cast<std::size_t>(kMaxPackageEntries))
        throw ESkinError("A skin package holds 1 to 1024 files");
    std::vector<std::uint8_t> out(kPackageMagic, kPackageMagic + 4);
    AppendInt32(out, static_cast<std::int32_t>(entries.size()));
    for (const TPackageEntry& entry : entries) {
        if (entry.Name.empty() || entry.Name.size() > static_cast<std::size_t>(kMaxEntryNameLength))
            throw ESkinError("Bad skin package entry name \"" + entry.Name + "\"");
        if (entry.Bytes.size() > static_cast<std::size_t>(kMaxEntryBytes))
            throw ESkinError("Skin package entry \"" + entry.Name + "\" is too large");
        AppendInt32(out, static_cast<std::int32_t>(entry.Name.size()));
        out.insert(out.end(), entry.Name.begin(), entry.Name.end());
        AppendInt32(out, static_cast<std::int32_t>(entry.Bytes.size()));
        uLongf packedSize = compressBound(static_cast<uLong>(entry.Bytes.size()));
        std::vector<std::uint8_t> packed(packedSize);
        if (compress2(packed.data(), &packedSize, entry.Bytes.data(),
                      static_cast<uLong>(entry.Bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
            throw ESkinError("Cannot compress \"" + entry.Name + "\"");
        out.insert(out.end(), packed.begin(),
                   packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
    }
    return out;
}

}  // namespace skin
