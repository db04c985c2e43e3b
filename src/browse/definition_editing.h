#pragma once
// What the Create filters and Create sortings pages write: building a
// definition's line from the editor's boxes, showing a stored definition in
// them again, and adding, replacing and deleting definitions in their file.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/definitions.h"

namespace quorvex::browse {

enum class BuildError { None, MissingName, MissingField, MissingOperator };

struct BuiltLine {
    BuildError error = BuildError::None;
    std::string line;
};

// The eight operators of the filter editor, in list order.
inline constexpr std::array<const char*, 8> kFilterOperatorLabels = {"Equals to...",
                                                                     "Not equals to...",
                                                                     "Greater or equals than...",
                                                                     "Less or equals than...",
                                                                     "is empty!",
                                                                     "is not empty!",
                                                                     "Contains...",
                                                                     "Not Contains..."};

struct FilterEditorInput {
    std::string name;
    int fieldIndex = -1;     // position in the field catalogue, -1 for none
    int operatorIndex = -1;  // position in kFilterOperatorLabels, -1 for none
    std::string value;
};

// "+:CODE:<code>:+ +:FILTER_NAME:<name>:+ +:CONDITION:<condition>:+" and its marker.
BuiltLine BuildFilterLine(const FilterEditorInput& input,
                          const std::vector<store::FieldDefinition>& fields, long code);

struct DecodedFilter {
    int fieldIndex = -1;
    std::optional<int> operatorIndex;  // nothing when the operator cannot be decoded
    std::string value;
};
DecodedFilter DecodeFilterCondition(std::string_view condition,
                                    const std::vector<store::FieldDefinition>& fields);

struct SortingEditorInput {
    std::string name;
    int fieldIndex = -1;
    bool ascending = true;
};
BuiltLine BuildSortingLine(const SortingEditorInput& input,
                           const std::vector<store::FieldDefinition>& fields, long code);

// Position in the field catalogue of the field a condition starts with (ignoring case), or -1.
int FieldIndexOf(std::string_view condition, const std::vector<store::FieldDefinition>& fields);

// The messages the editors show for a build error.
std::string FilterBuildMessage(BuildError error);
std::string SortingBuildMessage(BuildError error);

// The count token's value in the definition file's header, plus one.
long NextDefinitionCode(const std::string& path, std::string_view countKey);
// Raises the header count to the line's CODE and appends the line.
bool AddDefinition(const std::string& path, std::string_view countKey, const std::string& line);
// Replaces the record with the line's CODE.
bool ReplaceDefinition(const std::string& path, const std::string& line);
// Removes the definition at position (0-based; its CODE is position + 1),
// renumbers the rest and lowers the header count. The count is lowered only
// when a record was really removed. False when nothing was removed.
bool DeleteDefinitionAt(const std::string& path, std::string_view countKey, int position);

}  // namespace quorvex::browse
