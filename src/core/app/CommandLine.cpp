#include "app/CommandLine.h"

#include <optional>

#include "app/Version.h"
#include "common/FileRead.h"
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

namespace {

constexpr std::string_view kFormatOption = "--format";
constexpr std::string_view kSetOption = "--set";

std::optional<OutputFormat> outputFormatNamed(std::string_view name) {
    if (name == "report") return OutputFormat::Report;
    if (name == "gnu") return OutputFormat::Gnu;
    if (name == "json") return OutputFormat::Json;
    return std::nullopt;
}

CommandLineRequest only(ProgramMode mode) {
    CommandLineRequest request;
    request.mode = mode;
    return request;
}

CommandLineRequest refused(std::string error) {
    CommandLineRequest request = only(ProgramMode::Refused);
    request.error = std::move(error);
    return request;
}

}  // namespace

PathKind pathKind(const std::string& path) {
    switch (nodeKindOf(path)) {
        case NodeKind::Missing:
            return PathKind::Missing;
        case NodeKind::Regular:
            return PathKind::RegularFile;
        case NodeKind::Folder:
        case NodeKind::Fifo:
        case NodeKind::Device:
        case NodeKind::Socket:
        case NodeKind::Other:
            break;
    }
    return PathKind::NotRegular;
}

bool isExistingFile(const std::string& path) { return pathKind(path) == PathKind::RegularFile; }

CommandLineRequest interpretArguments(std::span<const std::string> arguments,
                                      const PathKindCheck& kindOf) {
    CommandLineRequest request;
    bool validate = false;
    bool compare = false;
    bool optionsEnded = false;
    bool formatGiven = false;
    bool fix = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        // A lone "-" is a file name, as elsewhere.
        if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            if (arg == kFormatOption || arg.starts_with(std::string(kFormatOption) + "=")) {
                const bool joined = arg.size() > kFormatOption.size();
                if (!joined && i + 1 == arguments.size())
                    return refused(programMessage("--format needs a value: report, gnu or json"));
                const std::string value =
                    joined ? arg.substr(kFormatOption.size() + 1) : arguments[++i];
                const std::optional<OutputFormat> format = outputFormatNamed(value);
                if (!format)
                    return refused(programMessage("unknown format '" + printableText(value) +
                                                  "' for --format (report, gnu or json)"));
                request.format = *format;
                formatGiven = true;
            } else if (arg == kSetOption || arg.starts_with(std::string(kSetOption) + "=")) {
                const bool joined = arg.size() > kSetOption.size();
                if (!joined && i + 1 == arguments.size())
                    return refused(programMessage("--set needs SECTION:KEY=VALUE"));
                request.assignments.push_back(joined ? arg.substr(kSetOption.size() + 1)
                                                     : arguments[++i]);
            } else if (arg == "--fix") {
                fix = true;
            } else if (arg == "--dry-run") {
                request.dryRun = true;
            } else if (arg == "--no-report") {
                request.writeReports = false;
            } else if (arg == "--") {
                optionsEnded = true;
            } else if (toLowerAscii(arg) == "-v") {
                validate = true;
            } else if (arg == kCompareOption) {
                compare = true;
            } else if (arg == "--help" || arg == "-h") {
                return only(ProgramMode::Help);
            } else if (arg == "--version") {
                return only(ProgramMode::Version);
            } else {
                return refused(programMessage("unknown option " + printableText(arg) +
                                              " (tavmir --help lists them)"));
            }
            continue;
        }
        request.operands.push_back(arg);
    }
    if (validate && compare)
        return refused(programMessage("-v and --compare cannot be used together"));
    const bool set = !request.assignments.empty();
    if (set && fix) return refused(programMessage("--set and --fix cannot be used together"));
    if ((set || fix) && (validate || compare))
        return refused(programMessage(std::string(set ? "--set" : "--fix") +
                                      " cannot be used with " + (validate ? "-v" : "--compare")));
    if (request.dryRun && !set && !fix)
        return refused(programMessage("--dry-run needs --set or --fix"));
    if ((set || fix) && request.format == OutputFormat::Gnu)
        return refused(programMessage(std::string(set ? "--set" : "--fix") +
                                      " has no gnu format (report or json)"));
    if ((set || fix) && !request.writeReports)
        return refused(programMessage("--no-report needs -v"));
    if (compare && !request.writeReports)
        return refused(
            programMessage("--no-report belongs to -v (--compare writes no report file)"));
    if (compare && request.format == OutputFormat::Gnu)
        return refused(programMessage("--compare has no gnu format (report or json)"));
    if (!request.writeReports && !validate) return refused(programMessage("--no-report needs -v"));
    if (formatGiven && !validate && !compare && !set && !fix)
        return refused(programMessage("--format needs -v, --compare, --set or --fix"));
    // Either option says a script is asking: it gets its answer, never the main window.
    const bool scripted = formatGiven || !request.writeReports;
    if (compare) {
        // The comparison names a missing origin or file in its own refusals and report; only
        // what must never be opened is taken out here.
        request.mode = ProgramMode::Compare;
        std::vector<std::string> kept;
        for (const std::string& path : request.operands) {
            if (!kindOf || kindOf(path) != PathKind::NotRegular) {
                kept.push_back(path);
            } else if (&path == &request.operands.front()) {
                return refused(programMessage(printableText(path) + ": not a settings file"));
            } else {
                request.skipped.push_back(printableText(path) + ": not a settings file");
            }
        }
        request.operands = std::move(kept);
        return request;
    }
    for (const std::string& path : request.operands) {
        const PathKind kind = kindOf ? kindOf(path) : PathKind::Missing;
        if (kind == PathKind::RegularFile)
            request.commandFiles.push_back(path);
        else
            request.skipped.push_back(printableText(path) + (kind == PathKind::Missing
                                                                 ? ": no such file"
                                                                 : ": not a settings file"));
    }
    request.operands.clear();
    if (set || fix) {
        request.mode = set ? ProgramMode::Set : ProgramMode::Fix;
        return request;
    }
    request.mode = validate && (scripted || !request.commandFiles.empty()) ? ProgramMode::Validate
                                                                           : ProgramMode::Editor;
    return request;
}

std::string programMessage(std::string_view text) { return "tavmir: " + unixLines(text); }

std::string noWindowsMessage() {
    return programMessage(
        "the windows are not part of this build; it validates (-v), compares (--compare) and "
        "sets values (--set, --fix) from the command line: tavmir --help tells how");
}

std::string usageText() {
    return "usage: tavmir [FILE...]\n"
           "       tavmir -v [--format=FORMAT] [--no-report] FILE...\n"
           "       tavmir --compare [--format=FORMAT] ORIGIN FILE...\n"
           "       tavmir --set SECTION:KEY=VALUE [--set ...] [--dry-run] [--format=FORMAT] "
           "FILE...\n"
           "       tavmir --fix [--dry-run] [--format=FORMAT] FILE...\n"
           "       tavmir --help | --version\n"
           "\n"
           "Without options, opens the editor with each settings FILE (.cfg or .set).\n"
           "  -v               validate each FILE and write its report beside it, to FILE.log\n"
           "  --compare        compare each FILE with ORIGIN and print the report\n"
           "  --set SECTION:KEY=VALUE\n"
           "                   write VALUE into each FILE's own line of the setting (or add\n"
           "                   it at the end), keeping every other line as it is\n"
           "  --fix            write into each FILE's lines the fixes of the values and\n"
           "                   pairs that stop a save\n"
           "  --dry-run        with --set or --fix: print the changes as a unified diff and\n"
           "                   write nothing\n"
           "  --format=FORMAT  what goes to standard output: report (the default: one line\n"
           "                   per file, or the comparison report), gnu (-v only: one\n"
           "                   FILE:LINE: error: TEXT line per finding) or json (one document)\n"
           "                   (--set and --fix: report or json)\n"
           "  --no-report      with -v: write no FILE.log\n"
           "  -h, --help       print this help and exit\n"
           "  --version        print the version and exit\n"
           "  --               end of options: the arguments after it are files\n"
           "\n"
           "Exit status: 0 all files clean (or equal, or set), 1 errors or warnings found (or\n"
           "files differ, a value was refused, problems are left), 2 a file could not be read\n"
           "or written, a wrong command line, or no display for the editor.\n";
}

std::string versionLine() {
    std::string line = "tavmir ";
    line += kProgramVersion;
    return line;
}

}  // namespace tavmir
