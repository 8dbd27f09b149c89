// The shared lookups against the tables of a built test installation, opened by the real data
// module: each must land on the row its keys name, in the table kinds it is meant for, and leave
// the table where it was when there is no such row.

#include "app/table_positions.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/data_module.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/table.h"
#include "schema/schema.h"
#include "test_installation.h"

namespace {

namespace schema = orvik::schema;

class TablePositions : public ::testing::Test {
 protected:
  void SetUp() override {
    orvik::Application::reset();
    ASSERT_TRUE(dir.valid());
    StartupEnvironment e;
    e.currentDir = dir.path();
    e.messages = &messages;
    e.splashMs = 0;
    e.waitMs = 0;
    dm = std::make_unique<TDMOrvik>(std::move(e));
    ASSERT_TRUE(dm->create());
  }
  void TearDown() override {
    dm.reset();
    orvik::Application::reset();
  }

  TestInstallation dir{QStringLiteral(ORVIK_FIXTURE_SMALL)};
  orvik::RecordingMessageBoxes messages;
  std::unique_ptr<TDMOrvik> dm;
};

TEST_F(TablePositions, EntryLookupServesThePlacesAndTheArticlesAlike) {
  orvik::Table* places = dm->tblWrdPicture;
  ASSERT_TRUE(orvik::positionOnEntry(places, 401, 5));
  EXPECT_EQ(places->intValue(schema::kPageCode), 401);
  EXPECT_EQ(places->intValue(schema::kOrder), 5);
  // The potato is entry 13 of the market page.
  EXPECT_GE(places->intValue(schema::kNumberWord), 13);

  orvik::Table* articles = dm->tblWordNameEn;
  ASSERT_TRUE(orvik::positionOnEntry(articles, 401, 5));
  EXPECT_EQ(articles->textValue(schema::kWordName), QStringLiteral("strawberry"));
  // Page first, then order: entry 5 of page 401 is not entry 401 of page 5.
  ASSERT_TRUE(orvik::positionOnEntry(articles, 102, 4));
  EXPECT_EQ(articles->textValue(schema::kWordName), QStringLiteral("door"));

  // No such entry: false, and the table stays on the door.
  const qint64 door = articles->bookmark();
  EXPECT_FALSE(orvik::positionOnEntry(articles, 102, 99));
  EXPECT_FALSE(orvik::positionOnEntry(articles, 5, 401));
  EXPECT_EQ(articles->bookmark(), door);
}

TEST_F(TablePositions, PageNameLookupFindsThePageByItsCode) {
  orvik::Table* names = dm->tblPageNameEn;
  ASSERT_TRUE(orvik::positionOnPageName(names, 401));
  EXPECT_EQ(names->textValue(schema::kPageName), QStringLiteral("The market"));
  EXPECT_EQ(names->intValue(schema::kPageCode), 401);
  // The data module's page name goes the same way; an unknown page has none.
  EXPECT_EQ(dm->pageNameByCode(names, 401), QStringLiteral("The market"));
  EXPECT_EQ(dm->pageNameByCode(names, 4), QString());
  EXPECT_FALSE(orvik::positionOnPageName(names, 4));
  EXPECT_EQ(names->intValue(schema::kPageCode), 401);
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(TablePositions, BandLookupReachesAnyBandWithTheRestOfThePageAfterIt) {
  orvik::Table* hitMap = dm->tblPctInfo;
  ASSERT_TRUE(orvik::positionOnBand(hitMap, 101));
  EXPECT_EQ(hitMap->intValue(schema::kBand), 1);
  EXPECT_EQ(hitMap->intValue(schema::kPageCode), 101);

  ASSERT_TRUE(orvik::positionOnBand(hitMap, 102, 50));
  EXPECT_EQ(hitMap->intValue(schema::kPageCode), 102);
  EXPECT_EQ(hitMap->intValue(schema::kBand), 50);
  ASSERT_EQ(hitMap->moveBy(48), 48);
  EXPECT_EQ(hitMap->intValue(schema::kPageCode), 102);
  EXPECT_EQ(hitMap->intValue(schema::kBand), 98);

  // A page has 98 bands: there is no 99th, and the table stays on the last one.
  EXPECT_FALSE(orvik::positionOnBand(hitMap, 102, 99));
  EXPECT_EQ(hitMap->intValue(schema::kBand), 98);
}

}  // namespace
