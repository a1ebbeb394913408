#include "app/RegistryAccess.h"

#include <memory>

#include "platform/base/Registry.h"

namespace {

std::string ReadInstalledValue(const std::string& product, const char* valueName) {
    try {
        auto registry = std::make_unique<TRegistry>(RegistryRoot::LocalMachine);
        if (!registry->OpenKeyReadOnly("\\Software\\Orvanti\\" + product)) return {};
        std::string value = registry->ReadString(valueName).value_or(std::string());
        registry->CloseKey();
        return value;
    } catch (...) {
        return {};
    }
}

}  // namespace

std::string ReadInstalledVersion(const std::string& product) {
    return ReadInstalledValue(product, "Version");
}

std::string ReadInstalledWebsite(const std::string& product) {
    return ReadInstalledValue(product, "Website");
}
