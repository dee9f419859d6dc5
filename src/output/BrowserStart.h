// Opening a web page in the browser registered for HTML documents, and the address of the
// online help: the registry's open command is cleaned of its document placeholder and quotes,
// split into the program and its arguments, and started with the address. The registry and the
// start are reached through two functions the caller hands in, so that tests use fakes. Plain
// functions; they run on the caller's thread.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace halvena {

// The online help page of this program version. The customer identifier, the program label
// and the version number stand lower-cased in it.
std::string HelpAddress();
// The help address on `host` (with scheme and a closing "/") for the three values, each
// lower-cased (ASCII letters).
std::string HelpAddress(std::string_view host, std::string_view customer, std::string_view label,
                        int version);

// The web sites behind the about window's two logos.
inline constexpr std::string_view kPublisherAddress = "https://www.zenta.example/";
inline constexpr std::string_view kMakerAddress = "https://www.tarnix.example/";

// The longest program path and the longest parameter string that are started.
inline constexpr std::size_t kMaxBrowserString = 1023;

struct TBrowserCommand {
  std::string Executable;
  std::string Parameters;
};

// The program and parameters that open `address` with the open command `commandLine`: the two
// characters from the first "%" on are deleted, then every double quote; the program runs up
// to and including the first ".BAT " (else ".EXE ", else ".COM ", letter case ignored) and the
// arguments follow after its space; without such an extension the whole line is the program.
// The parameters are the arguments, a space and the address, or the address alone when there
// are no arguments. None when the program or the parameters would be longer than
// kMaxBrowserString.
std::optional<TBrowserCommand> BrowserCommand(std::string_view commandLine,
                                              std::string_view address);

// The default value of a key under the classes root; none when the key does not exist.
using TClassesRootReader = std::function<std::optional<std::string>(std::string_view keyPath)>;
// Starts `executable` with `parameters` the way the shell's execute operation does; answers its
// code, above 31 when the program started.
using TProgramStarter =
    std::function<int(const std::string& executable, const std::string& parameters)>;

// Opens `address` with the program registered for ".HTML" (else ".HTM", ".SHTML", ".SHTM": the
// first key that exists names the type) under "<type>\Shell\Open\Command". True when the
// program started; false, starting nothing, when no command is registered or it is too long.
bool OpenInBrowser(std::string_view address, const TClassesRootReader& readKey,
                   const TProgramStarter& start);

}  // namespace halvena
