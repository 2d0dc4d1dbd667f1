// Finding stations by what the directory says of them, without a window.
#include "chooser/StationSearch.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Names = std::vector<std::string>;

TEST(StationSearchTest, CountryLanguageAndTagsFindStationsAfterTheirNames) {
    StationInfoIndex info;
    const auto know = [&info](const std::string& stream, const char* country, const char* code,
                              const char* languages, const char* tags) {
        info.byStream[stream] = {stream, "id",  code,  country, languages,
                                 tags,   "MP3", "128", "",      ""};
    };
    know("http://fip", "France", "FR", "french", "jazz,eclectic");
    know("http://tsf", "France", "FR", "french", "jazz,smooth jazz");
    know("http://nrj", "France", "FR", "french", "pop,hits");
    know("http://b3", "Germany", "DE", "german", "pop,hits,deutsch");
    know("http://sakura", "Japan", "JP", "japanese", "j-pop,anime");
    StationSearch search;
    search.setIndex(StationSearch::index({{"Jazz France", "http://own"},
                                          {"FIP", "http://fip"},
                                          {"TSF Jazz", "http://tsf"},
                                          {"NRJ", "http://nrj"},
                                          {"Bayern 3", "http://b3"},
                                          {"J-Pop Sakura", "http://sakura"},
                                          {"France Jazz Club", "http://none"}},
                                         info));
    // Names that start with the words, then names that hold them, then what is known.
    EXPECT_EQ(search.find(QStringLiteral("france jazz"), 10),
              (Names{"France Jazz Club", "Jazz France", "FIP", "TSF Jazz"}));
    EXPECT_EQ(search.find(QStringLiteral("DEUTSCH"), 10), Names{"Bayern 3"});
    EXPECT_EQ(search.find(QStringLiteral("japan"), 10), Names{"J-Pop Sakura"});
    EXPECT_EQ(search.find(QStringLiteral("fr pop"), 10), Names{"NRJ"}) << "by country code";
    EXPECT_EQ(search.find(QStringLiteral("france jazz"), 2),
              (Names{"France Jazz Club", "Jazz France"}));
    EXPECT_EQ(search.tip("TSF Jazz").toStdString(),
              "France \u00b7 french \u00b7 MP3 \u00b7 128 kbit/s");
    EXPECT_TRUE(search.tip("Jazz France").isEmpty()) << "nothing known of it";
}

} // namespace
} // namespace lumo
