#include "app/Browser.h"

#include <optional>
#include <string>

#include "output/BrowserStart.h"
#include "platform/Registry.h"
#include "platform/ShellExecute.h"

namespace halvena {

bool OpenInBrowser(std::string_view address) {
  // The registry view answers an empty value for a key that does not exist.
  const auto readKey = [](std::string_view keyPath) -> std::optional<std::string> {
    std::string value = ReadRegistryString(TRegistryRoot::HKEY_CLASSES_ROOT, keyPath, {});
    if (value.empty()) return std::nullopt;
    return value;
  };
  const auto start = [](const std::string& executable, const std::string& parameters) {
    return ShellExecute(executable, parameters, {});
  };
  return OpenInBrowser(address, readKey, start);
}

}  // namespace halvena
