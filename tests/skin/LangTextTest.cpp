#include <gtest/gtest.h>

#include "skin/LangText.h"

using namespace talvane68;

TEST(LangText, ReadingAnUnknownLanguageInsertsAnEmptyText) {
    LangText text;
    text.set(u"导出配置", u"Export");
    EXPECT_EQ(text["zh-CN"], u"导出配置");
    EXPECT_FALSE(text.contains("fr-FR"));
    EXPECT_EQ(text["fr-FR"], u"");
    EXPECT_TRUE(text.contains("fr-FR"));
    EXPECT_EQ(text.size(), 3u);
    // The reference is the stored text: filling through it changes the caption.
    text["fr-FR"] = u"Exporter";
    EXPECT_EQ(text["fr-FR"], u"Exporter");
}
