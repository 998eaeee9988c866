// The exit status of the program's console modes, for scripts: the same three values for the
// help, the version, a refused command line, validation and comparison. They are ordered: when
// several apply, the run ends with the greatest (std::max).
#pragma once

namespace tavmir {

enum class ConsoleExit {
    Clean = 0,     // -v: every report shows no errors and no warnings; --compare: every file
                   // equals the origin; --help and --version printed
    Findings = 1,  // -v: some file had errors or warnings (an empty or unknown-form file too);
                   // --compare: some file differs from the origin or cannot be compared
    Failure = 2,   // a named file could not be read, does not exist or is no regular file; a
                   // report or standard output could not be written; the run or the command
                   // line was refused
};

// The status main returns.
constexpr int exitCode(ConsoleExit status) { return static_cast<int>(status); }

}  // namespace tavmir
