// The user preferences and their file, tavmir.ini in the preferences folder (the program's
// folder for a portable copy, see ProgramFolders). The file has two sections, "Editor"
// (TextAlign, MouseWheelSpeed) and "Save" (DisableWindowMessage, MessageTime, KeepOriginal,
// KeepLines), and "Start" (ReopenFiles);
// it is read and written one value at a time through ProfileFile. Start-up creates the file with
// the defaults when it is missing and reads the keys into a Preferences value; the preferences
// dialog applies new values and saves them in a fixed order. KeepOriginal came later than the
// other four: a file without it is not damaged, and keeps originals; so did KeepLines, whose
// absence means the save writes the whole file, and the section "Start" (ReopenFiles), whose
// absence means a start reopens nothing.
//
// Failures are reported as message texts through a MessageReporter, so the GUI can show them in
// a critical message box and validation mode can print them; nothing here shows anything.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/Status.h"

namespace tavmir {

// Receives one complete message text to show to the user.
using MessageReporter = std::function<void(const std::string& message)>;

struct Preferences {
    int textAlign = 0;                 // 0 left, 1 right, 2 center
    int mouseWheelSpeed = 2;           // 1 low, 2 medium, 3 high; other values act as medium
    int disableWindowMessage = 0;      // 1 when the message window after a save is switched off
    std::string messageTime = "1000";  // milliseconds the message window stays, as decimal text
    int keepOriginal = 1;  // 1 when an editor's first save keeps the file as it was as FILE.bak
    // 1 when Save writes only the values that changed into the file's own lines, keeping the
    // lines the catalogue does not know, the order and the line ends (document/LineWriter.h).
    int keepLines = 0;
    int reopenFiles = 0;  // 1 when a start without files reopens those open at the last exit

    bool operator==(const Preferences&) const = default;
};

inline constexpr std::string_view kPreferencesFileName = "tavmir.ini";
inline constexpr double kMessageTimeLow = 100;
inline constexpr double kMessageTimeHigh = 5000;

// The preferences file inside folder, joined with the platform's separator.
std::filesystem::path preferencesFilePath(const std::filesystem::path& folder);

// "Error writing to file: " + the preferences file path (for an empty folder: that none can be
// saved).
std::string preferencesWriteError(const std::filesystem::path& folder);

// The message for a key that is missing or empty in the preferences file.
std::string preferencesCorruptMessage();

// The refusal shown when Apply finds a message time outside 100..5000.
std::string wrongMessageTimeMessage();

// How each stored value is understood (the value as read, trimmed, may be empty).
int interpretTextAlign(std::string_view value);  // "RIGHT" 1, "CENTER" 2 (any case), else 0
int interpretMouseWheelSpeed(
    std::string_view value);  // "1" 1, "2" 2, below "1" or from "3" on 3, else 0
int interpretDisableWindowMessage(std::string_view value);  // "1" 1, else 0
std::string interpretMessageTime(
    std::string_view value);                        // first 4 characters if 100..5000, else "1000"
int interpretKeepOriginal(std::string_view value);  // "0" 0, else (missing too) 1
int interpretKeepLines(std::string_view value);     // "1" 1, else (missing too) 0
int interpretReopenFiles(std::string_view value);   // "1" 1, else (missing too) 0

// Creates the file with the defaults when missing (stopping at the first failed write, which is
// reported and leaves the defaults in force), then reads the keys; each of the first four keys
// that is missing or empty is reported as a damaged file, one message per key in the order they
// are read (KeepOriginal and KeepLines are never reported). An empty folder means none can be kept:
// the defaults, and nothing reported.
Preferences loadPreferences(const std::filesystem::path& folder, const MessageReporter& report);

// The preferences as the text of a preferences file gives them. damagedKeys is set to how many
// of the first four keys are missing or empty there (start-up reports the file as corrupt once
// for each); such a value is interpreted from the empty text.
Preferences preferencesFromText(std::string_view content, int& damagedKeys);

// Writes the seven values in the dialog's order, stopping at the first failed write, which
// fails with preferencesWriteError(folder).
Status savePreferences(const std::filesystem::path& folder, const Preferences& prefs,
                       std::string_view alignmentWord);

// The number Apply reads from the message-time field: its leading number, 0 for empty text.
double messageTimeNumber(std::string_view fieldText);

// How long the message window stays, in milliseconds: the MessageTime preference's number,
// held to 0..INT_MAX.
int messageTimeMilliseconds(std::string_view messageTime);

// True when a message time may be applied while the message window is enabled.
bool isValidMessageTime(double milliseconds);

// The value to apply, as shortest decimal text, or wrongMessageTimeMessage().
using MessageTimeCheck = tl::expected<std::string, std::string>;

// Apply's check of the time field; with the message window disabled every number is accepted.
MessageTimeCheck checkMessageTime(std::string_view fieldText, bool windowMessageDisabled);

}  // namespace tavmir
