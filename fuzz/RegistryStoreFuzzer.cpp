// Feeds arbitrary text to the installation store's parser. Any input must give values or
// nothing, never a crash; the value names and texts found must come from the input.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/base/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto values =
        RegistryStore::ParseKey(text, "HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora");
    if (values) {
        for (const auto& [name, value] : *values) {
            if (name.size() > size || value.data.size() > size) __builtin_trap();
        }
    }
    return 0;
}
