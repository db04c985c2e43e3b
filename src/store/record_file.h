#pragma once
// Reading and rewriting data files made of record lines. A file is read
// whole into memory; every change other than an append rewrites it
// atomically, so a failed write leaves the old file in place.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::store {

// A data file opened for reading, with a read position.
class RecordFile {
public:
    RecordFile() = default;
    explicit RecordFile(std::string bytes) : m_bytes(std::move(bytes)) {}
    // Empty when the file cannot be read.
    static std::optional<RecordFile> Open(const std::string& path);

    const std::string& bytes() const { return m_bytes; }
    std::size_t position() const { return m_position; }
    void Rewind() { m_position = 0; }

private:
    friend bool ReadRecordLine(RecordFile& file, std::string& line);
    std::string m_bytes;
    std::size_t m_position = 0;
};

// Reads the next line (without its line end; CR LF, a lone CR or a lone LF
// end a line, and a line of any length is read whole). False at the end of the file.
bool ReadRecordLine(RecordFile& file, std::string& line);
// Reads line n (1-based) from the start; on failure line is empty and the result false.
bool ReadRecordLineAt(int n, RecordFile& file, std::string& line);
// Rewinds and counts the lines.
int CountRecordLines(RecordFile& file);
// Rewinds, skips the comment lines (first character ';') and returns the
// 1-based number of the header line, which is left in line. 0 when the file
// holds only comments.
int FindHeaderLine(RecordFile& file, std::string& line);
// Writes line and CR LF at the end of the named file.
bool AppendRecordLine(const std::string& path, std::string_view line);

// Every line of bytes, as ReadRecordLine returns them.
std::vector<std::string> SplitRecordLines(std::string_view bytes);

// The value of key in line 1 of the named file; empty when it cannot be read.
std::string GetHeaderValue(const std::string& path, std::string_view key);
// Sets key in line 1 and writes the file back; the other lines stay as they
// are (each ended by CR LF). A missing file is created with the header alone.
bool SetHeaderValue(const std::string& path, std::string_view key, std::string_view value);

// Replaces every line whose value for key equals that of newLine (ignoring
// case) by newLine and writes the file back. Returns the 1-based number of
// the first replaced line, or the number of lines when nothing matched;
// nothing when the file cannot be read or written.
std::optional<int> ReplaceRecordByKey(const std::string& path, std::string_view key,
                                      std::string_view newLine);
// Drops every line whose value for key equals that of recordLine (ignoring
// case), renumbers the CODE of the records that follow the header 1, 2, 3...
// and writes the file back. Returns the 1-based number of the deleted line,
// or the number of lines when nothing matched; nothing on a read or write failure.
std::optional<int> DeleteRecordByKey(const std::string& path, std::string_view key,
                                     std::string_view recordLine);

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

// The records of a definition file: the header is the first line that is not
// a comment, and exactly as many lines as its count token says follow it
// (a missing line reads as an empty record). Empty when the file cannot be read.
std::vector<std::string> LoadDefinitionLines(const std::string& path, std::string_view countKey);

// The leading decimal digits of text as a number (an optional sign, blanks
// before it skipped); 0 when there are none.
long ParseLeadingNumber(std::string_view text);

}  // namespace quorvex::store
