#include "report/ConceptKeys.h"
#include "report/ConceptGroups.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ConceptKeysTest, TheDictionaryFileIsMadeFromTheTable) {
    std::string text;
    std::string cause;
    ASSERT_TRUE(ReadTextFile(QUELTA_EXAMPLES "/../docs/keys.md", text, cause)) << cause;
    EXPECT_EQ(text, ConceptKeysMarkdown())
        << "docs/keys.md is out of date: quelta-cli concepts --keys > docs/keys.md";
}

TEST(ConceptKeysTest, EveryExamplePrintsTheKeysOfTheDictionaryInItsOrder) {
    CHeadlessPlatform platform;
    CScopedPlatform scope(platform);
    std::set<std::string> printed;
    const QStringList examples = QDir(QUELTA_EXAMPLES).entryList({"*.txt"}, QDir::Files);
    ASSERT_GE(examples.size(), 5);
    for (const QString& example : examples) {
        CQueltaDoc doc;
        ASSERT_TRUE(ReadScenarioFile(doc, QDir(QUELTA_EXAMPLES).filePath(example).toStdString()));
        const SConceptResults results = ComputeConceptResults(doc);
        EXPECT_TRUE(results.failures.empty()) << example.toStdString();
        size_t previous = 0;
        for (const std::string& key : results.report.Keys()) {
            const SConceptKey* entry = FindConceptKey(key);
            ASSERT_NE(entry, nullptr) << example.toStdString() << " prints " << key;
            const size_t index = static_cast<size_t>(entry - ConceptKeys().data());
            EXPECT_GE(index, previous) << key << " out of the dictionary's order";
            previous = index;
            printed.insert(entry->key);
        }
    }
    for (const SConceptKey& key : ConceptKeys()) {
        const bool conditional = key.key == "error";
        EXPECT_TRUE(conditional || printed.count(key.key))
            << key.key << " is printed by no example";
    }
}

TEST(ConceptKeysTest, GroupsOfTheDictionaryAreTheGroupsOfOnly) {
    for (const SConceptKey& key : ConceptKeys())
        EXPECT_TRUE(key.group.empty() || IsConceptGroup(key.group)) << key.key;
    EXPECT_EQ(FindConceptKey("power.XX12")->key, "power.<ID>");
    EXPECT_EQ(FindConceptKey("nothing"), nullptr);
}

} // namespace
