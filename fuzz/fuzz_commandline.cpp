// The command line, arbitrary: split into arguments and interpreted, each argument naming a
// regular file, nothing or something else by turns, so the result depends on the input alone.
#include <algorithm>
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
    // -v validates with no file left only when a script asks for it (--format, --no-report).
    if (r.mode == ProgramMode::Validate && r.commandFiles.empty())
        check(std::any_of(args.begin(), args.end(), [](const std::string& arg) {
            return arg == "--no-report" || arg.starts_with("--format");
        }));
    if (r.mode != ProgramMode::Compare) check(r.operands.empty());
    check(r.commandFiles.size() + r.skipped.size() <= args.size());
    return 0;
}
