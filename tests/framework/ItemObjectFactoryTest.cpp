#include "framework/ItemObjectFactory.h"

#include <gtest/gtest.h>

#include "foundation/ByteStream.h"
#include "foundation/IFile.h"
#include "framework/FakeItems.h"
#include "support/FreshProcess.h"

namespace {

// A stand-in item: remembers which reader made it, for which list, and reads one 16-bit value.
class FactoryItem : public TObject {
public:
    FactoryItem(int reader, ItemList* owner) : reader(reader), owner(owner) {}
    ErrCode ReadFrom(IReadFile& stream) override { return stream.ReadShort(value); }

    int reader;
    ItemList* owner;
    std::int16_t value = 0;
};

template <int Reader>
TObject* ReadFake(ItemList* owner, IReadFile& stream, ErrCode* error) {
    auto* item = new FactoryItem(Reader, owner);
    if (*error == kNoErr) *error = item->ReadFrom(stream);
    return item;
}

ItemList* const kOwner = reinterpret_cast<ItemList*>(std::uintptr_t{0x1000});

TEST(ItemObjectFactory, MakesEachItemClassThroughItsReaderForTheOwningList) {
    InFreshProcess([] {
        ASSERT_TRUE(SetItemReader(kPushBtnClassId, ReadFake<1>));
        ASSERT_TRUE(SetItemReader(kEditViewAltClassId, ReadFake<2>));
        ByteStream stream({0x12, 0x34});
        ErrCode error = -99;
        TObject* button =
            ItemObjectFactory(stream, kPushBtnClassId, &error, reinterpret_cast<std::uintptr_t>(kOwner));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(error, kNoErr);
        EXPECT_EQ(static_cast<FactoryItem*>(button)->reader, 1);
        EXPECT_EQ(static_cast<FactoryItem*>(button)->owner, kOwner);
        EXPECT_EQ(static_cast<FactoryItem*>(button)->value, 0x1234);
        delete button;

        for (const ClassId id : {kEditViewClassId, kEditViewAltClassId}) {
            ByteStream edit({0, 1});
            TObject* view = ItemObjectFactory(edit, id, &error, 0);
            ASSERT_NE(view, nullptr) << id;
            EXPECT_EQ(static_cast<FactoryItem*>(view)->reader, 2) << "512 and 513 are both edit views";
            delete view;
        }
    });
}

TEST(ItemObjectFactory, LeavesOtherIdsToTheNextFactory) {
    InFreshProcess([] {
        EXPECT_FALSE(SetItemReader(504, ReadFake<1>)) << "sliders are not made here";
        EXPECT_FALSE(SetItemReader(kItemListClassId, ReadFake<1>));
        ByteStream stream({0, 0});
        for (const ClassId id : {ClassId{504}, ClassId{510}, ClassId{105}}) {
            ErrCode error = -99;
            EXPECT_EQ(ItemObjectFactory(stream, id, &error, 0), nullptr);
            EXPECT_EQ(error, kNoErr) << id;
        }
        // A known class whose reader is not installed yet is not made either.
        ErrCode error = -99;
        EXPECT_EQ(ItemObjectFactory(stream, kCheckBoxClassId, &error, 0), nullptr);
        EXPECT_EQ(error, kNoErr);
    });
}

TEST(ItemObjectFactory, AFailedReadGivesTheObjectAndTheError) {
    InFreshProcess([] {
        SetItemReader(kStatTextClassId, ReadFake<3>);
        SetItemListMaker(fakes::MakeFakeList);
        for (const ClassId id : {kStatTextClassId, kItemListClassId}) {
            ByteStream shortStream({0x01});
            ErrCode error = kNoErr;
            TObject* made = ItemObjectFactory(shortStream, id, &error, 0);
            ASSERT_NE(made, nullptr) << id;
            EXPECT_NE(error, kNoErr) << id;
            delete made;
        }
    });
}

TEST(ItemObjectFactory, IsAskedBeforeTheFactoriesRegisteredBeforeIt) {
    InFreshProcess([] {
        static bool olderAsked = false;
        RegisterObjectFactory([](IReadFile&, ClassId, ErrCode* error, std::uintptr_t) -> TObject* {
            olderAsked = true;
            *error = kNoErr;
            return nullptr;
        });
        RegisterObjectFactory(ItemObjectFactory);
        SetItemReader(kRadioBtnClassId, ReadFake<4>);
        ByteStream stream({0, 5});
        ErrCode error = -1;
        TObject* radio = MakeObjectByFactory(stream, kRadioBtnClassId, &error, 0);
        ASSERT_NE(radio, nullptr);
        EXPECT_FALSE(olderAsked);
        delete radio;
        EXPECT_EQ(MakeObjectByFactory(stream, 504, &error, 0), nullptr);
        EXPECT_TRUE(olderAsked) << "an id the item factory does not make goes on to the older factory";
    });
}

}  // namespace
