#include "app/Preferences.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <system_error>

#include "app/ProfileFile.h"
#include "common/Numeric.h"
#include "common/Text.h"

namespace tavmir {
namespace {

struct PreferenceKey {
    std::string_view section;
    std::string_view key;
};

// Keep in step with loadPreferences and savePreferences: the file's keys, in the order they
// are created, read and saved.
constexpr PreferenceKey kTextAlignKey{"Editor", "TextAlign"};
constexpr PreferenceKey kMouseWheelSpeedKey{"Editor", "MouseWheelSpeed"};
constexpr PreferenceKey kDisableWindowMessageKey{"Save", "DisableWindowMessage"};
constexpr PreferenceKey kMessageTimeKey{"Save", "MessageTime"};
constexpr PreferenceKey kKeepOriginalKey{"Save", "KeepOriginal"};
constexpr PreferenceKey kKeepLinesKey{"Save", "KeepLines"};
constexpr PreferenceKey kReopenFilesKey{"Start", "ReopenFiles"};
constexpr std::size_t kKeyCount = 7;

constexpr std::string_view kDefaultMessageTime = "1000";

bool writeKey(const std::filesystem::path& file, const PreferenceKey& k, std::string_view value) {
    return writeProfileString(file, k.section, k.key, value).has_value();
}

// Writes the values in order and stops at the first failure, as both the first start and the
// dialog's save do.
Status writeAll(const std::filesystem::path& folder,
                const std::array<std::string, kKeyCount>& values) {
    if (folder.empty()) return failedWith(preferencesWriteError(folder));
    const std::filesystem::path file = preferencesFilePath(folder);
    const std::array<PreferenceKey, kKeyCount> keys{
        kTextAlignKey,    kMouseWheelSpeedKey, kDisableWindowMessageKey, kMessageTimeKey,
        kKeepOriginalKey, kKeepLinesKey,       kReopenFilesKey};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!writeKey(file, keys[i], values[i])) return failedWith(preferencesWriteError(folder));
    }
    return {};
}

// A missing key and an empty value both mean the installation is damaged; each such key is
// counted, as each is reported.
std::string keyValue(std::string_view content, const PreferenceKey& k, int& damagedKeys) {
    std::optional<std::string> v = findProfileValue(content, k.section, k.key);
    if (!v || v->empty()) {
        ++damagedKeys;
        return {};
    }
    if (v->size() > kProfileValueLimit) v->resize(kProfileValueLimit);
    return std::move(*v);
}

}  // namespace

std::filesystem::path preferencesFilePath(const std::filesystem::path& folder) {
    return folder / kPreferencesFileName;
}

std::string preferencesWriteError(const std::filesystem::path& folder) {
    if (folder.empty()) return "Preferences cannot be saved: there is no folder to keep them in";
    return "Error writing to file: " + preferencesFilePath(folder).string();
}

std::string preferencesCorruptMessage() {
    return paragraphs({"The file tavmir.ini is corrupt", "You must reinstall the application"});
}

std::string wrongMessageTimeMessage() {
    return paragraphs(
        {"Wrong value for Message Time", "Valid range is from 100 to 5000 (milliseconds)"});
}

int interpretTextAlign(std::string_view value) {
    const std::string upper = toUpperAscii(value);
    if (upper == "RIGHT") return 1;
    if (upper == "CENTER") return 2;
    return 0;
}

int interpretMouseWheelSpeed(std::string_view value) {
    if (value == "1") return 1;
    if (value == "2") return 2;
    // Plain byte order: "10" and "2.5" fall between "1" and "3" and leave the speed at 0.
    if (value < std::string_view("1") || value >= std::string_view("3")) return 3;
    return 0;
}

int interpretDisableWindowMessage(std::string_view value) { return value == "1" ? 1 : 0; }

int interpretKeepOriginal(std::string_view value) { return value == "0" ? 0 : 1; }

int interpretKeepLines(std::string_view value) { return value == "1" ? 1 : 0; }

int interpretReopenFiles(std::string_view value) { return value == "1" ? 1 : 0; }

std::string interpretMessageTime(std::string_view value) {
    const std::string_view head = value.substr(0, 4);
    const std::optional<double> n = isNumber(head) ? numberValue(head) : std::nullopt;
    if (n && *n >= kMessageTimeLow && *n <= kMessageTimeHigh) return shortestDecimal(*n);
    return std::string(kDefaultMessageTime);
}

Preferences loadPreferences(const std::filesystem::path& folder, const MessageReporter& report) {
    // No folder: the caller has already said that nothing can be kept.
    if (folder.empty()) return {};
    const std::filesystem::path file = preferencesFilePath(folder);
    std::error_code ec;
    const auto st = std::filesystem::symlink_status(file, ec);
    if (st.type() == std::filesystem::file_type::not_found) {
        const Status made =
            writeAll(folder, {"left", "2", "0", std::string(kDefaultMessageTime), "1", "0", "0"});
        // A file that could not be made is not a damaged one: run with the defaults.
        if (!made) {
            if (report) report(made.error());
            return {};
        }
    }

    // An unreadable file is as damaged as one without the keys.
    std::string content;
    readProfileText(file, content);
    int damagedKeys = 0;
    const Preferences prefs = preferencesFromText(content, damagedKeys);
    // Each unusable key is reported on its own, in the order the keys are read.
    for (int n = 0; n < damagedKeys && report; ++n) report(preferencesCorruptMessage());
    return prefs;
}

Preferences preferencesFromText(std::string_view content, int& damagedKeys) {
    damagedKeys = 0;
    Preferences prefs;
    prefs.textAlign = interpretTextAlign(keyValue(content, kTextAlignKey, damagedKeys));
    prefs.mouseWheelSpeed =
        interpretMouseWheelSpeed(keyValue(content, kMouseWheelSpeedKey, damagedKeys));
    prefs.disableWindowMessage =
        interpretDisableWindowMessage(keyValue(content, kDisableWindowMessageKey, damagedKeys));
    prefs.messageTime = interpretMessageTime(keyValue(content, kMessageTimeKey, damagedKeys));
    // Missing from the files of older versions: not a damage, and the default holds.
    const std::optional<std::string> keep =
        findProfileValue(content, kKeepOriginalKey.section, kKeepOriginalKey.key);
    prefs.keepOriginal = interpretKeepOriginal(keep ? std::string_view(*keep) : std::string_view());
    const std::optional<std::string> lines =
        findProfileValue(content, kKeepLinesKey.section, kKeepLinesKey.key);
    prefs.keepLines = interpretKeepLines(lines ? std::string_view(*lines) : std::string_view());
    const std::optional<std::string> reopen =
        findProfileValue(content, kReopenFilesKey.section, kReopenFilesKey.key);
    prefs.reopenFiles =
        interpretReopenFiles(reopen ? std::string_view(*reopen) : std::string_view());
    return prefs;
}

Status savePreferences(const std::filesystem::path& folder, const Preferences& prefs,
                       std::string_view alignmentWord) {
    // The applied time is already decimal text; reading it back as a number drops any
    // leading zeros a caller may have left in it.
    const std::string time = shortestDecimal(leadingNumber(prefs.messageTime));
    return writeAll(
        folder,
        {std::string(alignmentWord), decimal(prefs.mouseWheelSpeed),
         decimal(prefs.disableWindowMessage), time, decimal(prefs.keepOriginal != 0 ? 1 : 0),
         decimal(prefs.keepLines != 0 ? 1 : 0), decimal(prefs.reopenFiles != 0 ? 1 : 0)});
}

double messageTimeNumber(std::string_view fieldText) { return leadingNumber(fieldText); }

int messageTimeMilliseconds(std::string_view messageTime) {
    return static_cast<int>(std::clamp(messageTimeNumber(messageTime), 0.0,
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

bool isValidMessageTime(double milliseconds) {
    return milliseconds >= kMessageTimeLow && milliseconds <= kMessageTimeHigh;
}

MessageTimeCheck checkMessageTime(std::string_view fieldText, bool windowMessageDisabled) {
    const double n = messageTimeNumber(fieldText);
    if (!windowMessageDisabled && !isValidMessageTime(n))
        return tl::unexpected(wrongMessageTimeMessage());
    return shortestDecimal(n);
}

}  // namespace tavmir
