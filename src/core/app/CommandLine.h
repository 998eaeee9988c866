// The program's command line: splitting the raw command-line text into arguments (blanks
// separate arguments, double quotes group blanks into one argument and are not kept), and
// deciding from the arguments whether the program runs in validation mode ("-v" in any case
// together with at least one existing file) and which files it validates.
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

struct CommandLineRequest {
    bool consoleMode = false;               // validate the files without opening the main window
    std::vector<std::string> commandFiles;  // arguments naming existing files, in order
};

// Says whether a path names an existing file.
using FileExistsCheck = std::function<bool(const std::string& path)>;

// Interprets the arguments after the program path; "-v" anywhere counts only when at least one
// argument names an existing file. Other arguments are ignored.
CommandLineRequest interpretArguments(std::span<const std::string> arguments,
                                      const FileExistsCheck& fileExists);

// True when path names an existing regular file (following links); never throws.
bool isExistingFile(const std::string& path);

}  // namespace tavmir
