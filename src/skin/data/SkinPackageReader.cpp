// Reading skin packages. A package has no compressed-size field: an entry ends where its zlib
// stream ends, so the inflater tells where the next entry starts.
#include <zlib.h>

#include <cstring>

#include "core/Text.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPackage.h"

namespace {

using skin::kMaxEntryBytes;

[[noreturn]] void Damaged(const std::string& why) {
    throw ESkinError("Damaged skin package: " + why);
}

// Field-by-field reader over the package bytes; every read is bounds-checked.
class TPackageCursor {
public:
    explicit TPackageCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::int32_t ReadInt32(const char* what) {
        if (bytes_.size() - position_ < 4) Damaged(std::string("truncated ") + what);
        const std::uint8_t* p = bytes_.data() + position_;
        position_ += 4;
        return static_cast<std::int32_t>(p[0] | (std::uint32_t{p[1]} << 8) |
                                         (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24));
    }
    std::span<const std::uint8_t> ReadBytes(std::size_t count, const char* what) {
        if (bytes_.size() - position_ < count) Damaged(std::string("truncated ") + what);
        const auto result = bytes_.subspan(position_, count);
        position_ += count;
        return result;
    }
    std::span<const std::uint8_t> Rest() const { return bytes_.subspan(position_); }
    void Skip(std::size_t count) { position_ += count; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

std::string ReadEntryName(TPackageCursor& cursor) {
    const std::int32_t length = cursor.ReadInt32("name length");
    if (length < 1 || length > skin::kMaxEntryNameLength)
        Damaged(Format("entry name length %d outside 1..%d", length, skin::kMaxEntryNameLength));
    const auto bytes = cursor.ReadBytes(static_cast<std::size_t>(length), "entry name");
    std::string name(bytes.begin(), bytes.end());
    for (const unsigned char c : name) {
        if (c < 32 || c == 127) Damaged("entry name holds a control character");
    }
    return name;
}

// Inflates one zlib stream of exactly size bytes from the cursor and moves the cursor past the
// stream. Output grows as it arrives, so a false size never allocates by itself.
std::vector<std::uint8_t> InflateEntry(TPackageCursor& cursor, std::size_t size,
                                       const std::string& name) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) Damaged("cannot start the inflater");
    std::vector<std::uint8_t> out;
    const auto input = cursor.Rest();
    z.next_in = const_cast<Bytef*>(input.data());
    z.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), 0x7FFFFFFF));
    std::uint8_t chunk[16384];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        z.next_out = chunk;
        z.avail_out = sizeof chunk;
        status = inflate(&z, Z_NO_FLUSH);
        const std::size_t produced = sizeof chunk - z.avail_out;
        if (produced > size - out.size()) {
            inflateEnd(&z);
            Damaged("entry \"" + name + "\" inflates to more than its size");
        }
        out.insert(out.end(), chunk, chunk + produced);
        if (status != Z_OK && status != Z_STREAM_END) {
            const std::string why =
                status == Z_BUF_ERROR ? "truncated" : (z.msg != nullptr ? z.msg : "corrupt");
            inflateEnd(&z);
            Damaged("entry \"" + name + "\": zlib stream " + why);
        }
    }
    const std::size_t consumed = input.size() - z.avail_in;
    inflateEnd(&z);
    if (out.size() != size) Damaged("entry \"" + name + "\" inflates to fewer bytes than its size");
    cursor.Skip(consumed);
    return out;
}

void ReadEntries(TPackageCursor& cursor, std::int32_t count, TacSkinConvertor& converter) {
    std::size_t total = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string name = ReadEntryName(cursor);
        const std::int32_t size = cursor.ReadInt32("entry size");
        const bool isOptions = SameText(name, skin::kOptionsFileName);
        const std::int32_t cap = isOptions ? skin::kMaxOptionsBytes : kMaxEntryBytes;
        if (size < 0 || size > cap)
            Damaged(Format("entry \"%s\" size %d outside 0..%d", name.c_str(), size, cap));
        total += static_cast<std::size_t>(size);
        if (total > skin::kMaxTotalInflatedBytes)
            Damaged("entries inflate to more than 128 MiB together");
        auto data = std::make_unique<TMemoryStream>(
            InflateEntry(cursor, static_cast<std::size_t>(size), name));
        if (isOptions) {
            converter.Options = std::move(data);
            continue;
        }
        const std::size_t dot = name.rfind('.');
        const bool isBitmap =
            dot != std::string::npos && SameText(std::string_view(name).substr(dot), ".BMP");
        converter.Images.push_back(TacImageItem{name, isBitmap, std::move(data)});
    }
}

std::vector<std::uint8_t> ReadAll(TStream& stream) {
    stream.SetPosition(0);
    const std::int64_t size = stream.Size();
    if (size < 0 || static_cast<std::uint64_t>(size) > skin::kMaxPackageFileBytes)
        Damaged("larger than 64 MiB");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    bytes.resize(stream.Read(bytes.data(), bytes.size()));
    return bytes;
}

}  // namespace

void ReadPackage(TStream& stream, TacSkinConvertor& converter) {
    std::unique_ptr<TMemoryStream> source = std::move(converter.Source);
    converter.Clear();
    converter.Source = std::move(source);
    try {
        const std::vector<std::uint8_t> bytes = ReadAll(stream);
        if (bytes.size() < 4 || std::memcmp(bytes.data(), skin::kPackageMagic, 4) != 0)
            throw ESkinError(skin::kBadMagicMessage);
        TPackageCursor cursor(std::span<const std::uint8_t>(bytes).subspan(4));
        const std::int32_t count = cursor.ReadInt32("entry count");
        if (count < 1 || count > skin::kMaxPackageEntries)
            Damaged(Format("entry count %d outside 1..%d", count, skin::kMaxPackageEntries));
        ReadEntries(cursor, count, converter);
        if (!converter.Options) Damaged("no Options.dat");
        converter.ImageCount = count - 1;
    } catch (...) {
        converter.Clear();
        throw;
    }
}
