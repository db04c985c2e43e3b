#include "browse/definition_editing.h"

#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {

namespace {

std::optional<std::string> FieldCode(int index, const std::vector<store::FieldDefinition>& fields) {
    if (index < 0 || static_cast<std::size_t>(index) >= fields.size()) {
        return std::nullopt;
    }
    return fields[static_cast<std::size_t>(index)].code;
}

std::string DefinitionLine(long code, std::string_view nameKey, std::string_view name,
                           std::string_view condition) {
    std::string line;
    store::SetRecordValue(line, "CODE", std::to_string(code));
    store::SetRecordValue(line, nameKey, name);
    store::SetRecordValue(line, "CONDITION", condition);
    return line;
}

// The two checks every editor makes first: a name, and a field of the catalogue.
struct NamedField {
    BuildError error = BuildError::None;
    std::string name;
    std::string code;
};

NamedField CheckNameAndField(std::string_view typedName, int fieldIndex,
                             const std::vector<store::FieldDefinition>& fields) {
    NamedField checked;
    checked.name = store::TrimmedBlanks(typedName);
    const auto field = FieldCode(fieldIndex, fields);
    if (checked.name.empty()) {
        checked.error = BuildError::MissingName;
    } else if (!field) {
        checked.error = BuildError::MissingField;
    } else {
        checked.code = *field;
    }
    return checked;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           store::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

int FieldIndexOf(std::string_view condition, const std::vector<store::FieldDefinition>& fields) {
    if (condition.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].code.empty() &&
            store::EqualsNoCase(fields[i].code.substr(0, 1), condition.substr(0, 1))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

BuiltLine BuildFilterLine(const FilterEditorInput& input,
                          const std::vector<store::FieldDefinition>& fields, long code) {
    const NamedField checked = CheckNameAndField(input.name, input.fieldIndex, fields);
    if (checked.error != BuildError::None) {
        return {checked.error, {}};
    }
    if (input.operatorIndex < 0 ||
        static_cast<std::size_t>(input.operatorIndex) >= kFilterOperatorLabels.size()) {
        return {BuildError::MissingOperator, {}};
    }
    static constexpr std::array<const char*, 4> comparisons = {"==", "<>", ">=", "<="};
    const std::string value = store::TrimmedBlanks(input.value);
    std::string condition = checked.code;
    switch (input.operatorIndex) {
        case 4:
            condition += "==NULL";
            break;
        case 5:
            condition += "!=NULL";
            break;
        case 6:
            condition += "$Contains(" + value + ")";
            break;
        case 7:
            condition += "$NotContains(" + value + ")";
            break;
        default:
            condition += comparisons[static_cast<std::size_t>(input.operatorIndex)] + value;
            break;
    }
    return {BuildError::None, DefinitionLine(code, "FILTER_NAME", checked.name, condition)};
}

DecodedFilter DecodeFilterCondition(std::string_view condition,
                                    const std::vector<store::FieldDefinition>& fields) {
    DecodedFilter decoded;
    decoded.fieldIndex = FieldIndexOf(condition, fields);
    if (condition.empty()) {
        return decoded;
    }
    const std::string_view rest = condition.substr(1);
    if (store::EqualsNoCase(rest, "==NULL")) {
        decoded.operatorIndex = 4;
    } else if (store::EqualsNoCase(rest, "!=NULL")) {
        decoded.operatorIndex = 5;
    } else if (!rest.empty() && rest[0] == '$') {
        const std::size_t paren = rest.find('(');
        const std::string word = store::TrimmedBlanks(rest.substr(0, paren));
        if (paren != std::string_view::npos) {
            std::string_view needle = rest.substr(paren + 1);
            if (!needle.empty()) {
                needle.remove_suffix(1);
            }
            decoded.value = std::string(needle);
        }
        if (store::EqualsNoCase(word, "$Contains")) {
            decoded.operatorIndex = 6;
        } else if (store::EqualsNoCase(word, "$NotContains")) {
            decoded.operatorIndex = 7;
        }
    } else {
        static constexpr std::array<std::string_view, 4> comparisons = {"==", "<>", ">=", "<="};
        for (std::size_t i = 0; i < comparisons.size(); ++i) {
            if (StartsWithNoCase(rest, comparisons[i])) {
                decoded.operatorIndex = static_cast<int>(i);
                decoded.value = std::string(rest.substr(2));
                break;
            }
        }
    }
    return decoded;
}

BuiltLine BuildSortingLine(const SortingEditorInput& input,
                           const std::vector<store::FieldDefinition>& fields, long code) {
    const NamedField checked = CheckNameAndField(input.name, input.fieldIndex, fields);
    if (checked.error != BuildError::None) {
        return {checked.error, {}};
    }
    return {BuildError::None, DefinitionLine(code, "SORTING_NAME", checked.name,
                                             checked.code + (input.ascending ? "A" : "D"))};
}

std::string FilterBuildMessage(BuildError error) {
    switch (error) {
        case BuildError::MissingName:
            return "Please type a name for this filter!";
        case BuildError::MissingField:
            return "Please select a MAME field!";
        case BuildError::MissingOperator:
            return "Please select an operator!";
        case BuildError::None:
            break;
    }
    return std::string();
}

std::string SortingBuildMessage(BuildError error) {
    switch (error) {
        case BuildError::MissingName:
            return "Please type a name for this new sorting!";
        case BuildError::MissingField:
            return "Please select a MAME field!";
        default:
            break;
    }
    return std::string();
}

long NextDefinitionCode(const std::string& path, std::string_view countKey) {
    auto file = store::RecordFile::Open(path);
    std::string header;
    if (file) {
        store::FindHeaderLine(*file, header);
    }
    return store::ParseLeadingNumber(
               store::TrimmedBlanks(store::GetRecordValue(header, countKey))) +
           1;
}

bool AddDefinition(const std::string& path, std::string_view countKey, const std::string& line) {
    return store::SetHeaderValue(path, countKey, store::GetRecordValue(line, "CODE")) &&
           store::AppendRecordLine(path, line);
}

bool ReplaceDefinition(const std::string& path, const std::string& line) {
    return store::ReplaceRecordByKey(path, "CODE", line).has_value();
}

bool DeleteDefinitionAt(const std::string& path, std::string_view countKey, int position) {
    if (position < 0) {
        return false;
    }
    const std::string code = std::to_string(position + 1);
    const auto before = store::RecordFile::Open(path);
    if (!before) {
        return false;
    }
    bool present = false;
    for (const std::string& line : store::SplitRecordLines(before->bytes())) {
        present = present || store::GetRecordValue(line, "CODE") == code;
    }
    if (!present) {
        return false;
    }
    std::string record;
    store::SetRecordValue(record, "CODE", code);
    if (!store::DeleteRecordByKey(path, "CODE", record)) {
        return false;
    }
    const long count = NextDefinitionCode(path, countKey) - 1;
    return store::SetHeaderValue(path, countKey, std::to_string(count > 0 ? count - 1 : 0));
}

}  // namespace quorvex::browse
