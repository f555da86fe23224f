// The item lists the data compiler writes, read through the program's item list and written back
// byte for byte: the application data file's dialogs and a list holding every class the data
// compiler and the item factory share.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "foundation/ByteStream.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "items/IconItem.h"
#include "items/ItemClasses.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "tools/DataSourceTestSupport.h"

namespace {

class CompiledItemLists : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterObjectFactory(ItemObjectFactory);
        InstallItemClasses();
    }

    // Compiles the source and reads its bytes as the program does; the list written again must
    // give the same bytes.
    std::unique_ptr<ItemList> ReadBack(const std::string& name, const std::string& source) {
        const CompileResult compiled = CompileText(name, source);
        EXPECT_TRUE(compiled.segment) << compiled.FirstError();
        if (!compiled.segment) return nullptr;
        EXPECT_EQ(compiled.segment->classId, ItemList::kClassId);
        ByteStream stream(compiled.segment->bytes);
        ErrCode error = -99;
        std::unique_ptr<ItemList> list(
            static_cast<ItemList*>(MakeObjectByFactory(stream, ItemList::kClassId, &error, 0)));
        EXPECT_EQ(error, kNoErr) << name;
        ByteStream out;
        EXPECT_EQ(list->WriteTo(out), kNoErr);
        EXPECT_EQ(Hex(out.Bytes()), Hex(compiled.segment->bytes)) << name;
        return list;
    }
};

TEST_F(CompiledItemLists, TheApplicationsDialogsReadAndWriteBackUnchanged) {
    int lists = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DATA_SOURCE_DIR "/Fablecor/dialogs")) {
        if (entry.path().extension() != ".items") continue;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const auto list = ReadBack(entry.path().filename().string(), text.str());
        ASSERT_TRUE(list);
        EXPECT_GT(list->Count(), 0);
        ++lists;
    }
    EXPECT_EQ(lists, 4);
}

TEST_F(CompiledItemLists, TheAboutBoxsFirstItemIsItsOkButton) {
    std::ifstream file(DATA_SOURCE_DIR "/Fablecor/dialogs/about-box.items");
    std::stringstream text;
    text << file.rdbuf();
    const auto list = ReadBack("about-box.items", text.str());
    ASSERT_TRUE(list);
    ASSERT_TRUE(list->ItemAt(0)->IsKindOf(PushBtn::kClassId));
    const auto* ok = static_cast<const PushBtn*>(list->ItemAt(0));
    EXPECT_STREQ(ok->GetTitle().CStr(), "OK");
    EXPECT_EQ(ok->GetCommand(), PushBtn::kNoCommand);
    EXPECT_EQ(ok->Bounds(), ShortRect::MakeLTRB(270, 244, 340, 266));
}

TEST_F(CompiledItemLists, EverySharedClassWithEveryFieldSet) {
    const auto list = ReadBack(
        "all.items",
        "items 'ITM#' 7\n"
        "bounds (10,10)-(400,300)\nbackground #123456789ABC\nname \"All\"\n"
        "item TrimBox\n bounds (0,0)-(10,10)\n pen-height 2\n pen-width 3\n fill 4\n frame -4\n links 1\n"
        "item StatText\n text \"Line\\nnext\"\n justification 1\n font 3 9 italic\n"
        "item Cluster\n caption \"Group\"\n indent 5\n frame -3\n justification -1\n"
        "item BarGraph\n empty 2\n back-color #FF0000\n"
        "item PushBtn\n command 1279\n notify 7\n style1 1\n style2 2\n flags hidden 0x8000\n title \"&Go\"\n"
        "item RadioBtn\n title \"&One\"\n reserved 1\n"
        "item CheckBox\n title \"Two\"\n id 65535\n color #000000010002\n font 0 12 plain\n"
        "item IconItem\n bounds (20,20)-(52,52)\n picture 16015\n");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 8);
    EXPECT_EQ(static_cast<const IconItem*>(list->ItemAt(7))->GetPictureId(), 16015);
    EXPECT_STREQ(static_cast<const StatText*>(list->ItemAt(1))->GetText().CStr(), "Line\nnext");
}

}  // namespace
