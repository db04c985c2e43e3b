#include "utilities/cheat_merge.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "platform/file_system.h"
#include "store/text_utils.h"

namespace quorvex::utilities {
namespace {

constexpr std::string_view kMergeBanner = ";\r\n; Merged using Quorvex!\r\n;\r\n";

// Calls visit with every line of text: lines end at LF, a CR before it is
// not part of the line, and a last line without LF counts.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        visit(line);
        start = next;
    }
}

int CountLines(std::string_view text) {
    int lines = 0;
    ForEachLine(text, [&lines](std::string_view) { ++lines; });
    return lines;
}

bool IsNoCheat(const std::string& key) {
    return key.empty() || key.front() == ';';
}

bool SameFile(const std::string& a, const std::string& b) {
    if (store::ToLowerAscii(a) == store::ToLowerAscii(b)) {
        return true;
    }
    // Another spelling of the same file: a link, "..", a relative path.
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error);
}

}  // namespace

std::string CheatLineKey(std::string_view line) {
    std::string key = store::TrimmedBlanks(store::ToLowerAscii(line));
    const std::size_t colon = key.rfind(':');
    if (colon != std::string::npos) {
        key.resize(colon);
    }
    return key;
}

CheatMerge MergeCheatText(std::string_view own, std::string_view other, store::Progress& progress) {
    CheatMerge merge;
    merge.text.assign(own);
    std::unordered_set<std::string> keys;
    ForEachLine(own, [&keys](std::string_view line) { keys.insert(CheatLineKey(line)); });

    progress.Open(store::kProgressTitle, false);
    progress.SetRange(0, CountLines(other) / 6);
    progress.SetStep(1);
    ForEachLine(other, [&](std::string_view line) {
        std::string key = CheatLineKey(line);
        if (IsNoCheat(key)) {
            return;
        }
        progress.SetText("Scanning " + std::string(line.substr(0, line.find(':'))) + "....");
        if (keys.count(key) != 0) {
            ++merge.skipped;
        } else {
            if (merge.appended == 0) {
                // A last line without its line end must not run into the new
                // ones; one cut after its CR only lacks the LF.
                if (!merge.text.empty() && merge.text.back() == '\r') {
                    merge.text += '\n';
                } else if (!merge.text.empty() && merge.text.back() != '\n') {
                    merge.text += "\r\n";
                }
                merge.text += kMergeBanner;
            }
            merge.text += line;
            merge.text += "\r\n";
            keys.insert(std::move(key));
            ++merge.appended;
        }
        char counts[64];
        std::snprintf(counts, sizeof counts, "New %d/%d", merge.appended, merge.skipped);
        progress.SetText(counts);
        if ((merge.appended + merge.skipped) % 6 == 0) {
            progress.Step();
            progress.Pump();
        }
    });
    progress.Close();
    return merge;
}

CheatFileMerge MergeCheatFile(const std::string& chosenPath, const std::string& ownPath,
                              store::UserFeedback& feedback, store::Progress& progress) {
    CheatFileMerge result;
    if (SameFile(chosenPath, ownPath)) {
        feedback.ShowMessage("I can't import the data from the same file!",
                             store::MessageIcon::Exclamation);
        result.outcome = CheatMergeOutcome::SameFile;
        return result;
    }
    const std::optional<std::string> other = platform::ReadFileBytes(chosenPath);
    if (!other) {
        feedback.ShowMessage("The file '" + chosenPath + "' cannot be read!",
                             store::MessageIcon::Exclamation);
        return result;
    }
    // A missing own file is merged into as an empty one.
    std::optional<std::string> own = platform::ReadFileBytes(ownPath);
    if (!own) {
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(ownPath), error) || error) {
            feedback.ShowMessage("The file '" + ownPath + "' cannot be read!",
                                 store::MessageIcon::Exclamation);
            return result;
        }
        own.emplace();
    }

    CheatMerge merge = MergeCheatText(*own, *other, progress);
    result.appended = merge.appended;
    result.skipped = merge.skipped;
    if (merge.appended == 0) {
        result.outcome = CheatMergeOutcome::NothingNew;
        return result;
    }
    std::string error;
    if (!platform::ReplaceFileAtomically(ownPath, merge.text, &error)) {
        feedback.ShowMessage("The cheat file could not be written:\n" + error +
                                 "\nYour cheat.dat is as it was before.",
                             store::MessageIcon::Exclamation);
        result.outcome = CheatMergeOutcome::NotWritten;
        return result;
    }
    if (platform::ReadFileBytes(ownPath) != merge.text) {
        feedback.ShowMessage("The cheat file '" + ownPath +
                                 "' does not read back as it was written!\nPlease check it.",
                             store::MessageIcon::Exclamation);
        result.outcome = CheatMergeOutcome::NotWritten;
        return result;
    }
    result.outcome = CheatMergeOutcome::Merged;
    return result;
}

}  // namespace quorvex::utilities
