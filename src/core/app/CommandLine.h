// The program's command line: splitting the raw command-line text into arguments (blanks
// separate arguments, double quotes group blanks into one argument and are not kept), and
// deciding from the arguments which mode runs (editor, validation with "-v" in any case together
// with at least one existing file, comparison, help, version) and on which files.
//
// On systems whose entry point receives the arguments already split, only interpretArguments
// is needed; splitCommandLine keeps the program's own splitting rule for hosts that hand over
// one command-line text.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

// True for the characters that separate arguments: space and horizontal tab.
bool isBlank(char c);

// The argument list of a command line: entry 0 is programPath, entries 1.. the arguments in
// order. An empty command line gives programPath alone.
std::vector<std::string> splitCommandLine(std::string_view programPath,
                                          std::string_view commandLine);

// What a path on the command line names, seen without opening it: opening a FIFO for reading
// would wait for a writer, and a device or a folder is never a settings file.
enum class PathKind {
    RegularFile,  // a settings file candidate (links followed)
    Missing,      // nothing of that name, or it cannot be looked at
    NotRegular,   // a folder, FIFO, socket or device
};

// Looks at path with stat (no open); never throws.
PathKind pathKind(const std::string& path);

inline constexpr std::string_view kCompareOption = "--compare";

// How validation and comparison write their results on standard output ("--format=").
enum class OutputFormat {
    Report,  // the summary lines (-v) or the comparison report (--compare)
    Gnu,     // -v only: one "FILE:LINE: error: TEXT" line per finding, nothing else
    Json,    // one JSON document
};

// The mode the command line asks for.
enum class ProgramMode {
    Editor,    // the main window, with the named files opened into editors
    Validate,  // "-v": validate the files and write one report per file
    Compare,   // "--compare ORIGIN FILE...": compare files with an origin and print the report
    Set,       // "--set SECTION:KEY=VALUE... FILE...": write the values into the files' lines
    Fix,       // "--fix FILE...": write the fixes of what stops a save into the files' lines
    Help,      // "--help" or "-h": print the usage
    Version,   // "--version": print the program's name and version
    Refused,   // an unknown option: print `error` and end with status 2
};

struct CommandLineRequest {
    ProgramMode mode = ProgramMode::Editor;
    std::vector<std::string> commandFiles;  // Editor and Validate: regular files named, in order
    std::vector<std::string> operands;      // Compare: every non-option argument, the origin first
    std::vector<std::string> skipped;       // one line per argument that is not used, in order
    std::string error;                      // Refused: the one line to print
    OutputFormat format = OutputFormat::Report;  // Validate and Compare: "--format=FORMAT"
    bool writeReports = true;                    // Validate: false with "--no-report"
    std::vector<std::string> assignments;        // Set: each "--set" value, in order
    bool dryRun = false;                         // Set and Fix: "--dry-run" prints a diff
};

// Says what a path names (pathKind, or a stand-in in tests).
using PathKindCheck = std::function<PathKind(const std::string& path)>;

// Interprets the arguments after the program path. "-v" (any case) asks for validation, which
// runs only when at least one argument names a regular file; otherwise the main window starts.
// "--help"/"-h" and "--version" win over everything after them; an argument starting with "-"
// that is no option refuses the whole command line; after "--" every argument is a file.
// "--format=FORMAT" (or "--format FORMAT"; report, gnu or json) and "--no-report" belong to
// "-v" ("--format" also to "--compare", "--set" and "--fix", without gnu); with either of them
// "-v" is meant for a script, so it validates even when no file is left and never starts the
// main window. "--set SECTION:KEY=VALUE" (or "--set=..."; repeatable) and "--fix" are for
// scripts too, never together and with neither -v nor --compare; "--dry-run" belongs to them.
// Arguments naming nothing or something other than a regular file are skipped with a line
// "<path>: no such file" or "<path>: not a settings file". Every argument a line repeats is
// written as printableText shows it.
CommandLineRequest interpretArguments(std::span<const std::string> arguments,
                                      const PathKindCheck& kindOf);

// A message of the program for standard error, begun as Unix programs begin theirs: "tavmir: "
// and the text, its CR LF line ends as LF; no line end after it.
std::string programMessage(std::string_view text);

// The text of --help: every mode with its arguments, and the exit statuses.
std::string usageText();

// What a build without the windows (the command-line build for Windows) says when it is
// started to edit files: it does not open a window, and tells what it does instead.
std::string noWindowsMessage();

// True when path names an existing regular file (following links); never throws.
bool isExistingFile(const std::string& path);

// The line of --version: "tavmir " + the version.
std::string versionLine();

}  // namespace tavmir
