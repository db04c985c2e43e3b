#include <gtest/gtest.h>

#include "browse/definition_editing.h"
#include "store/default_files.h"
#include "store/definitions.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "test_support.h"

namespace quorvex::browse {
namespace {

using testing::ReadBytes;

// Position of a field in the default field catalogue.
int field(char code) {
    return static_cast<int>(std::string("ABCDLEFGTHISUVZYWXJKMNOPQR").find(code));
}

class DefinitionEditing : public ::testing::Test {
protected:
    DefinitionEditing() {
        store::CreateDefaultFieldCatalogue(m_temp.File("mamefld.qvx"));
        m_fields = store::LoadFieldCatalogue(m_temp.File("mamefld.qvx"));
        store::CreateDefaultFilters(filters());
        store::CreateDefaultSortings(sortings());
    }
    std::string filters() const { return m_temp.File("filters.qvx"); }
    std::string sortings() const { return m_temp.File("sortings.qvx"); }
    std::string Condition(const FilterEditorInput& input) const {
        return store::GetRecordValue(BuildFilterLine(input, m_fields, 1).line, "CONDITION");
    }
    // Field, operator ("-" for none) and value the editor shows for a condition.
    std::string Decoded(const char* condition) const {
        const DecodedFilter decoded = DecodeFilterCondition(condition, m_fields);
        return std::to_string(decoded.fieldIndex) + " " +
               (decoded.operatorIndex ? std::to_string(*decoded.operatorIndex) : "-") + " " +
               decoded.value;
    }

    testing::TempDir m_temp;
    std::vector<store::FieldDefinition> m_fields;
};

TEST_F(DefinitionEditing, FilterLinesAreBuiltFromTheEditorAndDecodedBack) {
    EXPECT_EQ(BuildFilterLine({"  ", field('S'), 2, "80"}, m_fields, 4).error,
              BuildError::MissingName);
    EXPECT_EQ(BuildFilterLine({"Good", -1, 2, "80"}, m_fields, 4).error, BuildError::MissingField);
    EXPECT_EQ(BuildFilterLine({"Good", field('S'), -1, "80"}, m_fields, 4).error,
              BuildError::MissingOperator);
    EXPECT_EQ(FilterBuildMessage(BuildError::MissingOperator), "Please select an operator!");

    EXPECT_EQ(BuildFilterLine({" Good ", field('S'), 2, " 80 "}, m_fields, 4).line,
              " +:CODE:4:+ +:FILTER_NAME:Good:+ +:CONDITION:S>=80:+\xA7");
    EXPECT_EQ(Condition({"Empty", field('C'), 4, "dropped"}), "C==NULL");
    EXPECT_EQ(Condition({"Capcom", field('X'), 7, "capcom"}), "X$NotContains(capcom)");

    EXPECT_EQ(Decoded("X$Contains(Data East)"), std::to_string(field('X')) + " 6 Data East");
    EXPECT_EQ(Decoded("j<=1985"), std::to_string(field('J')) + " 3 1985");
    EXPECT_EQ(Decoded("c!=null"), std::to_string(field('C')) + " 5 ");
    EXPECT_EQ(Decoded("9~~x"), "-1 - ");
}

TEST_F(DefinitionEditing, NewModifyAndDeleteKeepCodesAndCounts) {
    const long code = NextDefinitionCode(filters(), "FILTERS_COUNT");
    EXPECT_EQ(code, 4);
    ASSERT_TRUE(AddDefinition(filters(), "FILTERS_COUNT",
                              BuildFilterLine({"Good", field('S'), 2, "80"}, m_fields, code).line));
    EXPECT_EQ(store::GetHeaderValue(filters(), "FILTERS_COUNT"), "4");
    ASSERT_EQ(store::LoadFilterDefinitions(filters()).size(), 4u);

    ASSERT_TRUE(ReplaceDefinition(
        filters(), BuildFilterLine({"Roms linked", field('C'), 5, ""}, m_fields, 2).line));
    auto table = store::LoadFilterDefinitions(filters());
    EXPECT_EQ(table[1].code + " " + table[1].name, "2 Roms linked");

    ASSERT_TRUE(DeleteDefinitionAt(filters(), "FILTERS_COUNT", 1));
    table = store::LoadFilterDefinitions(filters());
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(store::GetHeaderValue(filters(), "FILTERS_COUNT"), "3");
    EXPECT_EQ(table[0].code + table[1].code + table[2].code, "123");
    EXPECT_EQ(table[1].name, "Games without samples");
    EXPECT_EQ(table[2].name, "Good");

    // A position with no record removes nothing and leaves the count alone.
    const std::string before = ReadBytes(filters());
    EXPECT_FALSE(DeleteDefinitionAt(filters(), "FILTERS_COUNT", 9));
    EXPECT_EQ(ReadBytes(filters()), before);
}

TEST_F(DefinitionEditing, SortingsAreAddedWithTheirDirection) {
    EXPECT_EQ(BuildSortingLine({"", field('T'), true}, m_fields, 3).error, BuildError::MissingName);
    EXPECT_EQ(SortingBuildMessage(BuildError::MissingName),
              "Please type a name for this new sorting!");
    const auto built = BuildSortingLine({"Most played", field('T'), false}, m_fields, 3);
    ASSERT_TRUE(AddDefinition(sortings(), "SORTINGS_COUNT", built.line));
    EXPECT_EQ(ReadBytes(sortings()),
              " +:SORTINGS_COUNT:3:+\xA7\r\n"
              "+:CODE:1:+ +:SORTING_NAME:Descriptions:+    +:CONDITION:A:+\r\n"
              "+:CODE:2:+ +:SORTING_NAME:Raw Names:+       +:CONDITION:B:+\r\n"
              " +:CODE:3:+ +:SORTING_NAME:Most played:+ +:CONDITION:TD:+\xA7\r\n");
}

}  // namespace
}  // namespace quorvex::browse
