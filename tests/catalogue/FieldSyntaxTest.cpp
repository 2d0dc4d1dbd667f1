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

TEST(FieldReader, TextIsUtf8WhenValidElseWindows1252) {
    // A byte-order mark is not part of the first field.
    EXPECT_EQ(allFields("\xEF\xBB\xBF\"RADIO\",\"Caf\xC3\xA9 M\xC3\xBCller\"\r\n"),
              Fields({"RADIO", "Caf\xC3\xA9 M\xC3\xBCller"}));
    // A single-byte list: the euro sign and curly quote of Windows-1252, Latin letters.
    EXPECT_EQ(allFields("\"\x80 Radio\",\"Rock\x92n\x92Roll\",\"Caf\xE9\"\r\n"),
              Fields({"\xE2\x82\xAC Radio", "Rock\xE2\x80\x99n\xE2\x80\x99Roll", "Caf\xC3\xA9"}));
    // One stray byte makes the whole file single-byte, so no text is read two ways.
    EXPECT_EQ(allFields("\"Caf\xC3\xA9\",\"\xFF\"\r\n"),
              Fields({"Caf\xC3\x83\xC2\xA9", "\xC3\xBF"}));
    EXPECT_EQ(allFields("\"\xED\xA0\x80\"\r\n"), Fields({"\xC3\xAD\xC2\xA0\xE2\x82\xAC"}));
}

TEST(FieldReader, LongFieldsAreCutOnACharacterBoundary) {
    const std::string huge(FieldReader::kMaxFieldBytes * 100, 'x');
    EXPECT_EQ(allFields("\"" + huge + "\"," + huge + ",next\r\n"),
              Fields({huge.substr(0, FieldReader::kMaxFieldBytes),
                      huge.substr(0, FieldReader::kMaxFieldBytes), "next"}));
    // Two-byte letters across the limit: the cut keeps whole characters only.
    std::string letters;
    while (letters.size() < FieldReader::kMaxFieldBytes + 10) {
        letters += "\xC3\xA9";
    }
    const auto fields = allFields("x" + letters);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].size(), FieldReader::kMaxFieldBytes - 1);
    EXPECT_EQ(fields[0], "x" + letters.substr(0, FieldReader::kMaxFieldBytes - 2));
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
