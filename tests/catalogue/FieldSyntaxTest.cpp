#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumo {
namespace {

std::vector<std::string> allFields(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.nextText()) {
        fields.push_back(*field);
    }
    return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldReader, QuotedFieldsKeepCommasAndBlanksAndSkipWhatFollowsTheQuote) {
    EXPECT_EQ(allFields("\"Radio, Live\",\"  padded  \"\r\n"),
              Fields({"Radio, Live", "  padded  "}));
    EXPECT_EQ(allFields("\"abc\"trailing junk,next\r\n"), Fields({"abc", "next"}));
    EXPECT_EQ(allFields("   \"lead\",\t\"tab\"\r\n"), Fields({"lead", "tab"}));
    EXPECT_EQ(allFields("\"\",\"\"\r\n"), Fields({"", ""}));
}

TEST(FieldReader, UnquotedFieldsRunToTheNextCommaOrLineEndWithoutOuterBlanks) {
    EXPECT_EQ(allFields("RADIO,  Pop Hits  ,x\r\n"), Fields({"RADIO", "Pop Hits", "x"}));
    EXPECT_EQ(allFields("a,,b\r\n"), Fields({"a", "", "b"}));
    EXPECT_EQ(allFields("a,\r\n"), Fields({"a", ""}));
    EXPECT_EQ(allFields("a,"), Fields({"a", ""}));
    EXPECT_EQ(allFields("a\nb\rc"), Fields({"a", "b", "c"}));
}

TEST(FieldReader, AnEmptyLineIsAnEmptyField) {
    EXPECT_EQ(allFields("a\r\n\r\nb\r\n"), Fields({"a", "", "b"}));
}

TEST(FieldReader, FieldsAreCountedAcrossLineEnds) {
    FieldReader reader(
        "\"TV\",\"One\"\r\n\"http://w\",\"http://s\",\"NONE\",\"extra\"\r\n\"next\"\r\n");
    std::vector<std::string> record;
    for (int i = 0; i < 5; ++i) {
        record.push_back(reader.nextText().value());
    }
    EXPECT_EQ(record, Fields({"TV", "One", "http://w", "http://s", "NONE"}));
    // A reader that stopped after five fields goes on with the sixth.
    EXPECT_EQ(reader.nextText(), "extra");
    EXPECT_EQ(reader.nextText(), "next");
    EXPECT_FALSE(reader.nextText().has_value());
    EXPECT_TRUE(reader.atEnd());
}

TEST(FieldReader, TheEndOfTheFileInsideARecordIsAReadError) {
    FieldReader reader("\"RADIO\",\"Name\",\"page\"\r\n");
    EXPECT_TRUE(reader.nextText());
    EXPECT_TRUE(reader.nextText());
    EXPECT_TRUE(reader.nextText());
    EXPECT_FALSE(reader.nextText().has_value());
    EXPECT_FALSE(FieldReader("").nextText().has_value());
    // An unclosed quote takes the rest of the file as its field.
    EXPECT_EQ(allFields("\"open, never closed\r\n"), Fields({"open, never closed\r\n"}));
}

TEST(FieldReader, NumbersThatAreNotNumbersReadAsZero) {
    FieldReader reader("1\r\n-12,+7,\"3\", 42 ,abc,12abc,,99999999999999999999999\r\n");
    for (long expected : {1L, -12L, 7L, 3L, 42L, 0L, 0L, 0L, 0L}) {
        EXPECT_EQ(reader.nextNumber(), expected);
    }
    EXPECT_FALSE(reader.nextNumber().has_value());
}

TEST(FieldWriter, WritesQuotedTextPlainNumbersAndCrLf) {
    FieldWriter writer;
    writer.text("TV").text("A").text("").text("B").text("NONE").endRecord();
    writer.number(1).endRecord();
    writer.number(-5).text("x").endRecord();
    EXPECT_EQ(writer.bytes(), "\"TV\",\"A\",\"\",\"B\",\"NONE\"\r\n1\r\n-5,\"x\"\r\n");
}

TEST(FieldWriter, WhatItWritesReadsBackTheSame) {
    const Fields fields{"Radio, with comma", "", "  blanks  ", "http://x/?a=1,b=2", "NONE"};
    FieldWriter writer;
    for (const auto& f : fields) {
        writer.text(f);
    }
    writer.endRecord();
    EXPECT_EQ(allFields(writer.bytes()), fields);
}

TEST(FieldWriter, ADoubleQuoteInsideTextCannotBreakTheRecord) {
    FieldWriter writer;
    writer.text("The \"Best\" Station").text("next").endRecord();
    EXPECT_EQ(allFields(writer.bytes()), Fields({"The 'Best' Station", "next"}));
}

} // namespace
} // namespace lumo
