#include "app/CommandLine.h"

#include <filesystem>
#include <system_error>

#include "common/Text.h"

namespace tavmir {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string> splitCommandLine(std::string_view programPath,
                                          std::string_view commandLine) {
    std::vector<std::string> args{std::string(programPath)};
    if (commandLine.empty()) return args;

    args.emplace_back();
    bool betweenArguments = true;
    bool insideQuotes = false;
    for (const char c : commandLine) {
        if (isBlank(c) && betweenArguments) continue;
        if (c != '"' && !insideQuotes) {
            if (isBlank(c)) {
                args.emplace_back();
                betweenArguments = true;
            } else {
                args.back().push_back(c);
                betweenArguments = false;
            }
        } else if (insideQuotes) {
            if (c == '"') {
                args.emplace_back();
                betweenArguments = true;
                insideQuotes = false;
            } else {
                args.back().push_back(c);
                betweenArguments = false;
            }
        } else {
            // An opening quote right after text starts a new argument: -v"x.cfg" is two.
            if (!betweenArguments) args.emplace_back();
            betweenArguments = false;
            insideQuotes = true;
        }
    }
    // An unclosed quote keeps the last argument exactly as typed, blanks included.
    if (!insideQuotes) args.back() = std::string(trimSpaces(args.back()));
    if (args.back().empty()) args.pop_back();
    return args;
}

CommandLineRequest interpretArguments(std::span<const std::string> arguments,
                                      const FileExistsCheck& fileExists) {
    CommandLineRequest request;
    for (const std::string& arg : arguments) {
        if (toLowerAscii(arg) == "-v") {
            request.consoleMode = true;
        } else if (fileExists && fileExists(arg)) {
            request.commandFiles.push_back(arg);
        }
    }
    if (request.commandFiles.empty()) request.consoleMode = false;
    return request;
}

bool isExistingFile(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace tavmir
