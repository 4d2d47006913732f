#include <gtest/gtest.h>

#include "platform/RecentDocumentList.h"
#include "platform/testing/ScriptedServices.h"

using platform::RecentDocumentList;
using Paths = std::vector<std::filesystem::path>;

TEST(RecentDocumentList, NewestFirstWithoutDuplicates) {
    RecentDocumentList list;
    list.note("/tmp/a.quad");
    list.note("/tmp/b.txt");
    list.note("/tmp/a.quad"); // noted again: moves to the front, once
    EXPECT_EQ(list.items(), (Paths{"/tmp/a.quad", "/tmp/b.txt"}));

    list.note("/tmp/x/../b.txt"); // the same file by another spelling
    EXPECT_EQ(list.items(), (Paths{"/tmp/b.txt", "/tmp/a.quad"}));
}

TEST(RecentDocumentList, KeepsOnlyTheMostRecentUpToItsCapacity) {
    RecentDocumentList list(3);
    for (const char* f : {"/1", "/2", "/3", "/4"}) list.note(f);
    EXPECT_EQ(list.items(), (Paths{"/4", "/3", "/2"}));
    list.clear();
    EXPECT_TRUE(list.items().empty());
}

TEST(RecentDocumentList, AssignKeepsTheGivenOrder) {
    RecentDocumentList list;
    list.assign({"/newest", "/older", "/newest", "/oldest"});
    EXPECT_EQ(list.items(), (Paths{"/newest", "/older", "/oldest"}));
}

TEST(RecentDocuments, NotedThroughTheApplicationDelegate) {
    platform::ScriptedServices services;
    platform::noteNewRecentDocument("/data/wedge.txt");
    platform::noteNewRecentDocument("/data/curve.quad");
    EXPECT_EQ(services.recentDocuments(), (Paths{"/data/curve.quad", "/data/wedge.txt"}));
}

TEST(RecentDocuments, SkippedWithoutADelegate) {
    platform::ScriptedServices services;
    auto delegate = services.delegate;
    platform::services().delegate.reset();
    platform::noteNewRecentDocument("/data/wedge.txt"); // nothing to note it with, and no crash
    EXPECT_TRUE(delegate->dc.recentDocuments().empty());
}
