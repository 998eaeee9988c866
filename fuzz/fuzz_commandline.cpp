// The command line, arbitrary: split into arguments and interpreted, each argument naming a
// regular file, nothing or something else by turns, so the result depends on the input alone.
#include <span>
#include <string>

#include "FuzzSupport.h"
#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto args = splitCommandLine("tavmir", line);
    check(!args.empty() && args.front() == "tavmir" && args.size() <= size + 1);

    unsigned index = 0;
    const auto kindOf = [&index](const std::string&) { return static_cast<PathKind>(index++ % 3); };
    const CommandLineRequest r =
        interpretArguments(std::span<const std::string>(args).subspan(1), kindOf);
    check((r.mode == ProgramMode::Refused) == !r.error.empty());
    if (r.mode == ProgramMode::Validate) check(!r.commandFiles.empty());
    if (r.mode != ProgramMode::Compare) check(r.operands.empty());
    check(r.commandFiles.size() + r.skipped.size() <= args.size());
    return 0;
}
