// Feeds arbitrary bytes to the command-line split and its interpretation. The split never
// makes more arguments than there are characters, and keeps entry 0 as given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto args = tavmir::splitCommandLine("tavmir", line);
    if (args.empty() || args.front() != "tavmir") std::abort();
    if (args.size() > size + 1) std::abort();

    // Every other argument "exists", so the result depends on the input alone.
    std::size_t index = 0;
    const auto request =
        tavmir::interpretArguments(std::span<const std::string>(args).subspan(1),
                                   [&index](const std::string&) { return (index++ % 2) == 0; });
    if (request.consoleMode && request.commandFiles.empty()) std::abort();
    return 0;
}
