#include "store/record_file.h"

#include <algorithm>

#include "platform/file_system.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::store {

namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + kLineEnd.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text.append(line).append(kLineEnd);
    }
    return text;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitRecordLines(*bytes);
}

}  // namespace

std::optional<RecordFile> RecordFile::Open(const std::string& path) {
    auto bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return RecordFile(std::move(*bytes));
}

bool ReadRecordLine(RecordFile& file, std::string& line) {
    const std::string& bytes = file.m_bytes;
    if (file.m_position >= bytes.size()) {
        line.clear();
        return false;
    }
    const std::size_t start = file.m_position;
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
        line.assign(bytes, start, std::string::npos);
        file.m_position = bytes.size();
        return true;
    }
    line.assign(bytes, start, end - start);
    std::size_t next = end + 1;
    if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') {
        ++next;
    }
    file.m_position = next;
    return true;
}

bool ReadRecordLineAt(int n, RecordFile& file, std::string& line) {
    file.Rewind();
    for (int i = 0; i < n; ++i) {
        if (!ReadRecordLine(file, line)) {
            line.clear();
            return false;
        }
    }
    if (n < 1) {
        line.clear();
        return false;
    }
    return true;
}

int CountRecordLines(RecordFile& file) {
    file.Rewind();
    std::string line;
    int count = 0;
    while (ReadRecordLine(file, line)) {
        ++count;
    }
    return count;
}

int FindHeaderLine(RecordFile& file, std::string& line) {
    file.Rewind();
    int number = 0;
    while (ReadRecordLine(file, line)) {
        ++number;
        if (line.empty() || line[0] != ';') {
            return number;
        }
    }
    line.clear();
    return 0;
}

bool AppendRecordLine(const std::string& path, std::string_view line) {
    std::string bytes(line);
    bytes.append(kLineEnd);
    return platform::AppendFileBytes(path, bytes);
}

std::vector<std::string> SplitRecordLines(std::string_view bytes) {
    RecordFile file{std::string(bytes)};
    std::vector<std::string> lines;
    std::string line;
    while (ReadRecordLine(file, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::string GetHeaderValue(const std::string& path, std::string_view key) {
    auto file = RecordFile::Open(path);
    if (!file) {
        return std::string();
    }
    std::string line;
    ReadRecordLine(*file, line);
    return GetRecordValue(line, key);
}

bool SetHeaderValue(const std::string& path, std::string_view key, std::string_view value) {
    std::vector<std::string> lines = ReadLines(path).value_or(std::vector<std::string>{});
    if (lines.empty()) {
        lines.emplace_back();
    }
    if (!SetRecordValue(lines.front(), key, value)) {
        return false;
    }
    return platform::ReplaceFileAtomically(path, JoinLines(lines));
}

std::optional<int> ReplaceRecordByKey(const std::string& path, std::string_view key,
                                      std::string_view newLine) {
    auto lines = ReadLines(path);
    if (!lines) {
        return std::nullopt;
    }
    const std::string wanted = GetRecordValue(newLine, key);
    if (wanted.empty()) {
        // Every line without the key (the header, comments) would match.
        return static_cast<int>(lines->size());
    }
    int first = 0;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (EqualsNoCase(GetRecordValue((*lines)[i], key), wanted)) {
            (*lines)[i] = std::string(newLine);
            if (first == 0) {
                first = static_cast<int>(i) + 1;
            }
        }
    }
    if (first == 0) {
        // Nothing matched: the file stays as it is.
        return static_cast<int>(lines->size());
    }
    if (!platform::ReplaceFileAtomically(path, JoinLines(*lines))) {
        return std::nullopt;
    }
    return first;
}

std::optional<int> DeleteRecordByKey(const std::string& path, std::string_view key,
                                     std::string_view recordLine) {
    auto lines = ReadLines(path);
    if (!lines) {
        return std::nullopt;
    }
    const std::string wanted = GetRecordValue(recordLine, key);
    if (wanted.empty()) {
        return static_cast<int>(lines->size());
    }
    std::vector<std::string> kept;
    kept.reserve(lines->size());
    int deleted = 0;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (EqualsNoCase(GetRecordValue((*lines)[i], key), wanted)) {
            if (deleted == 0) {
                deleted = static_cast<int>(i) + 1;
            }
            continue;
        }
        kept.push_back(std::move((*lines)[i]));
    }
    if (deleted == 0) {
        return static_cast<int>(lines->size());
    }
    // Comment lines and the header keep their text; the records after the
    // header are numbered 1, 2, 3... in file order.
    std::size_t header = 0;
    while (header < kept.size() && !kept[header].empty() && kept[header][0] == ';') {
        ++header;
    }
    long code = 1;
    for (std::size_t i = header + 1; i < kept.size(); ++i) {
        SetRecordValue(kept[i], "CODE", std::to_string(code++));
    }
    if (!platform::ReplaceFileAtomically(path, JoinLines(kept))) {
        return std::nullopt;
    }
    return deleted;
}

bool FileExists(const std::string& path) {
    return platform::IsReadableFile(path);
}

std::vector<std::string> LoadDefinitionLines(const std::string& path, std::string_view countKey) {
    auto file = RecordFile::Open(path);
    if (!file) {
        return {};
    }
    std::string header;
    const int headerLine = FindHeaderLine(*file, header);
    if (headerLine == 0) {
        return {};
    }
    // A damaged count must not make the program allocate without end.
    constexpr long kMostRecords = 100'000;
    const long count = std::min(ParseLeadingNumber(GetRecordValue(header, countKey)), kMostRecords);
    std::vector<std::string> records;
    std::string line;
    for (long i = 0; i < count; ++i) {
        // A record past the end of the file reads as an empty line.
        if (ReadRecordLine(*file, line)) {
            records.push_back(line);
        } else {
            records.emplace_back();
        }
    }
    return records;
}

long ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (2147483647L - (text[i] - '0')) / 10) {
            value = 2147483647L;
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace quorvex::store
